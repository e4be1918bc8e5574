#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lexo::dict {

// A collection written to a private folder of its own under the temporary directory, so that
// SQLite never touches the player's file nor leaves a journal beside it; the destructor
// removes the folder, whatever ended the import.
class TemporaryCollection {
  public:
    explicit TemporaryCollection(std::string_view sqlite);
    ~TemporaryCollection();
    TemporaryCollection(const TemporaryCollection&) = delete;
    TemporaryCollection& operator=(const TemporaryCollection&) = delete;

    const std::filesystem::path& Path() const { return file_; }

  private:
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

struct AnkiNote {
    int64_t id = 0;
    int64_t notetype = 0;
    int64_t deck = 0;    // the deck of its first card; 0 when it has none
    std::string fields;  // HTML, fields separated by U+001F
};

// What import takes from a collection: its notes in the order they were added, the names of
// its decks ("Spanish::Verbs") and the note types that are cloze deletions.
struct AnkiCollection {
    std::vector<AnkiNote> notes;
    std::map<int64_t, std::string> decks;
    std::set<int64_t> clozeTypes;
};

// Reads the collection read-only, the legacy layout (decks and note types as JSON in `col`)
// and the newer one (their own tables) alike. A damaged file or a layout not known here throws
// PackageError.
AnkiCollection ReadAnkiCollection(const std::filesystem::path& file);

}  // namespace lexo::dict
