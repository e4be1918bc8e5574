#pragma once

#include <string>
#include <vector>

#include "history/review_schedule.h"
#include "records/memory_dictionary.h"

namespace lexo {

// The name the history gives a review game; its words keep their own dictionaries' names.
inline constexpr const char* kReviewName = "Повторение";

// The texts of the review's description, in the language of the code; the windows give their
// translations in its place. %1 stands for a number or a list.
struct ReviewTexts {
    // The review's entry in the dialog and the title of its description.
    std::string name = kReviewName;
    std::string description = "Слова, которые вы вот-вот забудете.";
    std::string wordCount = "Слов: %1.";
    std::string fromDictionary = "Из словаря: %1.";
    std::string fromDictionaries = "Из словарей: %1.";
    // After as many dictionaries as the box shows: how many more.
    std::string andMore = "%1 и ещё %2";
};

// The scheduled words as one dictionary, in their order, UTF-8. A word that two dictionaries
// share (the same after lowering) is one word with the translations of both, its sources the
// history's words it stands for; blank words are left out. The name is left empty.
MemoryDictionary ReviewDictionary(const std::vector<ReviewWord>& words);

// The review's about.txt lines: the name as title, what the review is, from which dictionaries
// (the most used first, as many as the dialog's box shows without scrolling), how many words.
std::vector<std::string> ReviewAbout(const MemoryDictionary& review, const ReviewTexts& texts = {});

}  // namespace lexo
