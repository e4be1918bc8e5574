#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace lexo::test {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(20);
constexpr auto kStopTimeout = std::chrono::seconds(5);

std::string ReadLog(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    std::string all = text.str();
    return all.size() > 2000 ? all.substr(all.size() - 2000) : all;
}

// Reads the display number that Xvfb writes, followed by a newline, once it is ready.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd wait{fd, POLLIN, 0};
        if (poll(&wait, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
        char c;
        ssize_t got = read(fd, &c, 1);
        if (got <= 0) return {};
        if (c == '\n') return number;
        number += c;
    }
    return {};
}

}  // namespace

XvfbServer::XvfbServer(Screen screen) {
    char logTemplate[] = "/tmp/lexo-xvfb-XXXXXX";
    int log = mkstemp(logTemplate);
    if (log >= 0) {
        close(log);
        logPath_ = logTemplate;
    }
    int ready[2];
    if (pipe(ready) != 0) {
        error_ = "no pipe for Xvfb";
        return;
    }
    fcntl(ready[0], F_SETFD, FD_CLOEXEC);
    const std::string fd = std::to_string(ready[1]);
    const std::string geometry = std::to_string(screen.width) + "x" +
                                 std::to_string(screen.height) + "x" + std::to_string(screen.depth);
    std::vector<std::string> args{"Xvfb",   "-displayfd", fd,    "-screen", "0",
                                  geometry, "-nolisten",  "tcp", "-noreset"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const char* logTarget = logPath_.empty() ? "/dev/null" : logPath_.c_str();
    posix_spawn_file_actions_addopen(&actions, 1, logTarget, O_WRONLY | O_APPEND, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(ready[0]);
        error_ = "Xvfb cannot be started (is it installed?)";
        return;
    }
    std::string number = ReadDisplayNumber(ready[0]);
    close(ready[0]);
    if (number.empty()) {
        error_ = "Xvfb did not become ready; its log:\n" + ReadLog(logPath_);
        Stop();
        return;
    }
    name_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    Stop();
    if (!logPath_.empty()) unlink(logPath_.c_str());
}

void XvfbServer::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    while (waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
    name_.clear();
}

}  // namespace lexo::test
