#pragma once

#include <string>
#include <vector>

namespace lexo::dict {

// Exit codes of lexodrome-dict.
inline constexpr int kSuccess = 0;       // warnings allowed
inline constexpr int kInputErrors = 1;   // the input has errors
inline constexpr int kUsageOrFiles = 2;  // usage, or the file system failed

// Each takes the arguments after its subcommand's name.
int RunImport(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);

}  // namespace lexo::dict
