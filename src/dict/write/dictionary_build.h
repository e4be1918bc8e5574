#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dict/diagnostics/diagnostics.h"
#include "dict/read/import_formats.h"
#include "dict/write/folder_writer.h"
#include "text/alternatives.h"
#include "text/cp1251_fold.h"
#include "text/dictionary_languages.h"

namespace lexo::dict {

// The lines of a dictionary's three files, without line ends: CP1251, or UTF-8 when a
// character CP1251 lacks is kept.
struct DictionaryLines {
    std::vector<std::string> about;
    std::vector<std::string> names;
    std::vector<std::string> names2;
    std::array<FileEnd, 3> files;  // about.txt, names.txt, names2.txt: CR LF unless exported
    bool utf8 = false;
    std::optional<DictionaryLanguages> languages;  // written to languages.txt when known
};

// Turns UTF-8 lines into the form written for the game: CP1251 when it holds every character,
// so the classic readers take the folder too; UTF-8 otherwise.
void ChooseFolderEncoding(DictionaryLines& lines);

struct BuildOptions {
    // The title when no --title and no Anki deck name gives one: the input's file name.
    std::string fallbackTitle;
    std::optional<std::string> title;
    std::optional<std::string> about;  // line ends in it start new lines
    bool swap = false;
};

// Adds an alternative to ones joined by two spaces, unless it is empty or already there.
void AddAlternative(std::string& joined, std::string_view alternative);

// The three files as the game reads them, each line ended as `lines.files` says, and
// languages.txt when the languages are known.
std::vector<FolderFile> DictionaryFolderFiles(const DictionaryLines& lines);

// The lines of names.txt that hold a word (an export's empty lines come back as they were).
size_t WordsIn(const DictionaryLines& lines);

// The description line import ends about.txt with, CP1251: "Слов: 40."
std::string WordCountLine(size_t words);

// An export's rows and description lines as they stand, the files' lines ended as they were;
// only a character CP1251 lacks (an edit since) is converted as any row's is.
DictionaryLines BuildExactly(const ParsedInput& input, const BuildOptions& options,
                             const std::string& file, const Cp1251Folder& folder,
                             Diagnostics& found);

// Cleans and converts every row (word; translations split at , ; | / and line ends, joined by
// two spaces), merges rows whose words are the same after lowering, and makes about.txt's
// lines, in the folder's encoding (with FoldTarget::Unicode, as ChooseFolderEncoding chooses).
// Changes and refusals go to `found`, named by `file` and the row's line. The languages are
// the input's #languages: line, when it names two.
DictionaryLines BuildDictionary(const ParsedInput& input, const BuildOptions& options,
                                const std::string& file, const Cp1251Folder& folder,
                                Diagnostics& found);

}  // namespace lexo::dict
