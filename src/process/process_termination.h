#pragma once

#include <cstdint>
#include <string>

namespace lexo {

// Whether a process's executable name matches exeName: its file-name part (after the last '/',
// '\\' or ':') or failing that the whole name, with only a-z folded to capitals.
bool ProcessNameMatches(const std::string& processName, const std::string& exeName);

// Terminates the processes whose executable is named exeName, in ascending pid order. Returns
// nonzero when the last termination attempted succeeded, 0 when it failed or nothing matched.
// Another user's process counts as a failed termination and is never signalled.
int32_t TerminateProcessesByName(const std::string& exeName);

}  // namespace lexo
