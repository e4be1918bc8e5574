#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>
#include <zstd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "dict/commands.h"
#include "dict/read/apkg_collection.h"
#include "dict/read/apkg_package.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::pair<std::string, std::string>>;

// The collection's tables with the columns import reads, in both layouts.
constexpr const char* kLegacySchema =
    "CREATE TABLE col (ver INTEGER, models TEXT, decks TEXT);"
    "CREATE TABLE notes (id INTEGER PRIMARY KEY, mid INTEGER, flds TEXT);"
    "CREATE TABLE cards (id INTEGER PRIMARY KEY, nid INTEGER, did INTEGER, ord INTEGER);";
const std::string kTableSchema =
    std::string(kLegacySchema) +
    "CREATE TABLE decks (id INTEGER PRIMARY KEY, name TEXT);"
    "CREATE TABLE notetypes (id INTEGER PRIMARY KEY, name TEXT, config BLOB);"
    "INSERT INTO col VALUES (18, '', '');";

std::string Collection(const std::string& sql) {
    const test::TempDir dir;
    sqlite3* database = nullptr;
    EXPECT_EQ(sqlite3_open(dir.File("c").c_str(), &database), SQLITE_OK);
    char* problem = nullptr;
    EXPECT_EQ(sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &problem), SQLITE_OK)
        << problem;
    sqlite3_free(problem);
    sqlite3_close(database);
    return ReadWholeFile(dir.File("c"));
}

std::string Zip(const Entries& entries) {
    const test::TempDir dir;
    int error = 0;
    zip_t* archive = zip_open(dir.File("p").c_str(), ZIP_CREATE, &error);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        EXPECT_GE(zip_file_add(archive, name.c_str(), source, 0), 0);
    }
    EXPECT_EQ(zip_close(archive), 0);
    return ReadWholeFile(dir.File("p"));
}

// Compressed as one stream; `declared` puts the size in the frame's header, as a one-shot
// compression does.
std::string Zstd(const std::string& bytes, bool declared = true) {
    ZSTD_CCtx* context = ZSTD_createCCtx();
    if (declared) ZSTD_CCtx_setPledgedSrcSize(context, bytes.size());
    ZSTD_CCtx_setParameter(context, ZSTD_c_contentSizeFlag, declared ? 1 : 0);
    std::string packed(ZSTD_compressBound(bytes.size()), '\0');
    const size_t size =
        ZSTD_compress2(context, packed.data(), packed.size(), bytes.data(), bytes.size());
    ZSTD_freeCCtx(context);
    packed.resize(size);
    return packed;
}

const std::string kNotes =
    "INSERT INTO notes VALUES (1001, 10, 'cat' || char(31) || "
    "'кот<div>кошка</div>[sound:cat.mp3]');"
    "INSERT INTO notes VALUES (1002, 10, '<b>dog</b>' || char(31) || 'собака<img "
    "src=\"dog.jpg\">');"
    "INSERT INTO notes VALUES (1003, 11, '{{c1::cat}} sleeps' || char(31) || '');"
    "INSERT INTO notes VALUES (1004, 10, 'Cat' || char(31) || 'котик&nbsp;');"
    "INSERT INTO notes VALUES (1005, 10, 'Hund' || char(31) || 'пёс');"
    "INSERT INTO cards VALUES (1, 1001, 7, 0), (2, 1002, 7, 0), (3, 1003, 7, 0),"
    "(4, 1004, 7, 0), (5, 1005, 8, 0), (6, 1005, 7, 1);";
const std::string kLegacyLists =
    "INSERT INTO col VALUES (11, '{\"10\":{\"type\":0},\"11\":{\"type\":1}}', "
    "'{\"1\":{\"name\":\"Default\"},\"7\":{\"name\":\"School::Animals\"},"
    "\"8\":{\"name\":\"School::German\"}}');";
