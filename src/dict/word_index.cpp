#include "dict/word_index.h"

#include <algorithm>
#include <array>
#include <bit>

#include "text/cp1251.h"

namespace lexo::dict {
namespace {

// Cp1251ToLower of every byte, and "ё" as "е", as the game compares answers; looked up rather
// than called for each byte of each word.
// "ё" and "е" in CP1251.
constexpr char kSmallYo = '\xB8';
constexpr char kSmallYe = '\xE5';

const std::array<uint8_t, 256>& Lower() {
    static const std::array<uint8_t, 256> lower = [] {
        std::array<uint8_t, 256> table{};
        for (size_t byte = 0; byte < table.size(); ++byte) {
            const char lowered = Cp1251ToLower(static_cast<char>(byte));
            table[byte] = static_cast<uint8_t>(lowered == kSmallYo ? kSmallYe : lowered);
        }
        return table;
    }();
    return lower;
}

bool SameLowered(std::string_view a, std::string_view b) {
    const auto& lower = Lower();
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower[static_cast<uint8_t>(x)] == lower[static_cast<uint8_t>(y)];
           });
}

}  // namespace

WordIndex::WordIndex(size_t words)
    : slots_(std::bit_ceil(2 * words + 2)), mask_(slots_.size() - 1) {}

uint64_t WordIndex::Hash(std::string_view word) {
    const auto& lower = Lower();
    uint64_t hash = 14695981039346656037ull;
    for (char c : word) hash = (hash ^ lower[static_cast<uint8_t>(c)]) * 1099511628211ull;
    return hash ^ (hash >> 29);
}

std::optional<size_t> WordIndex::FindOrAdd(const std::vector<std::string>& words,
                                           std::string_view word, uint64_t hash, size_t number) {
    for (size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
        Slot& at = slots_[slot];
        if (at.number == kEmpty) {
            at = {number, hash};
            return std::nullopt;
        }
        if (at.hash == hash && SameLowered(words[at.number], word)) return at.number;
    }
}

}  // namespace lexo::dict
