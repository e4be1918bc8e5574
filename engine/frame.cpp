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
        canvas_.pixels.assign(count, kOpaqueBlack);
        completed_.pixels.assign(count, kOpaqueBlack);
    } catch (const std::bad_alloc&) {
        Release();
        return false;
    }
    for (Image* picture : {&canvas_, &completed_}) {
        picture->width = width;
        picture->height = height;
    }
    width_ = width;
    height_ = height;
    ++serial_;
    return true;
}

void Frame::Release() {
    canvas_ = Image{};
    completed_ = Image{};
    width_ = 0;
    height_ = 0;
    drawing_ = false;
    clearPending_ = false;
    ++serial_;
}

void Frame::Begin() {
    if (!Exists()) return;
    drawing_ = true;
    clearPending_ = true;
}

void Frame::End() {
    if (!drawing_) return;
    if (clearPending_) ClearAllBut(Rect{});
    clearPending_ = false;
    drawing_ = false;
    std::swap(canvas_, completed_);
    ++serial_;
}

Image* Frame::Canvas(const Rect& area, bool coversOpaque) {
    if (!drawing_) return nullptr;
    if (clearPending_) {
        ClearAllBut(coversOpaque ? area.Intersect(Bounds()) : Rect{});
        clearPending_ = false;
    }
    return &canvas_;
}

void Frame::ClearAllBut(const Rect& keep) {
    Pixel* pixels = canvas_.pixels.data();
    if (keep.Empty()) {
        std::fill_n(pixels, canvas_.pixels.size(), kOpaqueBlack);
        return;
    }
    const size_t width = static_cast<size_t>(width_);
    std::fill(pixels, pixels + keep.y0 * width, kOpaqueBlack);
    for (int64_t y = keep.y0; y < keep.y1; ++y) {
        Pixel* row = pixels + y * width;
        std::fill(row, row + keep.x0, kOpaqueBlack);
        std::fill(row + keep.x1, row + width, kOpaqueBlack);
    }
    std::fill(pixels + keep.y1 * width, pixels + canvas_.pixels.size(), kOpaqueBlack);
}

}  // namespace lexo
