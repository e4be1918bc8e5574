#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lexo::dict {

// Exit codes of lexodrome-dict.
inline constexpr int kSuccess = 0;        // warnings allowed
inline constexpr int kInputErrors = 1;    // the input has errors
inline constexpr int kUsageOrFiles = 2;   // usage, or the file system failed
inline constexpr int kNothingDue = 3;     // review: no word is due, nothing written
inline constexpr int kTooFewReviews = 3;  // memory --fit: too few reviews, nothing fitted

// The most any file the toolkit reads may hold: far above the largest word list or history, far
// below what would exhaust the memory.
inline constexpr size_t kFileLimit = size_t{256} << 20;

// Each takes the arguments after its subcommand's name.
int RunImport(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunReview(const std::vector<std::string>& args);
int RunStats(const std::vector<std::string>& args);
int RunMemory(const std::vector<std::string>& args);

}  // namespace lexo::dict
