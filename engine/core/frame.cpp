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
    changed_.assign(1, Bounds());
    return true;
}

void Frame::Release() {
    completed_ = Picture{};
    layer_ = Layer{};
    recording_.clear();
    width_ = 0;
    height_ = 0;
    drawing_ = false;
    changed_.clear();
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
    std::optional<Underlay> underlay;
    if (const Texture* layer = KeepLayer()) {
        const CellRect all{0, 0, width_, height_};
        underlay =
            Underlay{DrawCommand::MakeCell(*layer, all, {0, 0, width_, height_, false}, Bounds()),
                     layer_.draws.size()};
    }
    const Underlay* under = underlay ? &*underlay : nullptr;
    const std::vector<Rect> areas =
        repaintAll ? std::vector<Rect>{Bounds()} : Damage(completed_.draws, recording_, Bounds());
    // Noted first: a painting cut short still changed them.
    changed_.insert(changed_.end(), areas.begin(), areas.end());
    Render(recording_, completed_.pixels, areas, under);
    completed_.draws.swap(recording_);
    completed_.known = true;
}

const Texture* Frame::KeepLayer() {
    const size_t kept = layer_.draws.size();
    const bool stillShown =
        layer_.picture && kept <= recording_.size() &&
        std::equal(layer_.draws.begin(), layer_.draws.end(), recording_.begin());
    // What this list shares with the last picture's lasts; a layer is made of it when it has
    // grown by a few draws (a corpse more lies on the field) or the layer no longer fits.
    constexpr size_t kRemadeForMore = 4;
    const DrawList& last = completed_.draws;
    size_t lasting = 0;
    while (lasting < last.size() && lasting < recording_.size() &&
           last[lasting] == recording_[lasting]) {
        ++lasting;
    }
    if (stillShown && lasting < kept + kRemadeForMore) return &*layer_.picture;
    // Worth it from the background and at least one draw on it.
    const bool startsWithBackground = !recording_.empty() && recording_[0].CoversOpaque();
    if (lasting < 2 || !startsWithBackground) {
        if (!stillShown) layer_ = Layer{};
        return stillShown ? &*layer_.picture : nullptr;
    }
    DrawList draws(recording_.begin(), recording_.begin() + static_cast<ptrdiff_t>(lasting));
    Image pixels;
    pixels.width = width_;
    pixels.height = height_;
    pixels.pixels.assign(static_cast<size_t>(width_) * height_, kOpaqueBlack);
    const Rect all = Bounds();
    Render(draws, pixels, {&all, 1});
    layer_.picture.emplace(std::move(pixels));
    layer_.draws = std::move(draws);
    return &*layer_.picture;
}

}  // namespace lexo
