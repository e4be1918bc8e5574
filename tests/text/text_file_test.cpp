#include "text/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "errors/run_time_error.h"
#include "temp_dir.h"

namespace lexo {
namespace {

class TextFileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& content) {
        std::ofstream(dir_.File(name), std::ios::binary) << content;
        return dir_.File(name);
    }

    std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const RunTimeError& error) {
            return error.what();
        }
        return "no error";
    }

    test::TempDir dir_;
};

TEST_F(TextFileTest, LineReaderReadsEmptyLinesPastTheEnd) {
    LineReader reader(Write("a.mon", "x.bmp\r\n64\n"));
    EXPECT_FALSE(reader.Eof());
    EXPECT_EQ(reader.ReadLn(), "x.bmp");
    EXPECT_EQ(reader.ReadLn(), "64");
    EXPECT_TRUE(reader.Eof());
    EXPECT_EQ(reader.ReadLn(), "");
    EXPECT_EQ(reader.ReadLn(), "");
}

TEST_F(TextFileTest, LineReaderOpenErrorsUseTheRunTimeTexts) {
    EXPECT_EQ(ErrorOf([&] { LineReader(dir_.File("missing.txt")); }), "File not found");
    EXPECT_EQ(ErrorOf([&] { LineReader(dir_.File("nofolder/x.mon")); }), "Invalid filename");
    EXPECT_EQ(ErrorOf([&] { LineReader(dir_.Path()); }), "File access denied");
    if (geteuid() != 0) {
        std::string locked = Write("locked.txt", "x");
        chmod(locked.c_str(), 0);
        EXPECT_EQ(ErrorOf([&] { LineReader{locked}; }), "File access denied");
    }
}

TEST_F(TextFileTest, ReadWholeFileKeepsBytesAndNamesTheFullPathOnFailure) {
    const std::string content("a\r\nb\0c", 6);
    EXPECT_EQ(ReadWholeFile(Write("names.txt", content)), content);

    const std::string missing = dir_.File("gone/../names2.txt");
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(missing); }),
              "Cannot open file \"" + dir_.File("names2.txt") + "\". No such file or directory");
}

TEST_F(TextFileTest, ReadBoundedFileTakesRegularFilesAndPipesUpToTheLimit) {
    const std::string fifo = dir_.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        bool pipesToo;
        std::string error;  // the reason after the path
    } cases[] = {
        {Write("small.txt", "1234"), false, "no error"},
        {Write("large.txt", "12345"), false, "Longer than 0 MB"},
        {fifo, false, "Not a regular file"},
        {"/dev/zero", true, "Not a regular file"},
        {dir_.Path(), true, "Not a regular file"},
    };
    for (const auto& c : cases) {
        const std::string error = ErrorOf([&] { ReadBoundedFile(c.path, 4, c.pipesToo); });
        const size_t reason = error.rfind("\". ");
        EXPECT_EQ(reason == std::string::npos ? error : error.substr(reason + 3), c.error)
            << c.path;
    }
    FILE* pipe = popen(("printf 1234 > " + fifo).c_str(), "r");
    EXPECT_EQ(ReadBoundedFile(fifo, 4, true), "1234") << "a pipe, such as /dev/stdin";
    pclose(pipe);
}

}  // namespace
}  // namespace lexo
