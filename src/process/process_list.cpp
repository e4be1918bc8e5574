#include "process/process_list.h"

#include <dirent.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "errors/run_time_error.h"
#include "text/text_file.h"
#include "text/text_lines.h"

namespace lexo {
namespace {

// The pid of a /proc entry; nullopt for the entries that are not processes.
std::optional<pid_t> PidFromEntryName(std::string_view name) {
    pid_t pid = 0;
    auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end != name.data() + name.size() || pid <= 0) return std::nullopt;
    return pid;
}

std::vector<pid_t> ProcessIds() {
    std::vector<pid_t> pids;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return pids;
    while (const dirent* entry = readdir(proc)) {
        if (auto pid = PidFromEntryName(entry->d_name)) pids.push_back(*pid);
    }
    closedir(proc);
    std::sort(pids.begin(), pids.end());
    return pids;
}

// The real uid from the "Uid:" line of /proc/PID/status (real, effective, saved, file system).
std::optional<uid_t> RealUidFromStatus(const std::string& status) {
    std::optional<uid_t> uid;
    ForEachLine(status, LineEnds::CrLfOrLf, [&uid](std::string_view line) {
        constexpr std::string_view kKey = "Uid:";
        if (uid || !line.starts_with(kKey)) return;
        line.remove_prefix(kKey.size());
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos) return;
        uid_t value = 0;
        auto [end, error] = std::from_chars(line.data() + start, line.data() + line.size(), value);
        if (error == std::errc()) uid = value;
    });
    return uid;
}

std::optional<std::string> ReadProcessFile(const std::string& path) {
    try {
        return ReadWholeFile(path);
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

std::optional<std::string> ProcessName(const std::string& dir) {
    std::error_code error;
    std::filesystem::path target = std::filesystem::read_symlink(dir + "/exe", error);
    if (!error) return ExecutableNameFromLink(target.native());
    std::optional<std::string> comm = ReadProcessFile(dir + "/comm");
    if (comm && !comm->empty() && comm->back() == '\n') comm->pop_back();
    return comm;
}

std::optional<ProcessEntry> ReadProcess(pid_t pid) {
    std::string dir = "/proc/" + std::to_string(pid);
    std::optional<std::string> status = ReadProcessFile(dir + "/status");
    if (!status) return std::nullopt;
    std::optional<uid_t> uid = RealUidFromStatus(*status);
    std::optional<std::string> name = ProcessName(dir);
    if (!uid || !name) return std::nullopt;
    return ProcessEntry{pid, std::move(*name), *uid};
}

}  // namespace

std::vector<ProcessEntry> ListProcesses() {
    std::vector<ProcessEntry> processes;
    for (pid_t pid : ProcessIds()) {
        if (auto process = ReadProcess(pid)) processes.push_back(std::move(*process));
    }
    return processes;
}

std::string ExecutableNameFromLink(const std::string& target) {
    constexpr std::string_view kDeleted = " (deleted)";
    std::string_view path = target;
    if (path.ends_with(kDeleted)) path.remove_suffix(kDeleted.size());
    size_t slash = path.rfind('/');
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    return std::string(path);
}

std::string OwnExecutableName() {
    std::error_code error;
    std::filesystem::path target = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("zarnik") : ExecutableNameFromLink(target.native());
}

}  // namespace lexo
