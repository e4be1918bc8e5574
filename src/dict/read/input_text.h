#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lexo::dict {

// The text of an input file as UTF-8 without a byte-order mark, or where it stops being text.
struct DecodedInput {
    std::string utf8;
    // Set when the bytes are neither UTF-8 (with or without BOM) nor UTF-16 with a BOM.
    std::optional<size_t> badOffset;
    std::string problem;
};

// Accepts UTF-8 with or without a BOM and UTF-16 (LE or BE) with a BOM; a NUL byte in UTF-8
// counts as not text, since no word list holds one.
DecodedInput DecodeInput(std::string_view bytes);

// The line (from 1) that holds the byte at `offset`, lines ending at CR LF, LF or CR.
size_t LineAtOffset(std::string_view text, size_t offset);

}  // namespace lexo::dict
