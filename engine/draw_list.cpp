#include "draw_list.h"

#include <algorithm>

namespace lexo {
namespace {

bool Contains(const Rect& outer, const Rect& inner) {
    return outer.x0 <= inner.x0 && outer.y0 <= inner.y0 && outer.x1 >= inner.x1 &&
           outer.y1 >= inner.y1;
}

void Fill(Image& canvas, const Rect& r, Pixel colour) {
    for (int64_t y = r.y0; y < r.y1; ++y) {
        Pixel* row = canvas.Row(static_cast<int>(y));
        std::fill(row + r.x0, row + r.x1, colour);
    }
}

// Blackens the area except `keep`, a part of it.
void ClearAround(Image& canvas, const Rect& area, const Rect& keep) {
    if (keep.Empty()) {
        Fill(canvas, area, kOpaqueBlack);
        return;
    }
    Fill(canvas, {area.x0, area.y0, area.x1, keep.y0}, kOpaqueBlack);
    Fill(canvas, {area.x0, keep.y0, keep.x0, keep.y1}, kOpaqueBlack);
    Fill(canvas, {keep.x1, keep.y0, area.x1, keep.y1}, kOpaqueBlack);
    Fill(canvas, {area.x0, keep.y1, area.x1, area.y1}, kOpaqueBlack);
}

// Damage is gathered on a grid of tiles: overlapping changes count once, and the result is a
// few rectangles, each a run of tiles of one row, or of several rows when their runs match.
constexpr int kTileSide = 32;

// The bounds of the draws that differ: position by position when both lists are as long,
// else everything between their common beginning and common end.
std::vector<Rect> ChangedBounds(const DrawList& before, const DrawList& after) {
    std::vector<Rect> changed;
    if (before.size() == after.size()) {
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i] == after[i]) continue;
            changed.push_back(before[i].bounds);
            if (!(after[i].bounds == before[i].bounds)) changed.push_back(after[i].bounds);
        }
        return changed;
    }
    const size_t shorter = std::min(before.size(), after.size());
    size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    for (const DrawList* list : {&before, &after}) {
        for (size_t i = head; i + tail < list->size(); ++i) changed.push_back((*list)[i].bounds);
    }
    return changed;
}

}  // namespace

DrawCommand DrawCommand::MakeCell(const Texture& texture, const CellRect& cell, const Placement& at,
                                  const Rect& frame) {
    DrawCommand command;
    command.texture = &texture;
    command.cell = cell;
    command.at = at;
    command.bounds = PlacementRect(at).Intersect(frame);
    return command;
}

DrawCommand DrawCommand::MakeText(const Font& font, int32_t x, int32_t y, std::string_view text,
                                  const TextStyle& style, const Rect& frame) {
    DrawCommand command;
    command.kind = Kind::Text;
    command.font = &font;
    command.x = x;
    command.y = y;
    command.style = style;
    command.bounds = TextBounds(font, x, y, text, style).Intersect(frame);
    if (!command.bounds.Empty()) command.text = text;
    return command;
}

void DrawCommand::Draw(Image& canvas, const Rect& clip) const {
    if (kind == Kind::Cell) {
        DrawCell(canvas, clip, *texture, cell, at);
    } else {
        DrawText(canvas, clip, *font, x, y, text, style);
    }
}

bool DrawCommand::operator==(const DrawCommand& other) const {
    if (kind != other.kind || !(bounds == other.bounds)) return false;
    if (kind == Kind::Cell) {
        return texture == other.texture && cell == other.cell && at.x == other.at.x &&
               at.y == other.at.y && at.width == other.at.width && at.height == other.at.height &&
               at.mirrored == other.at.mirrored;
    }
    return font == other.font && x == other.x && y == other.y && style == other.style &&
           text == other.text;
}

void Render(const DrawList& list, Image& canvas, const Rect& area) {
    if (area.Empty()) return;
    size_t start = list.size();
    for (size_t i = list.size(); i-- > 0;) {
        if (list[i].CoversOpaque() && Contains(list[i].bounds, area)) {
            start = i;
            break;
        }
    }
    if (start == list.size()) {
        // Nothing hides the whole area: black first, except under an opaque first draw.
        start = 0;
        while (start < list.size() && list[start].bounds.Intersect(area).Empty()) ++start;
        const bool opaqueFirst = start < list.size() && list[start].CoversOpaque();
        ClearAround(canvas, area, opaqueFirst ? list[start].bounds.Intersect(area) : Rect{});
    }
    for (size_t i = start; i < list.size(); ++i) {
        if (!list[i].bounds.Intersect(area).Empty()) list[i].Draw(canvas, area);
    }
}

std::vector<Rect> Damage(const DrawList& before, const DrawList& after, const Rect& frame) {
    std::vector<Rect> changed = ChangedBounds(before, after);
    if (changed.empty()) return {};
    const int64_t columns = (frame.x1 + kTileSide - 1) / kTileSide;
    const int64_t rows = (frame.y1 + kTileSide - 1) / kTileSide;
    std::vector<uint8_t> marked(static_cast<size_t>(columns * rows), 0);
    size_t count = 0;
    for (const Rect& r : changed) {
        if (r.Empty()) continue;
        for (int64_t ty = r.y0 / kTileSide; ty <= (r.y1 - 1) / kTileSide; ++ty) {
            for (int64_t tx = r.x0 / kTileSide; tx <= (r.x1 - 1) / kTileSide; ++tx) {
                uint8_t& tile = marked[static_cast<size_t>(ty * columns + tx)];
                count += tile == 0;
                tile = 1;
            }
        }
    }
    // Past most of the frame one full redraw is cheaper than many pieces.
    if (count * 10 >= marked.size() * 6) return {frame};

    std::vector<Rect> rects;
    std::vector<size_t> above, current;  // rectangles ending at the previous and this tile row
    for (int64_t ty = 0; ty < rows; ++ty) {
        current.clear();
        for (int64_t tx = 0; tx < columns;) {
            if (!marked[static_cast<size_t>(ty * columns + tx)]) {
                ++tx;
                continue;
            }
            int64_t start = tx;
            while (tx < columns && marked[static_cast<size_t>(ty * columns + tx)]) ++tx;
            Rect run{start * kTileSide, ty * kTileSide, std::min(tx * kTileSide, frame.x1),
                     std::min((ty + 1) * kTileSide, frame.y1)};
            auto same = std::find_if(above.begin(), above.end(), [&](size_t k) {
                return rects[k].x0 == run.x0 && rects[k].x1 == run.x1;
            });
            if (same != above.end()) {
                rects[*same].y1 = run.y1;
                current.push_back(*same);
            } else {
                current.push_back(rects.size());
                rects.push_back(run);
            }
        }
        std::swap(above, current);
    }
    return rects;
}

}  // namespace lexo