const std::string kTableLists =
    "INSERT INTO decks VALUES (1, 'Default'), (7, 'School' || char(31) || 'Animals'),"
    "(8, 'School' || char(31) || 'German');"
    "INSERT INTO notetypes VALUES (10, 'Basic', x''), (11, 'Cloze', x'0801');";
// What a new package carries beside its newest collection.
const std::string kPlaceholder = std::string(kLegacySchema) + kLegacyLists +
                                 "INSERT INTO notes VALUES (1, 10, 'Please update to the latest "
                                 "Anki version' || char(31) || '');";

std::string Legacy() { return Collection(kLegacySchema + kLegacyLists + kNotes); }
std::string Newest() { return Collection(kTableSchema + kTableLists + kNotes); }

int Import(const std::vector<std::string>& args, std::string& errors) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = RunImport(args);
    ::testing::internal::GetCapturedStdout();
    errors = ::testing::internal::GetCapturedStderr();
    return status;
}

TEST(AnkiPackage, EveryGenerationBecomesTheSameDictionary) {
    const struct {
        const char* what;
        std::string file;
        std::string bytes;
        std::vector<std::string> options;
        std::string about, names, names2;
        std::string warning;  // what standard error holds after the file's name
    } cases[] = {
        {"collection.anki2 in a package",
         "a.apkg",
         Zip({{"collection.anki2", Legacy()}}),
         {},
         "School\r\nСлов: 3.\r\n",
         "cat\r\ndog\r\nHund\r\n",
         "кот  кошка  котик\r\nсобака\r\nпёс\r\n",
         ":1003: warning: 1 cloze note(s) skipped"},
        {"collection.anki21 beside the placeholder",
         "b.apkg",
         Zip({{"collection.anki2", Collection(kPlaceholder)}, {"collection.anki21", Legacy()}}),
         {"--deck", "School::German"},
         "German\r\nСлов: 1.\r\n",
         "Hund\r\n",
         "пёс\r\n",
         ""},
        {"collection.anki21b with its meta",
         "c.apkg",
         Zip({{"collection.anki2", Collection(kPlaceholder)},
              {"meta", "\x08\x03"},
              {"collection.anki21b", Zstd(Newest())}}),
         {"--deck", "School::Animals", "--swap"},
         "Animals\r\nСлов: 3.\r\n",
         "кот кошка\r\nсобака\r\nкотик\r\n",
         "cat\r\ndog\r\nCat\r\n",
         ":1003: warning: 1 cloze note(s) skipped"},
        {"a bare collection, fields chosen",
         "collection.anki21",
         Legacy(),
         {"--fields", "2,1"},
         "School\r\nСлов: 4.\r\n",
         "кот кошка\r\nсобака\r\nкотик\r\nпёс\r\n",
         "cat\r\ndog\r\nCat\r\nHund\r\n",
         ": warning: 2 decks taken together: \"School::Animals\", \"School::German\""},
        {"a word list, through the same command",
         "words.tsv",
         "кот кошка\tcat\nсобака\tdog\n",
         {},
         "words\r\nСлов: 2.\r\n",
         "кот кошка\r\nсобака\r\n",
         "cat\r\ndog\r\n",
         ""},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        std::ofstream(dir.File(c.file), std::ios::binary) << c.bytes;
        std::vector<std::string> args = {dir.File(c.file), "--out", dir.File("out")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        std::string errors;
        ASSERT_EQ(Import(args, errors), kSuccess) << c.what << "\n" << errors;
        EXPECT_EQ(Cp1251ToUtf8(ReadWholeFile(dir.File("out/about.txt"))), c.about) << c.what;
        EXPECT_EQ(Cp1251ToUtf8(ReadWholeFile(dir.File("out/names.txt"))), c.names) << c.what;
        EXPECT_EQ(Cp1251ToUtf8(ReadWholeFile(dir.File("out/names2.txt"))), c.names2) << c.what;
        if (c.warning.empty()) {
            EXPECT_EQ(errors, "") << c.what;
        } else {
            EXPECT_NE(errors.find(dir.File(c.file) + c.warning), std::string::npos)
                << c.what << "\n"
                << errors;
        }
    }
}

// The first page of a collection made by SQLite, followed by `tail`.
std::string Damaged(const std::string& tail) { return Legacy().substr(0, 100) + tail; }

// A deflated entry whose sizes in both zip headers claim `declared` bytes unpacked.
std::string Lying(const std::string& bytes, uint32_t declared) {
    std::string zip = Zip({{"collection.anki21", bytes}});
    auto patch = [&](size_t at) {
        for (int i = 0; i < 4; ++i) zip[at + i] = static_cast<char>(declared >> (8 * i));
    };
    patch(22);
    patch(zip.find("PK\x01\x02") + 24);
    return zip;
}

TEST(AnkiPackage, RefusesHostilePackagesAndLeavesNothingBehind) {
    constexpr size_t kLimit = size_t{1} << 20;
    const std::string zeros(2 * kLimit, '\0');
    const struct {
        const char* what;
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"not a zip", "word\tслово\n", "not a zip archive"},
        {"a cut zip", Zip({{"collection.anki2", Legacy()}}).substr(0, 200), "zip archive"},
        {"no collection", Zip({{"media", "{}"}}), "without a collection"},
        {"a path out", Zip({{"../collection.anki2", Legacy()}}), "outside the package"},
        {"a cut collection", Zip({{"collection.anki2", Legacy().substr(0, 5000)}}),
         "cannot be read"},
        {"a damaged collection", Zip({{"collection.anki2", Damaged(std::string(8000, 'x'))}}),
         "cannot be read"},
        {"not SQLite", Zip({{"collection.anki21", zeros.substr(0, 100)}}), "not an SQLite"},
        {"an unknown schema",
         Zip({{"collection.anki2",
               Collection(std::string(kLegacySchema) + "INSERT INTO col VALUES (99, "
                                                       "'{}', '{}');")}}),
         "schema version 99"},
        {"a newer package", Zip({{"meta", "\x08\x04"}, {"collection.anki2", Legacy()}}),
         "version 4"},
        {"a large declared entry", Zip({{"collection.anki21", zeros}}), "declares 2 MiB"},
        // Refused at the limit as it inflates, or read only as far as declared.
        {"a large entry declared small", Lying(zeros, 100), "collection.anki21 "},
        {"a large zstd frame", Zip({{"collection.anki21b", Zstd(zeros)}}), "more than the 1 MiB"},
        {"a large zstd stream declaring nothing", Zip({{"collection.anki21b", Zstd(zeros, false)}}),
         "more than the 1 MiB"},
        {"a cut zstd stream", Zip({{"collection.anki21b", Zstd(Legacy()).substr(0, 50)}}),
         "collection.anki21b is"},
        {"a large meta entry",
         Zip({{"meta", std::string(5000, '\x08')}, {"collection.anki2", Legacy()}}),
         "declares 5000 bytes unpacked, more than the 4 KiB"},
        {"a schema version past 32 bits",
         Zip({{"collection.anki2",
               Collection(std::string(kLegacySchema) + "INSERT INTO col VALUES (4294967307, "
                                                       "'{}', '{}');")}}),
         "schema version 4294967307"},
        {"a bare collection.anki21b", Zstd(Legacy()), "collection.anki21b inside its package"},
    };
    const test::TempDir dir, temporary;
    const char* saved = getenv("TMPDIR");
    const std::string kept = saved == nullptr ? "" : saved;
    setenv("TMPDIR", temporary.Path().c_str(), 1);
    for (const auto& c : cases) {
        std::string problem;
        try {
            ReadAnkiCollection(UnpackCollection(c.bytes, kLimit), kLimit);
        } catch (const PackageError& error) {
            problem = error.what();
        }
        EXPECT_NE(problem.find(c.problem), std::string::npos) << c.what << ": " << problem;

        std::ofstream(dir.File("in.apkg"), std::ios::binary) << c.bytes;
        std::string errors;
        EXPECT_EQ(Import({dir.File("in.apkg"), "--out", dir.File("out")}, errors), kInputErrors)
            << c.what;
        EXPECT_TRUE(errors.starts_with(dir.File("in.apkg") + ": error: ")) << errors;
        EXPECT_FALSE(fs::exists(dir.File("out"))) << c.what;
        EXPECT_TRUE(fs::is_empty(temporary.Path())) << c.what;
    }
    if (saved == nullptr)
        unsetenv("TMPDIR");
    else
        setenv("TMPDIR", kept.c_str(), 1);
}

