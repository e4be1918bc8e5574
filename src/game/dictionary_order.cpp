#include "game/dictionary_order.h"

#include <algorithm>
#include <tuple>

#include "text/unicode_text.h"

namespace lexo {
namespace {

// The language the classic folders, which name none, are written for.
constexpr std::string_view kClassicLanguage = "ru";

// "en-gb" translations serve a player who reads "en".
std::string_view PrimaryTag(std::string_view tag) { return tag.substr(0, tag.find('-')); }

bool ForPlayer(const ListedDictionary& dictionary, std::string_view language) {
    const std::string_view translations = dictionary.languages
                                              ? std::string_view(dictionary.languages->translations)
                                              : kClassicLanguage;
    return PrimaryTag(translations) == PrimaryTag(language);
}

}  // namespace

std::vector<ListedDictionary> PlayerOrder(std::vector<ListedDictionary> dictionaries,
                                          std::string_view language) {
    struct Keyed {
        bool other;
        std::string key;
        ListedDictionary dictionary;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(dictionaries.size());
    for (ListedDictionary& dictionary : dictionaries) {
        keyed.push_back(
            {!ForPlayer(dictionary, language), CaseFolded(dictionary.name), std::move(dictionary)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.other, a.key, a.dictionary.name) <
               std::tie(b.other, b.key, b.dictionary.name);
    });
    std::vector<ListedDictionary> ordered;
    ordered.reserve(keyed.size());
    for (Keyed& entry : keyed) ordered.push_back(std::move(entry.dictionary));
    return ordered;
}

}  // namespace lexo
