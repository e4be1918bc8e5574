#include "process/process_termination.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "binding/engine_library.h"
#include "binding_test_support.h"
#include "process/process_list.h"
#include "temp_dir.h"

namespace lexo {
namespace {

using test::Message;
using test::MessageRecorder;
using test::TempDir;

constexpr uid_t kNobody = 65534;

// A running copy of sleep, started from the given file, optionally as another user. Whatever
// the test leaves of it is killed and reaped at the end of the scope.
class SleepingChild {
  public:
    explicit SleepingChild(const std::string& executable,
                           std::optional<uid_t> user = std::nullopt) {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
        pid_ = fork();
        if (pid_ == 0) RunChild(executable, user, ready[1]);
        close(ready[1]);
        // The pipe closes without data once exec has replaced the child's image.
        int error = 0;
        ssize_t got;
        while ((got = read(ready[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
        close(ready[0]);
        if (pid_ < 0 || got != 0) {
            if (pid_ > 0) Reap();
            throw std::runtime_error("cannot start " + executable + ": " + std::strerror(error));
        }
    }
    ~SleepingChild() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            Reap();
        }
    }
    SleepingChild(const SleepingChild&) = delete;
    SleepingChild& operator=(const SleepingChild&) = delete;

    pid_t Pid() const { return pid_; }

    // Ends the child with SIGTERM unless a signal has ended it already, and returns its wait
    // status: a SIGKILL sent earlier still shows, since the child was dying when SIGTERM came.
    int StopAndReap() {
        kill(pid_, SIGTERM);
        return Reap();
    }

    // Waits for the child to end; its wait status.
    int Reap() {
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
        return status;
    }

  private:
    [[noreturn]] static void RunChild(const std::string& executable, std::optional<uid_t> user,
                                      int ready) {
        if (user && (setgroups(0, nullptr) != 0 || setgid(*user) != 0 || setuid(*user) != 0)) {
            int error = errno;
            (void)!write(ready, &error, sizeof error);
            _exit(127);
        }
        execl(executable.c_str(), executable.c_str(), "60", static_cast<char*>(nullptr));
        int error = errno;
        (void)!write(ready, &error, sizeof error);
        _exit(127);
    }

    pid_t pid_ = -1;
    bool reaped_ = false;
};

bool KilledBy(int status, int signal) { return WIFSIGNALED(status) && WTERMSIG(status) == signal; }

std::string LatinCapitals(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

// A copy of sleep under a name no other process has.
class TerminateProcessesTest : public testing::Test {
  protected:
    TempDir dir;
    std::string name = test::UniqueProcessName();
    std::string executable = dir.File(name);

    void SetUp() override { test::CopyExecutable("/bin/sleep", executable); }
};

TEST_F(TerminateProcessesTest, KillsEveryMatchingProcessOfOurs) {
    SleepingChild first(executable);
    SleepingChild second(executable);
    EXPECT_NE(TerminateProcessesByName(name), 0);
    EXPECT_TRUE(KilledBy(first.StopAndReap(), SIGKILL));
    EXPECT_TRUE(KilledBy(second.StopAndReap(), SIGKILL));
}

TEST_F(TerminateProcessesTest, NameIsComparedInLatinCapitals) {
    SleepingChild child(executable);
    EXPECT_NE(TerminateProcessesByName(LatinCapitals(name)), 0);
    EXPECT_TRUE(KilledBy(child.StopAndReap(), SIGKILL));
}

TEST_F(TerminateProcessesTest, ProcessWhoseExecutableWasDeletedStillMatches) {
    SleepingChild child(executable);
    std::filesystem::remove(executable);
    EXPECT_NE(TerminateProcessesByName(name), 0);
    EXPECT_TRUE(KilledBy(child.StopAndReap(), SIGKILL));
}

TEST_F(TerminateProcessesTest, NothingMatchingGivesZeroAndUnloadingNamesTheExecutable) {
    SleepingChild other(executable);
    std::string absent = name + ".exe";
    EXPECT_EQ(TerminateProcessesByName(absent), 0);

    MessageRecorder recorder;
    EngineLibrary library;
    library.FreeEngineLibrary(absent);
    EXPECT_EQ(recorder.Messages(),
              (std::vector<Message>{{kBindingCaption, "Couldn't find process \"" + absent + "\"!"},
                                    {kBindingCaption, "Couldn't free DGLEngine DLL!"}}));
    EXPECT_EQ(kill(other.Pid(), 0), 0) << "a process of another name was signalled";
}

TEST_F(TerminateProcessesTest, AnotherUsersProcessIsNeverSignalled) {
    if (getuid() != 0) GTEST_SKIP() << "starting a process as another user needs root";
    SleepingChild foreign(executable, kNobody);
    EXPECT_EQ(TerminateProcessesByName(name), 0);

    MessageRecorder recorder;
    EngineLibrary library;
    library.FreeEngineLibrary(name);
    ASSERT_FALSE(recorder.Messages().empty());
    EXPECT_EQ(recorder.Messages().front().second, "Couldn't find process \"" + name + "\"!");

    EXPECT_TRUE(KilledBy(foreign.StopAndReap(), SIGTERM));
}

TEST_F(TerminateProcessesTest, LastMatchInPidOrderDecidesTheResult) {
    if (getuid() != 0) GTEST_SKIP() << "starting a process as another user needs root";
    SleepingChild ours(executable);
    SleepingChild foreign(executable, kNobody);
    int32_t result = TerminateProcessesByName(name);
    if (ours.Pid() > foreign.Pid()) {
        EXPECT_NE(result, 0);
    } else {
        EXPECT_EQ(result, 0);
    }
    EXPECT_TRUE(KilledBy(ours.StopAndReap(), SIGKILL));
    EXPECT_TRUE(KilledBy(foreign.StopAndReap(), SIGTERM));
}

TEST_F(TerminateProcessesTest, ZombieIsListedByItsCommandName) {
    SleepingChild child(executable);
    kill(child.Pid(), SIGKILL);
    siginfo_t info{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(child.Pid()), &info, WEXITED | WNOWAIT), 0);

    std::vector<ProcessEntry> processes = ListProcesses();
    auto zombie = std::find_if(processes.begin(), processes.end(),
                               [&child](const ProcessEntry& p) { return p.pid == child.Pid(); });
    ASSERT_NE(zombie, processes.end());
    EXPECT_EQ(zombie->name, name);
    EXPECT_EQ(zombie->realUid, getuid());
}

TEST(ListProcesses, HoldsThisProcessByItsExecutableName) {
    std::vector<ProcessEntry> processes = ListProcesses();
    auto self = std::find_if(processes.begin(), processes.end(),
                             [](const ProcessEntry& p) { return p.pid == getpid(); });
    ASSERT_NE(self, processes.end());
    EXPECT_EQ(self->name, std::filesystem::read_symlink("/proc/self/exe").filename().string());
    EXPECT_EQ(self->realUid, getuid());
}

std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Also after a rebuild removed the running file, which the kernel then names "... (deleted)".
TEST(TerminateOwnProcess, EndsWithExitCodeZeroAfterWritingWhatStdioHolds) {
    for (bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "its file deleted" : "by its name");
        TempDir dir;
        std::string name = test::UniqueProcessName();
        std::string helper = dir.File(name);
        std::string out = dir.File("out");
        std::string err = dir.File("err");
        test::CopyExecutable(LEXO_SELF_TERMINATE_HELPER, helper);
        const std::string argument = deleted ? "--deleted" : name;

        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (outFd < 0 || errFd < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0) _exit(126);
            execl(helper.c_str(), helper.c_str(), argument.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
        // Output is a file, so stdio held "before" in its buffer when the process ended.
        EXPECT_EQ(ReadFile(out), "before\n");
        EXPECT_EQ(ReadFile(err), "");
    }
}

}  // namespace
}  // namespace lexo
