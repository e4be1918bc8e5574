#include "history/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "history/history_line.h"

namespace lexo {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::optional<std::string> HistoryFilePath() {
    if (Environment("LEXODROME_HISTORY") == "off") return std::nullopt;
    std::string state = Environment("XDG_STATE_HOME");
    // The base directory rules: a relative path is to be ignored.
    if (state.empty() || state.front() != '/') {
        const std::string home = Environment("HOME");
        if (home.empty()) return std::nullopt;
        state = home + "/.local/state";
    }
    return state + "/lexodrome/history.jsonl";
}

std::optional<std::string> AppendHistoryLine(const std::string& path, const std::string& line) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) return error.message();
    // Without blocking: a FIFO in the file's place would hold the game until someone read it.
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) return std::strerror(errno);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return "not a regular file";
    }
    const std::string whole = line + "\n";
    ssize_t written;
    while ((written = write(fd, whole.data(), whole.size())) < 0 && errno == EINTR) {
    }
    const int writeError = errno;
    std::optional<std::string> failure;
    if (written < 0) {
        failure = std::strerror(writeError);
    } else if (static_cast<size_t>(written) != whole.size()) {
        // A short write (a full disk): take the part back, so no torn line stays behind.
        if (ftruncate(fd, lseek(fd, 0, SEEK_END) - written) != 0) {
            failure = "the disk is full and a part of the line remains";
        } else {
            failure = "the disk is full";
        }
    }
    if (close(fd) != 0 && !failure) failure = std::strerror(errno);
    return failure;
}

void FileHistory::Record(const GameRecord& game) {
    const std::optional<std::string> path = HistoryFilePath();
    if (!path) return;
    if (std::optional<std::string> failure =
            AppendHistoryLine(*path, HistoryLine(game, HistoryTimeNow()))) {
        const std::string message =
            "lexodrome: the game is not kept in the history " + *path + ": " + *failure + "\n";
        std::fputs(message.c_str(), stderr);
    }
}

}  // namespace lexo
