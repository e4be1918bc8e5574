#include "dict/read/apkg_collection.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "dict/diagnostics/held_signals.h"
#include "dict/read/apkg_package.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

// The note-type kind of a cloze deletion, in the legacy JSON and in the newer settings alike.
constexpr int64_t kClozeKind = 1;
constexpr int kLegacySchema = 11;
constexpr int kFirstTableSchema = 15;
constexpr int kNewestSchema = 18;

struct SqliteClose {
    void operator()(sqlite3* database) const { sqlite3_close(database); }
};
struct SqliteFinalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// A collection written to a private folder of its own under the temporary directory, so that
// SQLite never touches the player's file nor leaves a journal beside it; the folder goes with
// Remove or the destructor, whatever ended the import.
class TemporaryCollection {
  public:
    explicit TemporaryCollection(std::string_view sqlite);
    ~TemporaryCollection() { Remove(); }
    TemporaryCollection(const TemporaryCollection&) = delete;
    TemporaryCollection& operator=(const TemporaryCollection&) = delete;

    const fs::path& Path() const { return file_; }
    void Remove() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        held_.reset();
    }

  private:
    // From the folder's making to its removal, so that an interruption cannot leave it.
    std::optional<HeldSignals> held_{std::in_place};
    fs::path folder_;
    fs::path file_;
};

// The path as an SQLite URI, so that the file can be opened as immutable: no lock, no journal,
// no write-ahead log looked for beside it.
std::string ImmutableUri(const fs::path& file) {
    std::string uri = "file:";
    for (const char c : file.string()) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '.' || c == '-' || c == '_';
        if (plain) {
            uri += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        }
    }
    return uri + "?immutable=1";
}

class Database {
  public:
    Database(const fs::path& file, size_t limit) : limit_(limit) {
        sqlite3* opened = nullptr;
        const int status =
            sqlite3_open_v2(ImmutableUri(file).c_str(), &opened,
                            SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
        database_.reset(opened);
        if (status != SQLITE_OK) Fail();
        sqlite3_db_config(opened, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(opened, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        // A value computed as it is read (a generated column, a view) is bounded like the file.
        sqlite3_limit(opened, SQLITE_LIMIT_LENGTH,
                      static_cast<int>(std::min<size_t>(limit, std::numeric_limits<int>::max())));
        Each("PRAGMA cell_size_check = ON", [](sqlite3_stmt*) {});
        // The private copy is read through a mapping of the whole file, not a read per page.
        Each(("PRAGMA mmap_size = " + std::to_string(kCollectionLimit)).c_str(),
             [](sqlite3_stmt*) {});
    }

    // The text of a column, counted against the limit on all the text read.
    std::string Text(sqlite3_stmt* row, int column) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
        const auto size = static_cast<size_t>(sqlite3_column_bytes(row, column));
        read_ += size;
        if (read_ > limit_) throw TooMuch();
        return text == nullptr ? std::string() : std::string(text, size);
    }

    // Runs the query, calling onRow for each row; an error throws.
    template <typename OnRow>
    void Each(const char* query, OnRow&& onRow) {
        sqlite3_stmt* prepared = nullptr;
        if (sqlite3_prepare_v2(database_.get(), query, -1, &prepared, nullptr) != SQLITE_OK) Fail();
        const std::unique_ptr<sqlite3_stmt, SqliteFinalize> statement(prepared);
        int status = SQLITE_ROW;
        while ((status = sqlite3_step(prepared)) == SQLITE_ROW) onRow(prepared);
        if (status != SQLITE_DONE) Fail();
    }

  private:
    PackageError TooMuch() const {
        return PackageError("the collection's notes come to more than the " + SizeText(limit_) +
                            " a collection may hold");
    }

    [[noreturn]] void Fail() const {
        if (database_ && sqlite3_errcode(database_.get()) == SQLITE_TOOBIG) throw TooMuch();
        throw PackageError(std::string("the collection cannot be read: ") +
                           (database_ ? sqlite3_errmsg(database_.get()) : "out of memory"));
    }

    size_t limit_;
    size_t read_ = 0;
    std::unique_ptr<sqlite3, SqliteClose> database_;
};

// The collection's schema version, after checking that the tables read here are tables.
int64_t SchemaOf(Database& database) {
    std::set<std::string> tables;
    database.Each("SELECT name FROM sqlite_master WHERE type = 'table'",
                  [&](sqlite3_stmt* row) { tables.insert(database.Text(row, 0)); });
    for (const char* needed : {"col", "notes", "cards"}) {
        if (!tables.contains(needed))
            throw PackageError(std::string("a collection without the table \"") + needed +
                               "\": not one Anki wrote");
    }
    int64_t version = 0;
    database.Each("SELECT ver FROM col LIMIT 1",
                  [&](sqlite3_stmt* row) { version = sqlite3_column_int64(row, 0); });
    const bool known =
        version == kLegacySchema || (version >= kFirstTableSchema && version <= kNewestSchema &&
                                     tables.contains("decks") && tables.contains("notetypes"));
    if (!known)
        throw PackageError("a collection of schema version " + std::to_string(version) +
                           ", which this importer does not know");
    return version;
}

std::optional<int64_t> IdOf(std::string_view key) {
    int64_t id = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), id);
    if (error != std::errc() || end != key.data() + key.size()) return std::nullopt;
    return id;
}

