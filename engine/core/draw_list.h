#pragma once

#include <memory>
#include <span>
#include <vector>

#include "font.h"
#include "pixels.h"
#include "sprites/blit.h"
#include "text_draw.h"
#include "textures.h"

namespace lexo {

// One draw of a frame, recorded between Begin2D and End2D and carried out at End2D. Textures
// and fonts never change once loaded, so two equal commands always draw the same pixels.
struct DrawCommand {
    enum class Kind : uint8_t { Cell, Text };

    Kind kind = Kind::Cell;
    const Texture* texture = nullptr;  // Cell
    CellRect cell;
    Placement at;
    const Font* font = nullptr;  // Text
    int32_t x = 0;
    int32_t y = 0;
    GlyphRun glyphs;  // none for a word composed elsewhere (MakeWord), known by its image
    TextStyle style;
    Rect bounds;  // the frame pixels it may change, within the frame: for keyed sprites
                  // only the box around their opaque pixels
    // What it is laid from, looked up once when it is recorded (equal commands have equal ones).
    std::shared_ptr<const CellSpans> spans;  // Cell, 1:1 keyed or mirrored
    std::shared_ptr<const TextImage> image;  // Text, kept image at natural size

    static DrawCommand MakeCell(const Texture& texture, const CellRect& cell, const Placement& at,
                                const Rect& frame);
    static DrawCommand MakeText(const Font& font, int32_t x, int32_t y, GlyphRun glyphs,
                                const TextStyle& style, const Rect& frame);
    // A word already composed as an image (null: nothing shows) with its top-left at x, y.
    static DrawCommand MakeWord(const Font& font, int32_t x, int32_t y,
                                std::shared_ptr<const TextImage> image, const TextStyle& style,
                                const Rect& frame);

    // Whether it overwrites every pixel of its bounds with an opaque one.
    bool CoversOpaque() const { return kind == Kind::Cell && texture->Opaque(); }

    bool operator==(const DrawCommand& other) const;
};

using DrawList = std::vector<DrawCommand>;

// A picture of what the first `hides` commands of a list draw over the whole canvas, drawn by
// `picture` (an opaque draw of all of it): painting from it lays those commands at once.
struct Underlay {
    DrawCommand picture;
    size_t hides = 0;
};

// Paints the areas of the canvas as the list draws them: each from the last command that covers
// it whole with opaque pixels (the underlay standing for the commands it hides), or else from
// black. The areas do not overlap and come as Damage gives them: in bands from the top down
// (sorted by top edges and by bottom edges alike), those sharing their rows from left to right.
// Each command is laid onto all its areas in turn.
void Render(const DrawList& list, Image& canvas, std::span<const Rect> areas,
            const Underlay* underlay = nullptr);

// The parts of the frame where a picture drawn by `before` and one drawn by `after` may differ,
// as rectangles that do not overlap, in bands of a few rows from the top down: nothing for
// equal lists, the whole frame when most of it changed.
std::vector<Rect> Damage(const DrawList& before, const DrawList& after, const Rect& frame);

}  // namespace lexo
