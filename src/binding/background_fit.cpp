#include "binding/background_fit.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace lexo {

bool StartDetached(const std::string& program, const std::vector<std::string>& args) {
    // Everything the children need is made before the fork: between fork and exec only calls
    // safe in a copy of a threaded process are made.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const pid_t middle = fork();
    if (middle < 0) return false;
    if (middle == 0) {
        setsid();
        if (fork() != 0) _exit(0);  // the grandchild is adopted by init, which reaps it
        setpriority(PRIO_PROCESS, 0, 19);
        const int nothing = open("/dev/null", O_RDWR);
        if (nothing >= 0) {
            dup2(nothing, 0);
            dup2(nothing, 1);
            dup2(nothing, 2);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    // The middle child ends at once.
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::optional<std::string> ToolkitPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    for (const char* relative : {"lexodrome-dict", "../../bin/lexodrome-dict"}) {
        const std::filesystem::path candidate = self.parent_path() / relative;
        if (access(candidate.c_str(), X_OK) == 0) return candidate.lexically_normal().string();
    }
    return std::nullopt;
}

void StartMemoryFit() {
    if (const std::optional<std::string> toolkit = ToolkitPath())
        StartDetached(*toolkit, {"memory", "--fit", "--if-grown"});
}

}  // namespace lexo
