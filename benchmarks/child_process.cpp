#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace lexo::bench {

ChildProcess::ChildProcess(const std::string& folder, const std::string& program,
                           const std::map<std::string, std::string>& environment,
                           const std::vector<std::string>& arguments) {
    pid_ = fork();
    if (pid_ != 0) return;
    if (chdir(folder.c_str()) != 0) _exit(126);
    // The figures are what ./bench prints; the programs' own chatter goes nowhere.
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
    }
    for (const auto& [name, value] : environment) {
        if (value.empty()) {
            unsetenv(name.c_str());
        } else {
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Running() {
    if (pid_ <= 0 || reaped_) return false;
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
}

void ChildProcess::Kill() {
    if (pid_ <= 0 || reaped_) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    reaped_ = true;
}

std::optional<double> ChildProcess::CpuSeconds() const {
    if (pid_ <= 0 || reaped_) return std::nullopt;
    return ProcessCpuSeconds(pid_);
}

std::optional<double> ChildProcess::PeakKiB() const {
    if (pid_ <= 0 || reaped_) return std::nullopt;
    return PeakResidentKiB(pid_);
}

std::optional<double> PeakResidentKiB(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6));
    }
    return std::nullopt;
}

std::optional<double> ProcessCpuSeconds(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(file, stat)) return std::nullopt;
    // The name in parentheses may hold spaces; the fields counted from after it.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(close + 2));
    std::vector<std::string> field;
    for (std::string f; fields >> f;) field.push_back(f);
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    if (field.size() < 13) return std::nullopt;
    const double ticks = std::stod(field[11]) + std::stod(field[12]);
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::optional<double> SchedstatSeconds(const std::string& line) {
    std::istringstream fields(line);
    unsigned long long nanoseconds = 0;
    if (!(fields >> nanoseconds)) return std::nullopt;
    return static_cast<double>(nanoseconds) / 1e9;
}

std::optional<double> ThreadsCpuSeconds(pid_t pid) {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
    if (error) return std::nullopt;
    double seconds = 0;
    for (const std::filesystem::directory_entry& task : tasks) {
        std::ifstream file(task.path() / "schedstat");
        std::string line;
        // A thread that ended between the listing and the read has nothing left to count.
        if (!std::getline(file, line)) continue;
        seconds += SchedstatSeconds(line).value_or(0);
    }
    return seconds;
}

bool RunCommand(const std::vector<std::string>& command) {
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        std::vector<char*> argv;
        for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace lexo::bench
