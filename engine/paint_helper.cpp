#include "paint_helper.h"

#include <unistd.h>

#include <chrono>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace lexo {
namespace {

// How long either side waits awake before it sleeps: a few frames of painting.
constexpr auto kAwake = std::chrono::microseconds(200);
// A helper that keeps the caller waiting longer than this for the slices it took has been kept
// off the processor (the machine is busy): the next jobs are run by the caller alone.
constexpr auto kLate = std::chrono::microseconds(100);
constexpr int kJobsAloneAfterLate = 64;

constexpr uint64_t kJobStep = uint64_t{2} << 16;
constexpr uint64_t kStopBit = uint64_t{1} << 16;

int Front(uint64_t state) { return static_cast<int>(state & 0xFF); }
int Back(uint64_t state) { return static_cast<int>(state >> 8 & 0xFF); }

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#endif
}

// Waits until the value differs from `old`, awake for a while, then asleep; returns the new one.
template <typename T>
T WaitForChange(const std::atomic<T>& value, T old) {
    const auto until = std::chrono::steady_clock::now() + kAwake;
    for (int spins = 1;; ++spins) {
        const T now = value.load(std::memory_order_acquire);
        if (now != old) return now;
        if (spins % 64 == 0 && std::chrono::steady_clock::now() >= until) break;
        Pause();
    }
    value.wait(old, std::memory_order_acquire);
    return value.load(std::memory_order_acquire);
}

}  // namespace

PaintHelper::~PaintHelper() { Stop(); }

bool PaintHelper::Started() {
    if (started_) return owner_ == getpid();
    // A job number the new thread has nothing to do for, and not the one that ended the last.
    state_.store((state_.load(std::memory_order_relaxed) & ~uint64_t{0xFFFF} & ~kStopBit) + kJobStep,
                 std::memory_order_relaxed);
    if (pthread_create(&thread_, nullptr, &PaintHelper::Main, this) != 0) return false;
    started_ = true;
    owner_ = getpid();
    return true;
}

void PaintHelper::Run(Slice slice, void* data, int count) {
    if (count <= 0) return;
    if (count > kMaxSlices || aloneFor_ > 0 || !Started()) {
        if (aloneFor_ > 0) --aloneFor_;
        for (int i = 0; i < count; ++i) slice(data, i);
        return;
    }
    slice_ = slice;
    data_ = data;
    done_.store(0, std::memory_order_relaxed);
    const uint64_t job = (state_.load(std::memory_order_relaxed) & ~uint64_t{0xFFFF}) + kJobStep;
    uint64_t state = job | static_cast<uint64_t>(count) << 8;
    state_.store(state, std::memory_order_release);
    state_.notify_one();
    while (RunOneSlice(state, true)) {
    }
    // The helper may still be laying a slice it took.
    const auto waitFrom = std::chrono::steady_clock::now();
    for (int done = done_.load(std::memory_order_acquire); done != count;) {
        done = WaitForChange(done_, done);
    }
    if (std::chrono::steady_clock::now() - waitFrom > kLate) aloneFor_ = kJobsAloneAfterLate;
}

bool PaintHelper::RunOneSlice(uint64_t& state, bool fromBack) {
    uint64_t taken;
    for (;;) {
        if ((state & kStopBit) != 0 || Front(state) >= Back(state)) return false;
        taken = fromBack ? state - (uint64_t{1} << 8) : state + 1;
        if (state_.compare_exchange_weak(state, taken, std::memory_order_acq_rel)) break;
    }
    // The slice is ours; the job cannot change until it is done.
    slice_(data_, fromBack ? Back(taken) : Front(state));
    state = taken;
    done_.fetch_add(1, std::memory_order_acq_rel);
    done_.notify_one();
    return true;
}

void PaintHelper::Stop() {
    // A forked copy has no such thread to end.
    if (!started_ || owner_ != getpid()) return;
    state_.store((state_.load(std::memory_order_relaxed) & ~uint64_t{0xFFFF}) + kJobStep + kStopBit,
                 std::memory_order_release);
    state_.notify_one();
    pthread_join(thread_, nullptr);
    started_ = false;
}

void* PaintHelper::Main(void* self) {
    static_cast<PaintHelper*>(self)->Serve();
    return nullptr;
}

void PaintHelper::Serve() {
    uint64_t seen = state_.load(std::memory_order_acquire);
    for (;;) {
        uint64_t state = seen;
        while (RunOneSlice(state, false)) {
        }
        if ((state & kStopBit) != 0) return;
        seen = WaitForChange(state_, state);
    }
}

}  // namespace lexo
