#pragma once

#include <functional>

namespace lexo {

// The application's caption for run-time errors: the executable's name.
inline constexpr const char* kApplicationCaption = "zarnik";

// Runs one start-up step or event handler. A run-time error (or any other exception) that
// escapes it abandons the handler and is shown in the "zarnik" box with a full stop appended;
// nothing propagates to the caller. Returns false when the handler was abandoned.
bool RunGuarded(const std::function<void()>& handler);

}  // namespace lexo
