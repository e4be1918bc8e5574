#include "isolated_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

namespace lexo::hostile {
namespace {

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote <= 0) return;
        done += static_cast<size_t>(wrote);
    }
}

[[noreturn]] void RunChild(int fd, const std::function<std::string()>& work) {
    int code = 0;
    std::string report;
    try {
        report = work();
    } catch (const std::exception& error) {
        report = std::string("exception: ") + error.what();
        code = 3;
    }
    WriteAll(fd, report);
    close(fd);
    std::fflush(nullptr);
    // No exit handlers of the parent's (test framework, sanitizers) run in the child.
    _exit(code);
}

// Reads what is there without waiting longer than timeoutMs; false at the end of the stream.
bool ReadSome(int fd, std::string& out, int timeoutMs) {
    pollfd wait{fd, POLLIN, 0};
    if (poll(&wait, 1, timeoutMs) <= 0) return true;
    char chunk[4096];
    ssize_t got = read(fd, chunk, sizeof chunk);
    if (got > 0) out.append(chunk, static_cast<size_t>(got));
    return got > 0 || (got < 0 && errno == EINTR);
}

}  // namespace

std::string ChildResult::Describe() const {
    if (!finished) return "still running at the time limit, killed";
    if (signal != 0)
        return "killed by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
    return "exit code " + std::to_string(exitCode) + (report.empty() ? "" : ": " + report);
}

ChildResult RunIsolated(const std::function<std::string()>& work, std::chrono::seconds limit) {
    int channel[2];
    ChildResult result;
    if (pipe2(channel, O_CLOEXEC) != 0) return result;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        RunChild(channel[1], work);
    }
    close(channel[1]);
    if (child < 0) {
        close(channel[0]);
        return result;
    }

    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool open = true;
    int status = 0;
    pid_t ended = 0;
    while (ended == 0 && std::chrono::steady_clock::now() < deadline) {
        if (open) {
            open = ReadSome(channel[0], result.report, 20);
        } else {
            usleep(20000);
        }
        ended = waitpid(child, &status, WNOHANG);
    }
    if (ended == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    } else {
        result.finished = true;
        while (open) open = ReadSome(channel[0], result.report, 1000);
        if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    }
    close(channel[0]);
    return result;
}

}  // namespace lexo::hostile