// Decks and note types as the legacy layout keeps them: JSON objects by id in `col`.
void ReadLegacyLists(Database& database, AnkiCollection& collection) {
    database.Each("SELECT decks, models FROM col LIMIT 1", [&](sqlite3_stmt* row) {
        const auto decks = nlohmann::json::parse(database.Text(row, 0), nullptr, false);
        const auto types = nlohmann::json::parse(database.Text(row, 1), nullptr, false);
        if (!decks.is_object() || !types.is_object())
            throw PackageError(
                "the collection's decks or note types are not JSON as Anki "
                "writes them");
        for (const auto& [key, deck] : decks.items()) {
            const std::optional<int64_t> id = IdOf(key);
            if (id && deck.is_object() && deck.contains("name") && deck["name"].is_string())
                collection.decks[*id] = deck["name"].get<std::string>();
        }
        for (const auto& [key, type] : types.items()) {
            const std::optional<int64_t> id = IdOf(key);
            if (id && type.is_object() && type.contains("type") &&
                type["type"].is_number_integer() && type["type"].get<int64_t>() == kClozeKind)
                collection.clozeTypes.insert(*id);
        }
    });
}

// Decks and note types in their own tables: nested deck names joined by U+001F, a note type's
// kind the first field of its settings message.
void ReadTableLists(Database& database, AnkiCollection& collection) {
    database.Each("SELECT id, name FROM decks", [&](sqlite3_stmt* row) {
        std::string name;
        for (const char c : database.Text(row, 1)) {
            if (c == '\x1F')
                name += "::";
            else
                name += c;
        }
        collection.decks[sqlite3_column_int64(row, 0)] = std::move(name);
    });
    database.Each("SELECT id, config FROM notetypes", [&](sqlite3_stmt* row) {
        const auto* config = static_cast<const char*>(sqlite3_column_blob(row, 1));
        const std::string_view settings(config == nullptr ? "" : config,
                                        static_cast<size_t>(sqlite3_column_bytes(row, 1)));
        if (ProtobufVarint(settings, 1) == static_cast<uint64_t>(kClozeKind))
            collection.clozeTypes.insert(sqlite3_column_int64(row, 0));
    });
}

TemporaryCollection::TemporaryCollection(std::string_view sqlite) {
    std::string pattern = (fs::temp_directory_path() / "lexodrome-apkg-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw fs::filesystem_error("cannot make a private temporary folder", pattern,
                                   std::error_code(errno, std::generic_category()));
    folder_ = pattern;
    file_ = folder_ / "collection";
    std::ofstream out(file_, std::ios::binary);
    out.write(sqlite.data(), static_cast<std::streamsize>(sqlite.size()));
    out.close();
    if (!out) {
        const std::error_code reason(errno, std::generic_category());
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        throw fs::filesystem_error("cannot write the collection's temporary copy", file_, reason);
    }
}

}  // namespace

AnkiCollection ReadAnkiCollection(std::string_view sqlite, size_t limit) {
    TemporaryCollection copy(sqlite);
    Database database(copy.Path(), limit);
    // SQLite holds the file open from here on: its name goes at once, so that even an import
    // interrupted while it reads leaves no copy behind.
    copy.Remove();
    AnkiCollection collection;
    if (SchemaOf(database) == kLegacySchema) {
        ReadLegacyLists(database, collection);
    } else {
        ReadTableLists(database, collection);
    }
    // Each note's deck is that of its first card.
    std::unordered_map<int64_t, std::pair<int64_t, int64_t>> firstCards;  // note: ord, deck
    database.Each("SELECT nid, ord, did FROM cards", [&](sqlite3_stmt* row) {
        const int64_t ord = sqlite3_column_int64(row, 1);
        const auto [card, added] =
            firstCards.try_emplace(sqlite3_column_int64(row, 0), ord, sqlite3_column_int64(row, 2));
        if (!added && ord < card->second.first) card->second = {ord, sqlite3_column_int64(row, 2)};
    });
    database.Each("SELECT id, mid, flds FROM notes ORDER BY id", [&](sqlite3_stmt* row) {
        AnkiNote& note = collection.notes.emplace_back();
        note.id = sqlite3_column_int64(row, 0);
        note.notetype = sqlite3_column_int64(row, 1);
        note.fields = database.Text(row, 2);
        const auto card = firstCards.find(note.id);
        if (card != firstCards.end()) note.deck = card->second.second;
    });
    return collection;
}

}  // namespace lexo::dict
