#include "snapshot_request.h"

#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lexo {
namespace {

volatile sig_atomic_t requested = 0;

void OnSnapshotSignal(int) { requested = 1; }

const char* SnapshotPath() {
    const char* path = std::getenv("DGLENGINE_PRINTSCREEN");
    return path != nullptr && *path != '\0' ? path : nullptr;
}

}  // namespace

void SnapshotRequest::Arm() {
    if (armed_ || SnapshotPath() == nullptr) return;
    struct sigaction action {};
    action.sa_handler = OnSnapshotSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    armed_ = sigaction(SIGUSR1, &action, nullptr) == 0;
}

void SnapshotRequest::ServeAfterFrame(const std::function<void(const char* path)>& write) {
    if (!armed_ || requested == 0) return;
    requested = 0;
    const std::string path = SnapshotPath();
    const std::string partial = path + ".part";
    write(partial.c_str());
    std::rename(partial.c_str(), path.c_str());
}

}  // namespace lexo
