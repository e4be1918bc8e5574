#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexo::dict {

// Finds CP1251 words by their form lowered as the game lowers them, without keeping a lowered
// copy of each word: open addressing over the numbers of the words in a list the caller keeps.
// A word's hash is taken once and can be prefetched, so that the table's memory is on its way
// while the caller does other work; slots keep the whole hash, so a probe reads another word
// only when the hashes match.
class WordIndex {
  public:
    explicit WordIndex(size_t words);

    static uint64_t Hash(std::string_view word);
    void Prefetch(uint64_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }

    // The number of the word in `words` the same as `word` after lowering, or nothing after
    // taking `number` as the word's number.
    std::optional<size_t> FindOrAdd(const std::vector<std::string>& words, std::string_view word,
                                    uint64_t hash, size_t number);

  private:
    static constexpr size_t kEmpty = SIZE_MAX;

    struct Slot {
        size_t number = kEmpty;
        uint64_t hash = 0;
    };

    std::vector<Slot> slots_;
    size_t mask_;
};

}  // namespace lexo::dict
