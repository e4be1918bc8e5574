#pragma once

#include <functional>

namespace lexo {

// A running game can be asked for its picture from outside, for tests and bug reports: when
// DGLENGINE_PRINTSCREEN names a file, SIGUSR1 makes the engine write what the panel shows after
// its next finished frame there as a BMP. The file appears complete (it is written aside and
// renamed).
class SnapshotRequest {
  public:
    // Reads the variable and, when it is set, starts listening for SIGUSR1. Idempotent.
    void Arm();
    // After a frame is finished: writes the picture through `write` when a request is pending.
    void ServeAfterFrame(const std::function<void(const char* path)>& write);

  private:
    bool armed_ = false;
};

}  // namespace lexo
