#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lexo::bench {

// A program started in a folder of its own with a few environment variables set (an empty value
// unsets one), killed with SIGKILL (never by name) when the object goes.
class ChildProcess {
  public:
    ChildProcess(const std::string& folder, const std::string& program,
                 const std::map<std::string, std::string>& environment,
                 const std::vector<std::string>& arguments = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    bool Running();
    void Kill();

    // Processor time the process has used so far (see ProcessCpuSeconds); nothing once it is
    // gone.
    std::optional<double> CpuSeconds() const;
    // Its peak resident memory so far (see PeakResidentKiB); nothing once it is gone.
    std::optional<double> PeakKiB() const;

  private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

// Processor time a process has used so far, user and system, in seconds (from /proc/PID/stat).
std::optional<double> ProcessCpuSeconds(pid_t pid);

// Processor time all of a process's threads have run so far, in seconds, from the first field
// of each /proc/PID/task/TID/schedstat (nanoseconds): fine enough for shares under 1 %, which
// the 10 ms ticks of /proc/PID/stat are not. Threads that have ended are no longer counted.
std::optional<double> ThreadsCpuSeconds(pid_t pid);
// The first field of a schedstat line (time run, in nanoseconds), in seconds.
std::optional<double> SchedstatSeconds(const std::string& line);

// A process's peak resident memory so far, in KiB (VmHWM of /proc/PID/status).
std::optional<double> PeakResidentKiB(pid_t pid);

// Runs a command (program and arguments, its output discarded), waits for it, and says whether
// it exited with 0.
bool RunCommand(const std::vector<std::string>& command);

}  // namespace lexo::bench
