#pragma once

namespace lexo::dict {

// Exit codes of lexodrome-dict.
inline constexpr int kSuccess = 0;        // warnings allowed
inline constexpr int kInputErrors = 1;    // the input has errors
inline constexpr int kUsageOrFiles = 2;   // usage, or the file system failed
inline constexpr int kNothingDue = 3;     // review: no word is due, nothing written
inline constexpr int kTooFewReviews = 3;  // memory --fit: too few reviews, nothing fitted

}  // namespace lexo::dict
