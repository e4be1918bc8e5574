#pragma once

#include <pthread.h>
#include <sys/types.h>

#include <atomic>
#include <cstdint>

namespace lexo {

// A second thread that shares large paintings: the picture is cut into slices that the caller
// and the helper take one at a time, so that a helper kept off the processor only means the
// caller paints more of them itself. The helper takes them from the first on, the caller from
// the last back, so that frame after frame each paints much the same rows, which stay in its
// core's cache. A helper that kept the caller waiting (kept off the processor on a busy
// machine) is left out of the next few dozen jobs. The thread starts on first use and, between frames,
// waits briefly awake (frames of a moving scene come in quick succession) before it sleeps.
class PaintHelper {
  public:
    using Slice = void (*)(void* data, int slice);
    static constexpr int kMaxSlices = 64;

    PaintHelper() = default;
    ~PaintHelper();
    PaintHelper(const PaintHelper&) = delete;
    PaintHelper& operator=(const PaintHelper&) = delete;

    // Runs slice(data, i) for every i in [0, count) (count at most kMaxSlices), each once, and
    // returns when all are done. Without a helper thread (it could not be started, or this is
    // a forked copy of the process that started it) the caller runs them all.
    void Run(Slice slice, void* data, int count);
    // Ends the helper thread (a later Run starts a new one).
    void Stop();

  private:
    bool Started();
    // Takes the next slice of the current job (the first one left, or the last) and runs it;
    // false when none is left.
    bool RunOneSlice(uint64_t& state, bool fromBack);
    static void* Main(void* self);
    void Serve();

    pthread_t thread_{};
    bool started_ = false;
    pid_t owner_ = 0;  // the process whose thread it is
    // The current job, set before its state is published and left alone until all its slices
    // are done.
    Slice slice_ = nullptr;
    void* data_ = nullptr;
    // The job's number (from bit 16; odd numbers tell the thread to end) and the slices not yet
    // taken: from bits 0-7 up to, not including, bits 8-15.
    std::atomic<uint64_t> state_{0};
    std::atomic<int> done_{0};  // slices of the current job done
    int aloneFor_ = 0;          // jobs the caller runs alone, the helper having been late
};

}  // namespace lexo
