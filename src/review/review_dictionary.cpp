#include "review/review_dictionary.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>

#include "text/alternatives.h"
#include "text/description_rows.h"
#include "text/dictionary_text.h"
#include "text/fill_in.h"
#include "text/unicode_text.h"

namespace lexo {
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

// Rows of the description box left to the sources beside the other lines.
constexpr size_t kSourceRows = 5;

// "Из словарей: english-basics (8), animals (4).", the most used first, as many as fit in
// kSourceRows, then how many more.
std::string SourcesLine(const std::map<std::string, size_t>& perDictionary,
                        const ReviewTexts& texts) {
    std::vector<std::pair<std::string, size_t>> sources(perDictionary.begin(), perDictionary.end());
    std::stable_sort(sources.begin(), sources.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    const std::string& pattern =
        sources.size() == 1 ? texts.fromDictionary : texts.fromDictionaries;
    auto line = [&](const std::string& list, size_t more) {
        return FillIn(pattern,
                      {more == 0 ? list : FillIn(texts.andMore, {list, std::to_string(more)})});
    };
    std::string list;
    for (size_t i = 0; i < sources.size(); ++i) {
        std::string name = LineText(sources[i].first);
        if (CharacterCount(name) > kDescriptionColumns)
            name = std::string(FirstCharacters(name, kDescriptionColumns - 1)) + "…";
        const std::string next =
            list + (i > 0 ? ", " : "") + name + " (" + std::to_string(sources[i].second) + ")";
        if (i > 0 && DescriptionRows(line(next, sources.size() - i - 1)) > kSourceRows)
            return line(list, sources.size() - i);
        list = next;
    }
    return line(list, 0);
}

}  // namespace

MemoryDictionary ReviewDictionary(const std::vector<ReviewWord>& words) {
    MemoryDictionary review;
    std::unordered_map<std::string, size_t> lineOfWord;  // lowered word -> line
    for (const ReviewWord& word : words) {
        const std::string text = LineText(word.word);
        if (IsBlank(text)) continue;
        const auto [known, added] = lineOfWord.try_emplace(CaseFolded(text), review.words.size());
        if (added) {
            review.words.push_back(text);
            review.translations.emplace_back();
        }
        review.sources[review.words[known->second]].push_back({word.dictionary, word.word});
        std::string& translation = review.translations[known->second];
        ForEachAlternative(LineText(word.translation), [&](std::string_view alternative) {
            AddAlternative(translation, alternative);
        });
    }
    return review;
}

std::vector<std::string> ReviewAbout(const MemoryDictionary& review, const ReviewTexts& texts) {
    std::map<std::string, size_t> perDictionary;
    for (const auto& [word, sources] : review.sources) {
        for (const WordSource& source : sources) ++perDictionary[source.dictionary];
    }
    return {texts.name, texts.description, SourcesLine(perDictionary, texts),
            FillIn(texts.wordCount, {std::to_string(review.words.size())})};
}

}  // namespace lexo
