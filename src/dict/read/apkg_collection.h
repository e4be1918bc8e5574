#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dict/read/apkg_package.h"

namespace lexo::dict {

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

// Reads the collection (the bytes of its SQLite file) read-only from a private temporary copy,
// the legacy layout (decks and note types as JSON in `col`) and the newer one (their own tables)
// alike. A damaged file or a layout not known here throws PackageError, and so does a collection
// whose text read comes to more than `limit` (a small file may compute large values); the copy
// is gone when this returns or throws.
AnkiCollection ReadAnkiCollection(std::string_view sqlite, size_t limit = kCollectionLimit);

}  // namespace lexo::dict
