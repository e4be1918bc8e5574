#include "dict/review_folder.h"

#include "review/review_dictionary.h"

namespace lexo::dict {

DictionaryLines ReviewFolderLines(const std::vector<ReviewWord>& words) {
    MemoryDictionary review = ReviewDictionary(words);
    DictionaryLines lines;
    lines.about = ReviewAbout(review);
    lines.names = std::move(review.words);
    lines.names2 = std::move(review.translations);
    ChooseFolderEncoding(lines);
    return lines;
}

}  // namespace lexo::dict
