#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace lexo::hostile {

// How a child process ended.
struct ChildResult {
    bool finished = false;  // it ended within the time limit
    int exitCode = -1;      // its exit code, when it exited
    int signal = 0;         // the signal that ended it, if one did
    std::string report;     // what `work` returned

    bool ExitedCleanly() const { return finished && signal == 0 && exitCode == 0; }
    // "exit code 0", "killed by signal 11 (Segmentation fault)", "still running after 60 s".
    std::string Describe() const;
};

// Runs `work` in a forked child, so that a crash or a hang of the code under test fails only the
// case at hand, and waits at most `limit`; a child still running then is killed. The child
// sends back the text `work` returns and exits with 0, or with 3 when `work` threw.
ChildResult RunIsolated(const std::function<std::string()>& work, std::chrono::seconds limit);

}  // namespace lexo::hostile
