#pragma once

#include "pixels.h"

namespace lexo {

// The largest frame side the engine allocates.
inline constexpr int kMaxFrameSide = 8192;

// The software frame: a picture being drawn and the last completed one. Begin starts a picture;
// End completes it by swapping the two buffers, so completing costs no copy. A new picture
// starts black, but the clearing waits for the first draw: when that draw covers its rectangle
// with opaque pixels (the background), only the rest of the frame is cleared.
class Frame {
public:
    // Sizes both pictures (black) and forgets any picture in progress. Sides are clamped to
    // 1 ... kMaxFrameSide. False when the memory cannot be had; the frame is then empty.
    bool Resize(int width, int height);
    void Release();

    bool Exists() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Begin();
    void End();
    bool Drawing() const { return drawing_; }

    // The picture to draw into, or null outside Begin ... End. `area` is what the caller is
    // about to draw; `coversOpaque` says every pixel of it will be overwritten with an opaque
    // one, which lets a pending clear skip that area.
    Image* Canvas(const Rect& area, bool coversOpaque);

    // The last completed picture (black until one is completed).
    const Image& Completed() const { return completed_; }
    // Counts completed pictures; it changes whenever Completed() may have.
    uint64_t Serial() const { return serial_; }

    Rect Bounds() const { return {0, 0, width_, height_}; }

private:
    void ClearAllBut(const Rect& keep);

    Image canvas_;
    Image completed_;
    int width_ = 0;
    int height_ = 0;
    bool drawing_ = false;
    bool clearPending_ = false;
    uint64_t serial_ = 0;
};

}  // namespace lexo
