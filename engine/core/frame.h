#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "draw_list.h"
#include "pixels.h"

namespace lexo {

// The largest frame side the engine allocates.
inline constexpr int kMaxFrameSide = 8192;

// The software frame: the last completed picture and the draws of the one being made. Draws
// between Begin and End are recorded; End paints them over the picture, which remembers which
// draws made it, so only what differs gets painted again: nothing at all for an unchanged
// scene, the places where things were and are when a few things moved.
class Frame {
  public:
    // Sizes the picture (black) and forgets any picture in progress. Sides are clamped to
    // 1 ... kMaxFrameSide. False when the memory cannot be had; the frame is then empty.
    bool Resize(int width, int height);
    void Release();

    bool Exists() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    void Begin();
    // Adds a draw to the picture in progress; ignored outside Begin ... End.
    void Record(DrawCommand command);
    void End();
    bool Drawing() const { return drawing_; }

    // The last completed picture (black until one is completed).
    const Image& Completed() const { return completed_.pixels; }
    // The parts of Completed() that may have changed since the last call (they may overlap);
    // nothing when it is unchanged.
    std::vector<Rect> TakeChanges() { return std::exchange(changed_, {}); }

  private:
    // A picture and the draws it shows (known: false when it shows something else, e.g. black
    // after a resize).
    struct Picture {
        Image pixels;
        DrawList draws;
        bool known = false;
    };

    // The painting of the beginning of the list that lasts from frame to frame (the background
    // and what lies on it unchanged), so that a repaint starts from one picture rather than
    // from all those draws.
    struct Layer {
        std::optional<Texture> picture;
        DrawList draws;  // what it shows: the first commands of the list
    };

    // The layer for the list being recorded, made again when the lasting beginning changed;
    // none when the list does not start with an opaque draw (a background).
    const Texture* KeepLayer();

    Picture completed_;
    Layer layer_;
    DrawList recording_;
    int width_ = 0;
    int height_ = 0;
    bool drawing_ = false;
    std::vector<Rect> changed_;
};

}  // namespace lexo
