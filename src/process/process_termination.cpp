#include "process/process_termination.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "process/process_list.h"

namespace lexo {
namespace {

// Capitals as the process list compares them: only a to z change, every other byte (code page
// 1251 letters included) stays as it is.
std::string LatinCapitals(std::string_view text) {
    std::string capitals(text);
    for (char& c : capitals) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return capitals;
}

std::string_view FileNamePart(std::string_view name) {
    size_t separator = name.find_last_of("/\\:");
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

// Ends one matching process; nonzero when it was ended.
int32_t TerminateOneProcess(const ProcessEntry& process) {
    if (process.pid == getpid()) {
        // Ending the game's own process ends the game normally: what stdio holds is written.
        std::fflush(nullptr);
        _exit(0);
    }
    // Another user's process is out of our reach, even for root: a failed termination.
    if (process.realUid != getuid()) return 0;
    return kill(process.pid, SIGKILL) == 0 ? 1 : 0;
}

}  // namespace

bool ProcessNameMatches(const std::string& processName, const std::string& exeName) {
    std::string target = LatinCapitals(exeName);
    return LatinCapitals(FileNamePart(processName)) == target ||
           LatinCapitals(processName) == target;
}

int32_t TerminateProcessesByName(const std::string& exeName) {
    int32_t result = 0;
    for (const ProcessEntry& process : ListProcesses()) {
        if (ProcessNameMatches(process.name, exeName)) result = TerminateOneProcess(process);
    }
    return result;
}

}  // namespace lexo
