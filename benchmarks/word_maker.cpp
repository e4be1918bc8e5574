#include "word_maker.h"

#include <array>
#include <random>
#include <string_view>
#include <unordered_set>

#include "text/cp1251.h"

namespace lexo::bench {
namespace {

// UTF-8 here for reading; converted to CP1251 once.
constexpr std::array<std::string_view, 24> kRussianSyllables = {
    "ко", "ро", "ва", "ма", "ли", "не", "по", "ст", "ра", "до", "жи", "ть",
    "ка", "ше", "зо", "лу", "ни", "гр", "бе", "мо", "чи", "ду", "ся", "ёж"};
constexpr std::array<std::string_view, 24> kEnglishSyllables = {
    "ta",  "ble", "win", "dow", "gar", "den", "moth", "er", "tra", "vel", "in", "str",
    "ing", "ea",  "ch",  "ou",  "se",  "pl",  "an",   "et", "ry",  "com", "pu", "te"};

std::string Word(std::mt19937& random, const std::vector<std::string>& syllables) {
    // Mostly 2 ... 4 syllables, a few longer ones.
    static std::discrete_distribution<int> parts({0, 6, 30, 34, 18, 8, 3, 1});
    std::string word;
    for (int n = parts(random); n > 0; --n) {
        word += syllables[std::uniform_int_distribution<size_t>(0, syllables.size() - 1)(random)];
    }
    return word;
}

std::vector<std::string> Cp1251Syllables(const auto& utf8) {
    std::vector<std::string> syllables;
    for (std::string_view s : utf8) syllables.push_back(Utf8ToCp1251(s));
    return syllables;
}

}  // namespace

std::vector<std::string> MakeWords(size_t count, uint32_t seed) {
    const std::vector<std::string> russian = Cp1251Syllables(kRussianSyllables);
    const std::vector<std::string> english = Cp1251Syllables(kEnglishSyllables);
    std::mt19937 random(seed);
    std::unordered_set<std::string> seen;
    std::vector<std::string> words;
    words.reserve(count);
    while (words.size() < count) {
        const auto& syllables = random() % 2 == 0 ? russian : english;
        std::string word = Word(random, syllables);
        if (random() % 10 == 0) {
            word += ' ';
            word += Word(random, syllables);
        }
        if (seen.insert(word).second) words.push_back(std::move(word));
    }
    return words;
}

std::string DictionaryText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += word;
        text += "\r\n";
    }
    return text;
}

}  // namespace lexo::bench
