#include "frame.h"

#include <algorithm>
#include <new>
#include <utility>

namespace lexo {

bool Frame::Resize(int width, int height) {
    width = std::clamp(width, 1, kMaxFrameSide);
    height = std::clamp(height, 1, kMaxFrameSide);
    Release();
    const size_t count = static_cast<size_t>(width) * height;
    try {
        completed_.pixels.pixels.assign(count, kOpaqueBlack);
        completed_.pixels.width = width;
        completed_.pixels.height = height;
    } catch (const std::bad_alloc&) {
        Release();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void Frame::Release() {
    completed_ = Picture{};
    recording_.clear();
    width_ = 0;
    height_ = 0;
    drawing_ = false;
    ++serial_;
}

void Frame::Begin() {
    if (!Exists()) return;
    drawing_ = true;
    recording_.clear();
}

void Frame::Record(DrawCommand command) {
    if (drawing_ && !command.bounds.Empty()) recording_.push_back(std::move(command));
}

void Frame::End() {
    if (!drawing_) return;
    drawing_ = false;
    if (completed_.known && completed_.draws == recording_) return;
    // Until the painting below is done the picture shows no known list, so a painting cut
    // short (out of memory) is redone in full next time.
    const bool repaintAll = !completed_.known;
    completed_.known = false;
    ++serial_;
    if (repaintAll) {
        const Rect all = Bounds();
        Render(recording_, completed_.pixels, {&all, 1}, &helper_);
    } else {
        Render(recording_, completed_.pixels, Damage(completed_.draws, recording_, Bounds()),
               &helper_);
    }
    completed_.draws.swap(recording_);
    completed_.known = true;
}

}  // namespace lexo
