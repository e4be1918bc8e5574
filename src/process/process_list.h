#pragma once

// The running processes, read from /proc, for terminating processes by executable name.

#include <sys/types.h>

#include <string>
#include <vector>

namespace lexo {

struct ProcessEntry {
    pid_t pid = 0;
    std::string name;  // the executable's file name
    uid_t realUid = 0;
};

// The running processes in ascending pid order. A process's name is the file name of its
// executable, or its command name where the executable cannot be read (a zombie, a kernel
// thread, another user's process without the right to look). Processes that end while the list
// is made are left out.
std::vector<ProcessEntry> ListProcesses();

// The executable's file name from the target of a /proc/PID/exe link. The kernel appends
// " (deleted)" once the file has been removed; the process still runs that executable.
std::string ExecutableNameFromLink(const std::string& target);

// The file name this process runs under, also after a rebuild removed or replaced its file;
// "zarnik" when /proc cannot tell.
std::string OwnExecutableName();

}  // namespace lexo
