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
        for (Picture* picture : {&spare_, &completed_}) {
            picture->pixels.pixels.assign(count, kOpaqueBlack);
            picture->pixels.width = width;
            picture->pixels.height = height;
        }
    } catch (const std::bad_alloc&) {
        Release();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void Frame::Release() {
    spare_ = Picture{};
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
    const bool sameAsCompleted = completed_.known && completed_.draws == recording_;
    // Until the painting below is done the spare picture shows no known list, so a painting
    // cut short (out of memory) is redone in full next time.
    const bool repaintAll = !spare_.known;
    spare_.known = false;
    if (repaintAll) {
        Render(recording_, spare_.pixels, Bounds());
    } else {
        for (const Rect& area : Damage(spare_.draws, recording_, Bounds())) {
            Render(recording_, spare_.pixels, area);
        }
    }
    spare_.draws.swap(recording_);
    spare_.known = true;
    std::swap(spare_, completed_);
    if (!sameAsCompleted) ++serial_;
}

}  // namespace lexo
