#include "text/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "errors/run_time_error.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/dictionary_text.h"
#include "text/file_reader.h"

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

// The limit's two sides for both policies, reading from an offset, and what is no regular file
// refused at once: a FIFO without a writer would otherwise hold the reader for ever.
TEST_F(TextFileTest, ReadFileKeepsToItsLimitAndRefusesWhatIsNoRegularFile) {
    const std::string file = Write("sixteen.txt", "0123456789abcdef");
    const std::string fifo = dir_.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        ReadRequest request;
        std::string result;  // the bytes, or the reason
    } cases[] = {
        {file, {.limit = 16}, "0123456789abcdef"},
        {file, {.limit = 15}, "Longer than 0 MB"},
        {file, {.limit = 15, .pastLimit = PastLimit::Cut}, "0123456789abcde"},
        {file, {.limit = 4, .pastLimit = PastLimit::Cut, .from = 14}, "ef"},
        {file, {.from = 16}, ""},
        {fifo, {}, "Not a regular file"},
        {"/dev/zero", {.pastLimit = PastLimit::Cut}, "Not a regular file"},
        {dir_.Path(), {}, "Not a regular file"},
        {dir_.File("missing"), {}, "No such file or directory"},
    };
    for (const auto& c : cases) {
        const std::expected<std::string, FileError> read = ReadFile(c.path, c.request);
        EXPECT_EQ(read ? *read : read.error().Reason(), c.result) << c.path;
        if (!read) {
            EXPECT_EQ(read.error().path, c.path);
        }
    }
}

// Each dictionary file is decided on its own: UTF-8 with a byte-order mark, or when wholly
// valid UTF-8 beyond ASCII; CP1251 otherwise, with line ends and NUL bytes as they were.
TEST_F(TextFileTest, DictionaryFilesAreReadAsUtf8OrCp1251) {
    using namespace std::string_literals;
    struct Case {
        const char* what;
        std::string bytes;
        DictionaryEncoding encoding;
        std::string text;  // as the game holds it, UTF-8
    };
    // CP1251 "Р°" is the UTF-8 of "а"; only the last line shows the file is not UTF-8.
    const std::string lookAlike =
        Utf8ToCp1251("Р°\r\n") + std::string(5000, 'x') + Utf8ToCp1251("\r\nкот");
    const Case cases[] = {
        {"BOM",
         "\xEF\xBB\xBFStra\xC3\x9F"
         "e\r\n",
         DictionaryEncoding::Utf8WithBom, "Straße\r\n"},
        {"BOM, then bytes that are not UTF-8",
         "\xEF\xBB\xBF"
         "a\xFF"
         "b\xC3\rc",
         DictionaryEncoding::Utf8WithBom, "a\uFFFDb\uFFFD\rc"},
        {"valid UTF-8", "Schl\xC3\xBCssel\nd\xC3\xA9j\xC3\xA0\0x"s, DictionaryEncoding::Utf8,
         "Schlüssel\ndéjà\0x"s},
        {"CP1251", Utf8ToCp1251("ёж\r\n\r\nкот\0Ра"s), DictionaryEncoding::Cp1251,
         "ёж\r\n\r\nкот\0Ра"s},
        {"CP1251 that starts like UTF-8", lookAlike, DictionaryEncoding::Cp1251,
         "Р°\r\n" + std::string(5000, 'x') + "\r\nкот"},
        {"ASCII only", "cat\r\ndog\r", DictionaryEncoding::Cp1251, "cat\r\ndog\r"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(DetectDictionaryEncoding(test.bytes), test.encoding) << test.what;
        EXPECT_EQ(ReadDictionaryFile(Write("names.txt", test.bytes)), test.text) << test.what;
    }
    // The start of a longer file may end inside a character.
    EXPECT_EQ(DetectDictionaryEncoding("d\xC3\xA9j\xC3", true), DictionaryEncoding::Utf8);
    EXPECT_EQ(DetectDictionaryEncoding("d\xC3\xA9j\xC3", false), DictionaryEncoding::Cp1251);
}

}  // namespace
}  // namespace lexo
