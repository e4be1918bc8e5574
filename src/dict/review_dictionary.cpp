#include "dict/review_dictionary.h"

#include <map>
#include <string>
#include <unordered_map>

#include "dict/check/dictionary_check.h"
#include "text/cp1251.h"
#include "text/dictionary_text.h"
#include "text/unicode_text.h"

namespace lexo::dict {
namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The text for one line of a dictionary file. The game's own words never hold a control
// character, but a history edited by hand may ("\n" in JSON): a line end inside a word would
// part names.txt from names2.txt, so every control character becomes a space. Text that is not
// UTF-8 becomes U+FFFD, as the game would show it.
std::string LineText(std::string_view utf8) {
    std::string text = Utf8WithInvalidReplaced(utf8);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return text;
}

// Rows of the dialog's description box left to the sources beside the other two lines.
constexpr size_t kSourceRows = 5;
constexpr size_t kNameCharacters = 24;

std::string MoreLine(size_t more) {
    return more == 0 ? "." : " и ещё " + std::to_string(more) + ".";
}

// "Из словарей: english-basics (8), animals (4).", the most used first, as many as the
// dialog shows without scrolling, then how many more.
std::string SourcesLine(const std::map<std::string, size_t>& perDictionary) {
    std::vector<std::pair<std::string, size_t>> sources(perDictionary.begin(), perDictionary.end());
    std::stable_sort(sources.begin(), sources.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string line = sources.size() == 1 ? "Из словаря: " : "Из словарей: ";
    for (size_t i = 0; i < sources.size(); ++i) {
        std::string name = LineText(sources[i].first);
        if (CharacterCount(name) > kNameCharacters)
            name = std::string(FirstCharacters(name, kNameCharacters - 1)) + "…";
        const std::string next =
            line + (i > 0 ? ", " : "") + name + " (" + std::to_string(sources[i].second) + ")";
        if (i > 0 && DescriptionRows(next + MoreLine(sources.size() - i - 1)) > kSourceRows)
            return line + MoreLine(sources.size() - i);
        line = next;
    }
    return line + ".";
}

}  // namespace

ReviewLines ReviewDictionaryUtf8(const std::vector<ReviewWord>& words) {
    ReviewLines review;
    DictionaryLines& lines = review.lines;
    std::unordered_map<std::string, size_t> lineOfWord;  // lowered word -> line
    std::map<std::string, size_t> perDictionary;
    for (const ReviewWord& word : words) {
        const std::string text = LineText(word.word);
        if (IsBlank(text)) continue;
        ++perDictionary[word.dictionary];
        const auto [known, added] = lineOfWord.try_emplace(CaseFolded(text), lines.names.size());
        if (added) {
            lines.names.push_back(text);
            lines.names2.emplace_back();
            review.sources.emplace_back();
        }
        review.sources[known->second].push_back({word.dictionary, word.word});
        std::string& translation = lines.names2[known->second];
        ForEachAlternative(LineText(word.translation), [&](std::string_view alternative) {
            AddAlternative(translation, alternative);
        });
    }
    lines.about = {"Повторение", "Пропущенные слова прошлых игр.", SourcesLine(perDictionary),
                   Cp1251ToUtf8(WordCountLine(lines.names.size()))};
    return review;
}

DictionaryLines ReviewDictionary(const std::vector<ReviewWord>& words) {
    DictionaryLines lines = ReviewDictionaryUtf8(words).lines;
    ChooseFolderEncoding(lines);
    return lines;
}

}  // namespace lexo::dict
