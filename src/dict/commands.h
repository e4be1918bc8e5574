#pragma once

#include <string>
#include <vector>

#include "dict/diagnostics/exit_status.h"

namespace lexo::dict {

// Each takes the arguments after its subcommand's name.
int RunImport(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunReview(const std::vector<std::string>& args);
int RunStats(const std::vector<std::string>& args);
int RunMemory(const std::vector<std::string>& args);

}  // namespace lexo::dict