// A small file may compute large values as they are read: one over the limit, or many under it
// that come to more together.
TEST(AnkiPackage, BoundsWhatSQLiteComputes) {
    constexpr size_t kLimit = size_t{1} << 20;
    const struct {
        int bytes;
        int notes;
    } cases[] = {{1'000'000, 1}, {300'000, 2}};
    for (const auto& c : cases) {
        std::string schema = kLegacySchema;
        schema.replace(
            schema.find("flds TEXT"), 9,
            "flds TEXT GENERATED ALWAYS AS (hex(zeroblob(" + std::to_string(c.bytes) + ")))");
        std::string sql = schema + "INSERT INTO col VALUES (11, '{}', '{}');";
        for (int note = 1; note <= c.notes; ++note)
            sql += "INSERT INTO notes (id, mid) VALUES (" + std::to_string(note) + ", 10);";
        std::string problem;
        try {
            ReadAnkiCollection(Collection(sql), kLimit);
        } catch (const PackageError& error) {
            problem = error.what();
        }
        EXPECT_NE(problem.find("more than the 1 MiB"), std::string::npos)
            << c.bytes << ": " << problem;
    }
}

bool HasEntry(const std::string& folder, std::string_view prefix) {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        if (entry.path().filename().string().starts_with(prefix)) return true;
    }
    return false;
}

// Ended by SIGTERM while its private copy of the collection is there, or while the new folder
// is written beside the output, an import leaves neither behind. A moment that passes unseen
// on a busy machine (the import ends first) is tried again.
TEST(AnkiPackage, AnInterruptedImportLeavesNothingBehind) {
    const test::TempDir dir, temporary;
    std::ofstream(dir.File("in.apkg"), std::ios::binary)
        << Zip({{"collection.anki2",
                 Collection(kLegacySchema + kLegacyLists +
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                            "WHERE i < 100000) INSERT INTO notes SELECT i, 10, 'word' || i || "
                            "char(31) || 'слово' || i || char(31) || printf('%.200c', 'x') "
                            "FROM n;")}});
    for (const auto& [folder, prefix] :
         {std::pair{temporary.Path(), "lexodrome-apkg-"}, std::pair{dir.Path(), ".out.new-"}}) {
        bool caught = false;
        for (int attempt = 0; attempt < 20 && !caught; ++attempt) {
            fs::remove_all(dir.File("out"));
            const pid_t child = fork();
            if (child == 0) {
                setenv("TMPDIR", temporary.Path().c_str(), 1);
                freopen("/dev/null", "w", stdout);
                _exit(RunImport({dir.File("in.apkg"), "--out", dir.File("out")}));
            }
            int status = 0;
            while (waitpid(child, &status, WNOHANG) == 0 && !caught) {
                if (HasEntry(folder, prefix)) caught = kill(child, SIGTERM) == 0;
            }
            waitpid(child, &status, 0);
            caught = caught && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM;
        }
        EXPECT_TRUE(caught) << prefix;
        EXPECT_TRUE(fs::is_empty(temporary.Path())) << prefix;
        EXPECT_FALSE(HasEntry(dir.Path(), ".out.new-")) << prefix;
    }
}

}  // namespace
}  // namespace lexo::dict
