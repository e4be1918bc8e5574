#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lexo::bench {

// Dictionary-like words in CP1251: Russian and English syllables, 2 to 18 letters, now and then
// two words with a space between, the way a vocabulary list looks. `count` distinct words.
std::vector<std::string> MakeWords(size_t count, uint32_t seed);

// The words as a names.txt file: one a line, CR LF after each.
std::string DictionaryText(const std::vector<std::string>& words);

}  // namespace lexo::bench
