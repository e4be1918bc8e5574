// `lexodrome-dict import` of an Anki package of 20,000 notes (collection.anki21b), from the
// package on disk to the written folder, against unpacking the same package (zip and zstd) and
// reading its notes' fields with SQLite alone.

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench_report.h"
#include "dict/read/apkg_collection.h"
#include "dict/read/apkg_notes.h"
#include "dict/read/apkg_package.h"
#include "dict/read/html_text.h"
#include "dict/write/dictionary_build.h"
#include "dict/write/folder_writer.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/text_file.h"
#include "word_maker.h"

namespace lexo::bench {
namespace {

constexpr size_t kNotes = 20'000;
constexpr int kRounds = 5;
constexpr size_t kRepetitions = 5;

void Check(bool holds) {
    if (!holds) std::abort();
}

// A collection as Anki writes one: notes with an HTML translation (a second line in a <div>,
// now and then a sound), each with a card in one deck.
void MakeCollection(const std::string& file) {
    const std::vector<std::string> words = MakeWords(2 * kNotes, 11);
    sqlite3* database = nullptr;
    Check(sqlite3_open(file.c_str(), &database) == SQLITE_OK);
    Check(sqlite3_exec(database,
                       "CREATE TABLE col (ver INTEGER, models TEXT, decks TEXT);"
                       "CREATE TABLE notes (id INTEGER PRIMARY KEY, guid TEXT, mid INTEGER, "
                       "mod INTEGER, usn INTEGER, tags TEXT, flds TEXT, sfld TEXT, csum INTEGER,"
                       " flags INTEGER, data TEXT);"
                       "CREATE TABLE cards (id INTEGER PRIMARY KEY, nid INTEGER, did INTEGER, "
                       "ord INTEGER);"
                       "CREATE INDEX ix_cards_nid ON cards (nid);"
                       "CREATE TABLE decks (id INTEGER PRIMARY KEY, name TEXT);"
                       "CREATE TABLE notetypes (id INTEGER PRIMARY KEY, name TEXT, config BLOB);"
                       "INSERT INTO col VALUES (18, '', '');"
                       "INSERT INTO decks VALUES (7, 'Words');"
                       "INSERT INTO notetypes VALUES (10, 'Basic', x'');"
                       "BEGIN;",
                       nullptr, nullptr, nullptr) == SQLITE_OK);
    sqlite3_stmt* note = nullptr;
    Check(sqlite3_prepare_v2(database,
                             "INSERT INTO notes VALUES (?1, 'g', 10, 0, 0, '', ?2, '', 0, 0, '');"
                             "",
                             -1, &note, nullptr) == SQLITE_OK);
    sqlite3_stmt* card = nullptr;
    Check(sqlite3_prepare_v2(database, "INSERT INTO cards VALUES (?1, ?1, 7, 0)", -1, &card,
                             nullptr) == SQLITE_OK);
    for (size_t i = 0; i < kNotes; ++i) {
        std::string fields = Cp1251ToUtf8(words[i]) + '\x1F' + Cp1251ToUtf8(words[kNotes + i]);
        if (i % 4 == 0) fields += "<div>" + Cp1251ToUtf8(words[(i * 7) % kNotes]) + "</div>";
        if (i % 5 == 0) fields += "[sound:word" + std::to_string(i) + ".mp3]";
        const auto id = static_cast<sqlite3_int64>(1'600'000'000'000 + i);
        sqlite3_bind_int64(note, 1, id);
        sqlite3_bind_text(note, 2, fields.data(), static_cast<int>(fields.size()),
                          SQLITE_TRANSIENT);
        Check(sqlite3_step(note) == SQLITE_DONE);
        sqlite3_reset(note);
        sqlite3_bind_int64(card, 1, id);
        Check(sqlite3_step(card) == SQLITE_DONE);
        sqlite3_reset(card);
    }
    sqlite3_finalize(note);
    sqlite3_finalize(card);
    Check(sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK);
    sqlite3_close(database);
}

void MakePackage(const std::string& collection, const std::string& package) {
    const std::string bytes = ReadWholeFile(collection);
    std::string packed(ZSTD_compressBound(bytes.size()), '\0');
    packed.resize(ZSTD_compress(packed.data(), packed.size(), bytes.data(), bytes.size(), 3));
    int error = 0;
    zip_t* archive = zip_open(package.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    Check(archive != nullptr);
    const std::string meta = "\x08\x03";
    zip_file_add(archive, "meta", zip_source_buffer(archive, meta.data(), meta.size(), 0), 0);
    // Anki stores the zstd-compressed collection as it is, without deflating it again.
    const zip_int64_t entry =
        zip_file_add(archive, "collection.anki21b",
                     zip_source_buffer(archive, packed.data(), packed.size(), 0), 0);
    Check(entry >= 0 && zip_set_file_compression(archive, static_cast<zip_uint64_t>(entry),
                                                 ZIP_CM_STORE, 0) == 0);
    Check(zip_close(archive) == 0);
}

void Import(const std::string& package, const std::string& out, const dict::Cp1251Folder& folder) {
    using namespace dict;
    Diagnostics found;
    const ParsedInput input =
        NotesInput(ReadAnkiCollection(UnpackCollectionFile(package).value()), {}, package, found);
    BuildOptions options;
    options.fallbackTitle = "bench";
    const DictionaryLines lines = BuildDictionary(input, options, package, folder, found);
    WriteFolder(out, DictionaryFolderFiles(lines), ExistingFolder::Replace);
    Check(found.Errors() == 0 && lines.names.size() > kNotes / 2);
}

// The package's collection unpacked in memory, and every note's fields stepped through with
// SQLite straight from those bytes.
void ReadWithSqlite(const std::string& package) {
    int error = 0;
    zip_t* archive = zip_open(package.c_str(), ZIP_RDONLY, &error);
    Check(archive != nullptr);
    zip_stat_t stat;
    Check(zip_stat(archive, "collection.anki21b", 0, &stat) == 0);
    std::string packed(stat.size, '\0');
    zip_file_t* entry = zip_fopen(archive, "collection.anki21b", 0);
    Check(entry != nullptr && zip_fread(entry, packed.data(), packed.size()) ==
                                  static_cast<zip_int64_t>(packed.size()));
    zip_fclose(entry);
    zip_discard(archive);
    const unsigned long long size = ZSTD_getFrameContentSize(packed.data(), packed.size());
    Check(size != ZSTD_CONTENTSIZE_UNKNOWN && size != ZSTD_CONTENTSIZE_ERROR);
    auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(size));
    Check(ZSTD_decompress(bytes, size, packed.data(), packed.size()) == size);

    sqlite3* database = nullptr;
    Check(sqlite3_open_v2(":memory:", &database, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK);
    Check(sqlite3_deserialize(database, "main", bytes, static_cast<sqlite3_int64>(size),
                              static_cast<sqlite3_int64>(size),
                              SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY) ==
          SQLITE_OK);
    sqlite3_stmt* notes = nullptr;
    Check(sqlite3_prepare_v2(database, "SELECT id, flds FROM notes ORDER BY id", -1, &notes,
                             nullptr) == SQLITE_OK);
    size_t read = 0;
    while (sqlite3_step(notes) == SQLITE_ROW) {
        KeepAlive(sqlite3_column_text(notes, 1));
        read += static_cast<size_t>(sqlite3_column_bytes(notes, 1));
    }
    sqlite3_finalize(notes);
    sqlite3_close(database);
    Check(read > kNotes);
}

}  // namespace
}  // namespace lexo::bench

int main() {
    using namespace lexo::bench;
    lexo::test::TempDir dir;
    const std::string collection = dir.File("collection.sqlite");
    const std::string package = dir.File("words.apkg");
    MakeCollection(collection);
    MakePackage(collection, package);
    const lexo::dict::Cp1251Folder folder(lexo::dict::FoldTarget::Unicode);
    const std::vector<double> least = LeastOfRounds(kRounds, std::chrono::milliseconds(200), [&] {
        return std::vector<double>{
            MedianSeconds(kRepetitions, [&] { Import(package, dir.File("words"), folder); }),
            MedianSeconds(kRepetitions, [&] { ReadWithSqlite(package); })};
    });
    PrintFigure({"apkg", least[0] * 1e3, least[1] * 1e3, "ms", 2});

    // Fields written to cost the most: every '<' without a '>' and every '&' without a ';',
    // against plain text of the same length. Reading each in one pass keeps them alike.
    std::string hostile(1'000'000, '<');
    hostile.append(1'000'000, '&');
    const std::string plain(hostile.size(), 'a');
    const std::vector<double> html = LeastOfRounds(kRounds, std::chrono::milliseconds(200), [&] {
        return std::vector<double>{
            MedianSeconds(kRepetitions, [&] { KeepAlive(lexo::dict::ReduceHtml(hostile).data()); }),
            MedianSeconds(kRepetitions, [&] { KeepAlive(lexo::dict::ReduceHtml(plain).data()); })};
    });
    PrintFigure({"apkg hostile html", html[0] * 1e3, html[1] * 1e3, "ms", 4});
    return 0;
}
