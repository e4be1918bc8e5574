#pragma once

#include <cstddef>

namespace lexo::dict {

// The most any file the toolkit reads may hold: far above the largest word list or history, far
// below what would exhaust the memory.
inline constexpr size_t kFileLimit = size_t{256} << 20;

}  // namespace lexo::dict
