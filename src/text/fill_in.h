#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace lexo {

// pattern with %1, %2, ... replaced by the values in order; other text, "%" included, is kept.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace lexo
