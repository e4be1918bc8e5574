#include "dictionary_checks.h"

#include <algorithm>
#include <map>
#include <utility>

#include "text/cp1251.h"
#include "text/text_file.h"
#include "text/text_lines.h"

namespace lexo {
namespace {

// Words are drawn above a monster in a bold font of about 16 px; longer ones crowd the field.
constexpr size_t kMaxWordLength = 14;

// The description box is 177 x 121 px, word-wrapped, without scroll bars. In the widest
// sans font the game may use at 11 px, about 24 characters fill a row and 8 rows fit.
constexpr size_t kBoxColumns = 24;
constexpr size_t kBoxRows = 8;

std::string Where(const DictionaryFiles& dictionary, std::string_view file, size_t index) {
    return dictionary.folder + "/" + std::string(file) + " line " + std::to_string(index + 1);
}

std::string Quoted(std::string_view cp1251) { return "\"" + Cp1251ToUtf8(cp1251) + "\""; }

bool IsLatinLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsSmallLatinLetter(unsigned char c) { return c >= 'a' && c <= 'z'; }

// CP1251 А-Я and а-я (Ё and ё are bytes of their own, outside this range).
bool IsRussianLetter(unsigned char c) { return c >= 0xC0 || c == 0xA8 || c == 0xB8; }

bool IsSmallRussianLetter(unsigned char c) {
    return c >= 0xE0 || c == 0xB8;  // а ... я, ё
}

template <typename Allowed>
bool OnlyHolds(std::string_view text, Allowed allowed) {
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return allowed(static_cast<unsigned char>(c)); });
}

// Faults every entry can have, word or translation. Appends "<where> <quoted>: <fault>".
void CheckEntrySpacing(std::string_view entry, const std::string& where,
                       std::vector<std::string>& faults) {
    if (entry.empty()) {
        faults.push_back(where + ": empty entry");
        return;
    }
    std::string prefix = where + " " + Quoted(entry) + ": ";
    if (entry.front() == ' ' || entry.back() == ' ') {
        faults.push_back(prefix + "starts or ends with a space");
    }
    if (entry.find("   ") != std::string_view::npos) {
        faults.push_back(prefix + "has three spaces in a row");
    }
}

// True when the line is plainly UTF-8: it holds bytes above 0x7F and every one of them belongs
// to a well-formed UTF-8 sequence. CP1251 Russian text is never like that, because each small
// letter а-п (0xE0-0xEF) would need two bytes of 0x80-0xBF after it.
bool LooksLikeUtf8(std::string_view line) {
    bool high = false;
    for (size_t pos = 0; pos < line.size();) {
        auto lead = static_cast<unsigned char>(line[pos]);
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        high = true;
        size_t extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                       : lead >= 0xE0 && lead <= 0xEF ? 2
                       : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                      : 0;
        if (extra == 0 || pos + extra >= line.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(line[pos + k]) & 0xC0) != 0x80) return false;
        }
        pos += extra + 1;
    }
    return high;
}

void CheckFileEncoding(const std::string& folder, std::string_view file, std::string_view bytes,
                       std::vector<std::string>& faults) {
    std::string name = folder + "/" + std::string(file);
    if (bytes.find('\0') != std::string_view::npos) {
        faults.push_back(name + ": holds a NUL byte, and the game ignores everything after it");
    }
    size_t index = 0;
    bool reported = false;
    ForEachLine(bytes, LineEnds::AnyAndNulEnds, [&](std::string_view line) {
        if (!reported && LooksLikeUtf8(line)) {
            faults.push_back(name + " line " + std::to_string(index + 1) +
                             ": is UTF-8, not CP1251 (convert the file with iconv)");
            reported = true;
        }
        ++index;
    });
}

// Rows the line takes in the description box when wrapped at word boundaries.
size_t WrappedRows(std::string_view line, size_t columns) {
    size_t rows = 1;
    size_t used = 0;
    size_t pos = 0;
    while (pos < line.size()) {
        size_t end = std::min(line.find(' ', pos), line.size());
        size_t word = end - pos;
        size_t needed = used == 0 ? word : used + 1 + word;
        if (needed > columns && used > 0) {
            ++rows;
            needed = word;
        }
        for (; needed > columns; needed -= columns) ++rows;
        used = needed;
        pos = end + 1;
    }
    return rows;
}

}  // namespace

DictionaryFiles MakeDictionaryFiles(std::string folder, std::string about, std::string names,
                                    std::string names2) {
    DictionaryFiles dictionary;
    dictionary.folder = std::move(folder);
    dictionary.aboutBytes = std::move(about);
    dictionary.namesBytes = std::move(names);
    dictionary.names2Bytes = std::move(names2);
    dictionary.about.SetText(dictionary.aboutBytes);
    dictionary.names.SetText(dictionary.namesBytes);
    dictionary.names2.SetText(dictionary.names2Bytes);
    return dictionary;
}

DictionaryFiles ReadDictionaryFiles(const std::filesystem::path& folder) {
    return MakeDictionaryFiles(folder.filename().string(),
                               ReadWholeFile((folder / "about.txt").string()),
                               ReadWholeFile((folder / "names.txt").string()),
                               ReadWholeFile((folder / "names2.txt").string()));
}

