#include "text/alternatives.h"

namespace lexo {

bool HoldsAlternative(std::string_view joined, std::string_view alternative) {
    bool holds = false;
    ForEachAlternative(joined, [&](std::string_view known) { holds |= known == alternative; });
    return holds;
}

void AddAlternative(std::string& joined, std::string_view alternative) {
    if (alternative.empty() || HoldsAlternative(joined, alternative)) return;
    if (!joined.empty()) joined += kAlternativeSeparator;
    joined += alternative;
}

}  // namespace lexo
