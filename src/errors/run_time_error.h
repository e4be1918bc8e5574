#pragma once

#include <stdexcept>
#include <string>

namespace lexo {

// An error that abandons the current start-up step or event handler. Its text is what the
// player reads in the "zarnik" box (the box appends the full stop), e.g. "File not found" or
// "'12 ' is not a valid integer value".
class RunTimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace lexo