std::vector<std::filesystem::path> FindDictionaryFolders(const std::filesystem::path& gameDir) {
    std::vector<std::filesystem::path> folders;
    for (const auto& entry : std::filesystem::directory_iterator(gameDir)) {
        if (!entry.is_directory()) continue;
        const auto& path = entry.path();
        if (std::filesystem::is_regular_file(path / "about.txt") &&
            std::filesystem::is_regular_file(path / "names.txt") &&
            std::filesystem::is_regular_file(path / "names2.txt")) {
            folders.push_back(path);
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::vector<std::string> CheckLineCounts(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    size_t words = dictionary.names.Count();
    size_t translations = dictionary.names2.Count();
    if (words == 0) faults.push_back(dictionary.folder + "/names.txt: holds no words");
    if (translations != words) {
        faults.push_back(dictionary.folder + "/names2.txt: has " + std::to_string(translations) +
                         " lines, names.txt has " + std::to_string(words) +
                         "; line i of names2.txt must translate line i of names.txt");
    }
    return faults;
}

std::vector<std::string> CheckWords(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    std::map<std::string_view, size_t> firstLine;
    for (size_t i = 0; i < dictionary.names.Count(); ++i) {
        std::string_view word = dictionary.names[i];
        std::string where = Where(dictionary, "names.txt", i);
        CheckEntrySpacing(word, where, faults);
        std::string prefix = where + " " + Quoted(word) + ": ";
        if (word.size() > kMaxWordLength) {
            faults.push_back(prefix + "is longer than " + std::to_string(kMaxWordLength) +
                             " characters");
        }
        // A word in one alphabet: a Latin "o" in a Russian word cannot be typed on one layout.
        auto punctuation = [](unsigned char c) { return c == ' ' || c == '-' || c == '\''; };
        if (!OnlyHolds(word, [&](unsigned char c) { return IsLatinLetter(c) || punctuation(c); }) &&
            !OnlyHolds(word,
                       [&](unsigned char c) { return IsRussianLetter(c) || punctuation(c); })) {
            faults.push_back(prefix +
                             "holds a character other than letters of one alphabet (Latin or "
                             "Russian), a space, a hyphen or an apostrophe");
        }
        auto [first, added] = firstLine.emplace(word, i);
        if (!added) {
            faults.push_back(prefix + "repeats line " + std::to_string(first->second + 1));
        }
    }
    return faults;
}

std::vector<std::string> CheckTranslations(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    size_t used = std::min(dictionary.names.Count(), dictionary.names2.Count());
    for (size_t i = 0; i < used; ++i) {
        std::string_view translation = dictionary.names2[i];
        std::string where = Where(dictionary, "names2.txt", i);
        CheckEntrySpacing(translation, where, faults);
        std::string prefix = where + " " + Quoted(translation) + ": ";
        if (!OnlyHolds(
                translation,
                [](unsigned char c) { return IsSmallRussianLetter(c) || c == ' ' || c == '-'; }) &&
            !OnlyHolds(translation, [](unsigned char c) {
                return IsSmallLatinLetter(c) || c == ' ' || c == '-' || c == '\'';
            })) {
            faults.push_back(prefix +
                             "holds a character other than small letters of one alphabet "
                             "(Russian, or Latin with the apostrophe), a space or a hyphen");
        }
    }
    return faults;
}

std::vector<std::string> CheckEncoding(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    CheckFileEncoding(dictionary.folder, "about.txt", dictionary.aboutBytes, faults);
    CheckFileEncoding(dictionary.folder, "names.txt", dictionary.namesBytes, faults);
    CheckFileEncoding(dictionary.folder, "names2.txt", dictionary.names2Bytes, faults);
    return faults;
}

std::vector<std::string> CheckAbout(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    std::string name = dictionary.folder + "/about.txt";
    if (dictionary.about.Empty() || dictionary.about[0].empty()) {
        faults.push_back(name + " line 1: the title is empty");
        return faults;
    }
    std::string_view title = dictionary.about[0];
    if (title.size() > kBoxColumns) {
        faults.push_back(name + " line 1 " + Quoted(title) + ": longer than " +
                         std::to_string(kBoxColumns) +
                         " characters, so the dialog would split the title");
    }
    size_t rows = 0;
    for (size_t i = 1; i < dictionary.about.Count(); ++i) {
        rows += WrappedRows(dictionary.about[i], kBoxColumns);
    }
    if (rows > kBoxRows) {
        faults.push_back(name + ": the description needs about " + std::to_string(rows) +
                         " rows, the box shows " + std::to_string(kBoxRows));
    }
    return faults;
}

size_t CountAlternatives(std::string_view translation) {
    size_t count = 0;
    for (size_t pos = 0; pos <= translation.size();) {
        size_t end = std::min(translation.find("  ", pos), translation.size());
        if (end > pos) ++count;
        pos = end + 2;
    }
    return count;
}

}  // namespace lexo
