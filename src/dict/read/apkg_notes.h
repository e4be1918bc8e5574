#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dict/diagnostics/diagnostics.h"
#include "dict/read/apkg_collection.h"
#include "dict/read/import_formats.h"

namespace lexo::dict {

// Which notes import takes and which of their fields (from 1) are the word and the translation.
struct NoteChoice {
    size_t wordField = 1;
    size_t translationField = 2;
    std::optional<std::string> deck;  // "Spanish" takes "Spanish::Verbs" too
};

// "1,3": the word's and the translation's field; nothing unless two different numbers from 1.
std::optional<std::pair<size_t, size_t>> NoteFieldsNamed(std::string_view text);

// The notes' rows, each named by its note id where a row of text has its line number: fields
// reduced to text (line breaks and blocks become line ends, which separate alternatives),
// [sound:…] references and pictures dropped. Cloze notes are skipped with one warning; a deck
// named that the collection lacks is an error; several decks without one named are all taken,
// with a warning. The title is the name the decks taken have in common, its last part.
ParsedInput NotesInput(const AnkiCollection& collection, const NoteChoice& choice,
                       const std::string& file, Diagnostics& found);

}  // namespace lexo::dict
