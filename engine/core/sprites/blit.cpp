#include "sprites/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "blend.h"

namespace lexo {
namespace {

// The clipped part of a placement: frame rows and columns [x0, x1) x [y0, y1), and the offset
// of the placement's top-left corner.
struct Clip {
    int x0, y0, x1, y1;
    int64_t left, top;
};

std::optional<Clip> ClipPlacement(const Rect& clip, const Placement& at) {
    Rect visible = PlacementRect(at).Intersect(clip);
    if (visible.Empty()) return std::nullopt;
    return Clip{static_cast<int>(visible.x0),
                static_cast<int>(visible.y0),
                static_cast<int>(visible.x1),
                static_cast<int>(visible.y1),
                at.x,
                at.y};
}

void CopyOpaqueRows(Image& canvas, const Image& picture, const CellRect& cell, const Clip& clip) {
    const size_t count = static_cast<size_t>(clip.x1 - clip.x0);
    const int64_t srcX = cell.x + (clip.x0 - clip.left);
    for (int y = clip.y0; y < clip.y1; ++y) {
        const Pixel* src = picture.Row(static_cast<int>(cell.y + (y - clip.top))) + srcX;
        std::memcpy(canvas.Row(y) + clip.x0, src, count * sizeof(Pixel));
    }
}

// Source column or row of each drawn one in [from, to): the pixel whose centre is nearest.
void MapSamples(std::vector<int32_t>& map, int64_t from, int64_t to, int64_t origin, int64_t drawn,
                int32_t source, bool mirrored) {
    map.resize(static_cast<size_t>(to - from));
    for (int64_t i = from; i < to; ++i) {
        int64_t d = i - origin;
        auto s = static_cast<int32_t>((2 * d + 1) * source / (2 * drawn));
        map[static_cast<size_t>(i - from)] = mirrored ? source - 1 - s : s;
    }
}

void DrawStretched(Image& canvas, const Texture& texture, const CellRect& cell, const Placement& at,
                   const Clip& clip) {
    std::vector<int32_t> columns;
    std::vector<int32_t> rows;
    MapSamples(columns, clip.x0, clip.x1, clip.left, at.width, cell.width, at.mirrored);
    MapSamples(rows, clip.y0, clip.y1, clip.top, at.height, cell.height, false);
    const Image& picture = texture.Picture();
    const bool opaque = texture.Opaque();
    for (int y = clip.y0; y < clip.y1; ++y) {
        const Pixel* src = picture.Row(cell.y + rows[static_cast<size_t>(y - clip.y0)]) + cell.x;
        Pixel* dst = canvas.Row(y) + clip.x0;
        const size_t count = columns.size();
        if (opaque) {
            for (size_t i = 0; i < count; ++i) dst[i] = src[columns[i]];
            continue;
        }
        for (size_t i = 0; i < count; ++i) {
            Pixel p = src[columns[i]];
            if (IsOpaque(p)) dst[i] = p;
        }
    }
}

bool OneToOne(const CellRect& cell, const Placement& at) {
    return at.width == cell.width && at.height == cell.height;
}

// 1:1 draws of keyed or mirrored cells are laid from the cell's spans.
bool UsesSpans(const Texture& texture, const CellRect& cell, const Placement& at) {
    return OneToOne(cell, at) && (!texture.Opaque() || at.mirrored);
}

}  // namespace

std::optional<CellRect> SheetCell(const Image& sheet, int32_t columns, int32_t rows,
                                  int32_t frame) {
    if (columns <= 0 || rows <= 0 || frame < 1) return std::nullopt;
    if (int64_t{frame} > int64_t{columns} * rows) return std::nullopt;
    CellRect cell;
    cell.width = sheet.width / columns;
    cell.height = sheet.height / rows;
    if (cell.width <= 0 || cell.height <= 0) return std::nullopt;
    cell.x = (frame - 1) % columns * cell.width;
    cell.y = (frame - 1) / columns * cell.height;
    return cell;
}

Rect PlacementRect(const Placement& at) {
    if (at.width <= 0 || at.height <= 0) return Rect{};
    return Rect{at.x, at.y, int64_t{at.x} + at.width, int64_t{at.y} + at.height};
}

std::shared_ptr<const CellSpans> SpansToLay(const Texture& texture, const CellRect& cell,
                                            const Placement& at) {
    if (!UsesSpans(texture, cell, at) || PlacementRect(at).Empty()) return nullptr;
    return texture.Spans(cell, at.mirrored);
}

Rect CellBounds(const CellSpans* spans, const Placement& at) {
    if (spans == nullptr) return PlacementRect(at);
    const Rect& box = spans->OpaqueBox();
    if (box.Empty()) return Rect{};
    return {at.x + box.x0, at.y + box.y0, at.x + box.x1, at.y + box.y1};
}

CellBlit::CellBlit(const Texture& texture, const CellRect& cell, const Placement& at,
                   const CellSpans* spans)
    : texture_(texture), cell_(cell), at_(at), spans_(spans) {}

void CellBlit::Draw(Image& canvas, const Rect& clip) const {
    std::optional<Clip> visible = ClipPlacement(clip, at_);
    if (!visible) return;
    if (spans_ != nullptr) {
        spans_->Rows().Lay(canvas, clip, at_.x, at_.y, LayKeyedRow);
    } else if (OneToOne(cell_, at_)) {
        CopyOpaqueRows(canvas, texture_.Picture(), cell_, *visible);
    } else {
        DrawStretched(canvas, texture_, cell_, at_, *visible);
    }
}

}  // namespace lexo
