#include "text/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "errors/run_time_error.h"

namespace lexo {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("lexo-textfile-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }

    std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const RunTimeError& error) {
            return error.what();
        }
        return "no error";
    }

    fs::path dir_;
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
    EXPECT_EQ(ErrorOf([&] { LineReader((dir_ / "missing.txt").string()); }), "File not found");
    EXPECT_EQ(ErrorOf([&] { LineReader((dir_ / "nofolder" / "x.mon").string()); }),
              "Invalid filename");
    EXPECT_EQ(ErrorOf([&] { LineReader(dir_.string()); }), "File access denied");
    if (geteuid() != 0) {
        std::string locked = Write("locked.txt", "x");
        chmod(locked.c_str(), 0);
        EXPECT_EQ(ErrorOf([&] { LineReader{locked}; }), "File access denied");
    }
}

TEST_F(TextFileTest, ReadWholeFileKeepsBytesAndNamesTheFullPathOnFailure) {
    const std::string content("a\r\nb\0c", 6);
    EXPECT_EQ(ReadWholeFile(Write("names.txt", content)), content);

    const std::string missing = (dir_ / "gone" / ".." / "names2.txt").string();
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(missing); }),
              "Cannot open file \"" + (dir_ / "names2.txt").string() +
                  "\". No such file or directory");
}

}  // namespace
}  // namespace lexo
