#include "draw_list.h"

#include <algorithm>
#include <bit>
#include <new>
#include <variant>

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

// The commands a painting lays: a picture standing for the list's first ones, when there is
// one, then the rest of the list.
class LaidList {
  public:
    LaidList(const DrawList& list, const Underlay* underlay)
        : under_(underlay != nullptr ? &underlay->picture : nullptr),
          rest_(std::span(list).subspan(underlay != nullptr ? underlay->hides : 0)) {}

    size_t size() const { return rest_.size() + (under_ != nullptr); }
    const DrawCommand& operator[](size_t i) const {
        if (under_ == nullptr) return rest_[i];
        return i == 0 ? *under_ : rest_[i - 1];
    }

  private:
    const DrawCommand* under_;
    std::span<const DrawCommand> rest_;
};

// Paints from the command the area starts with: the last one that hides it whole, or else the
// first, over black wherever that one leaves the black showing. `covers` lists the commands
// that cover their bounds opaquely, in list order.
size_t StartArea(const LaidList& list, const std::vector<size_t>& covers, Image& canvas,
                 const Rect& area) {
    for (size_t k = covers.size(); k-- > 0;) {
        if (Contains(list[covers[k]].bounds, area)) return covers[k];
    }
    size_t first = 0;
    while (first < list.size() && list[first].bounds.Intersect(area).Empty()) ++first;
    const bool opaqueFirst = first < list.size() && list[first].CoversOpaque();
    ClearAround(canvas, area, opaqueFirst ? list[first].bounds.Intersect(area) : Rect{});
    return first;
}

using Blit = std::variant<CellBlit, TextBlit>;

Blit MakeBlit(const DrawCommand& command) {
    if (command.kind == DrawCommand::Kind::Cell) {
        return Blit(std::in_place_type<CellBlit>, *command.texture, command.cell, command.at,
                    command.spans.get());
    }
    return Blit(std::in_place_type<TextBlit>, *command.font, command.x, command.y, command.glyphs,
                command.style, command.image.get());
}

// What painting a list lays, in list order: each draw that shows somewhere, and the pieces of
// the areas it is laid onto (pieces stacked in the same columns joined into one).
struct PaintPlan {
    std::vector<Blit> blits;
    std::vector<size_t> piecesEnd;  // the pieces of blit k: [piecesEnd[k - 1], piecesEnd[k])
    std::vector<Rect> pieces;
};

// Lays the plan onto the canvas, draw by draw in list order.
void Lay(const PaintPlan& plan, Image& canvas) {
    size_t begin = 0;
    for (size_t k = 0; k < plan.blits.size(); ++k) {
        const size_t end = plan.piecesEnd[k];
        std::visit(
            [&](const auto& blit) {
                for (size_t p = begin; p < end; ++p) blit.Draw(canvas, plan.pieces[p]);
            },
            plan.blits[k]);
        begin = end;
    }
}

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

// Damage is gathered in bands of kBandRows rows, exact to the column within a band: one bit per
// column in each band. Runs of changed columns closer than kJoinGap become one rectangle, since
// a few more pixels cost less than one more piece to lay every draw onto.
constexpr int64_t kBandRows = 16;
constexpr int64_t kJoinGap = 32;

// Columns [from, to) (from >= 0) as bits: the words they touch and those words' bits, worked
// out once for all the bands a change spans.
class ColumnMask {
  public:
    ColumnMask(int64_t from, int64_t to)
        : first_(from / 64),
          last_((to - 1) / 64),
          firstBits_(~uint64_t{0} << (from % 64)),
          lastBits_(to % 64 == 0 ? ~uint64_t{0} : (uint64_t{1} << (to % 64)) - 1) {}

    void MarkIn(uint64_t* words) const {
        if (first_ == last_) {
            words[first_] |= firstBits_ & lastBits_;
            return;
        }
        words[first_] |= firstBits_;
        for (int64_t w = first_ + 1; w < last_; ++w) words[w] = ~uint64_t{0};
        words[last_] |= lastBits_;
    }

  private:
    int64_t first_, last_;
    uint64_t firstBits_, lastBits_;
};

// The columns of one band, one bit each.
class ColumnBits {
  public:
    ColumnBits(const uint64_t* words, int64_t columns) : words_(words), columns_(columns) {}

    // The first column at or after `from` whose bit is `value`; columns when there is none.
    int64_t Next(int64_t from, bool value) const {
        for (int64_t w = from / 64; w * 64 < columns_; ++w) {
            uint64_t bits = value ? words_[w] : ~words_[w];
            if (w == from / 64) bits &= ~uint64_t{0} << (from % 64);
            if (bits != 0) return std::min(w * 64 + std::countr_zero(bits), columns_);
        }
        return columns_;
    }

  private:
    const uint64_t* words_;
    int64_t columns_;
};

}  // namespace

DrawCommand DrawCommand::MakeCell(const Texture& texture, const CellRect& cell, const Placement& at,
                                  const Rect& frame) {
    DrawCommand command;
    command.texture = &texture;
    command.cell = cell;
    command.at = at;
    command.spans = SpansToLay(texture, cell, at);
    command.bounds = CellBounds(command.spans.get(), at).Intersect(frame);
    return command;
}

DrawCommand DrawCommand::MakeText(const Font& font, int32_t x, int32_t y, GlyphRun glyphs,
                                  const TextStyle& style, const Rect& frame) {
    DrawCommand command;
    command.kind = Kind::Text;
    command.font = &font;
    command.x = x;
    command.y = y;
    command.style = style;
    command.bounds = TextBounds(font, x, y, glyphs, style).Intersect(frame);
    if (!command.bounds.Empty()) {
        command.image = ImageToLay(font, glyphs, style);
        command.glyphs = std::move(glyphs);
    }
    return command;
}

DrawCommand DrawCommand::MakeWord(const Font& font, int32_t x, int32_t y,
                                  std::shared_ptr<const TextImage> image, const TextStyle& style,
                                  const Rect& frame) {
    DrawCommand command;
    command.kind = Kind::Text;
    command.font = &font;
    command.x = x;
    command.y = y;
    command.style = style;
    if (image != nullptr && !image->Box().Empty()) {
        const Rect& box = image->Box();
        command.bounds = Rect{x + box.x0, y + box.y0, x + box.x1, y + box.y1}.Intersect(frame);
    }
    if (!command.bounds.Empty()) command.image = std::move(image);
    return command;
}

bool DrawCommand::operator==(const DrawCommand& other) const {
    if (kind != other.kind || !(bounds == other.bounds)) return false;
    if (kind == Kind::Cell) {
        return texture == other.texture && cell == other.cell && at.x == other.at.x &&
               at.y == other.at.y && at.width == other.at.width && at.height == other.at.height &&
               at.mirrored == other.at.mirrored;
    }
    // A kept word is one image for as long as it is kept.
    return font == other.font && x == other.x && y == other.y && style == other.style &&
           glyphs == other.glyphs && (!glyphs.empty() || image == other.image);
}

namespace {

// Starts each area (blackening what its first command leaves showing) and gathers, command by
// command, the pieces of the areas it is laid onto.
PaintPlan PlanPainting(const LaidList& list, Image& canvas, std::span<const Rect> areas) {
    std::vector<size_t> covers;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].CoversOpaque()) covers.push_back(i);
    }
    std::vector<size_t> start(areas.size());
    std::vector<size_t> bandEnds;  // areas [bandEnds[k - 1], bandEnds[k]) share their rows
    for (size_t a = 0; a < areas.size(); ++a) {
        if (!areas[a].Empty()) start[a] = StartArea(list, covers, canvas, areas[a]);
        const bool sameRows =
            a > 0 && areas[a].y0 == areas[a - 1].y0 && areas[a].y1 == areas[a - 1].y1;
        if (a > 0 && !sameRows) bandEnds.push_back(a);
    }
    if (!areas.empty()) bandEnds.push_back(areas.size());

    PaintPlan plan;
    // Room made once: most draws are laid onto a few pieces.
    plan.blits.reserve(list.size());
    plan.piecesEnd.reserve(list.size());
    plan.pieces.reserve(areas.size() + 4 * list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        const Rect& bounds = list[i].bounds;
        const size_t firstPiece = plan.pieces.size();
        // The bands in the command's rows, and in each the areas in its columns.
        auto band = std::partition_point(bandEnds.begin(), bandEnds.end(), [&](size_t end) {
            return areas[end - 1].y1 <= bounds.y0;
        });
        for (; band != bandEnds.end(); ++band) {
            const size_t begin = band == bandEnds.begin() ? 0 : *(band - 1);
            if (areas[begin].y0 >= bounds.y1) break;
            auto area = std::partition_point(areas.begin() + begin, areas.begin() + *band,
                                             [&](const Rect& r) { return r.x1 <= bounds.x0; });
            for (; area != areas.begin() + *band && area->x0 < bounds.x1; ++area) {
                if (start[area - areas.begin()] > i) continue;
                const Rect piece = bounds.Intersect(*area);
                if (piece.Empty()) continue;
                // The same columns as the piece just above it in the band before: one piece.
                if (plan.pieces.size() > firstPiece) {
                    Rect& above = plan.pieces.back();
                    if (above.x0 == piece.x0 && above.x1 == piece.x1 && above.y1 == piece.y0) {
                        above.y1 = piece.y1;
                        continue;
                    }
                }
                plan.pieces.push_back(piece);
            }
        }
        if (plan.pieces.size() == firstPiece) continue;
        plan.blits.push_back(MakeBlit(list[i]));
        plan.piecesEnd.push_back(plan.pieces.size());
    }
    return plan;
}

}  // namespace

void Render(const DrawList& drawn, Image& canvas, std::span<const Rect> areas,
            const Underlay* underlay) {
    const PaintPlan plan = PlanPainting(LaidList(drawn, underlay), canvas, areas);
    Lay(plan, canvas);
}

std::vector<Rect> Damage(const DrawList& before, const DrawList& after, const Rect& frame) {
    const std::vector<Rect> changed = ChangedBounds(before, after);
    if (changed.empty() || frame.Empty()) return {};
    const int64_t bands = (frame.y1 + kBandRows - 1) / kBandRows;
    const int64_t words = (frame.x1 + 63) / 64;
    std::vector<uint64_t> marked(static_cast<size_t>(bands * words), 0);
    for (const Rect& changedRect : changed) {
        const Rect r = changedRect.Intersect(frame);
        if (r.Empty()) continue;
        const ColumnMask columns(r.x0, r.x1);
        for (int64_t band = r.y0 / kBandRows; band <= (r.y1 - 1) / kBandRows; ++band) {
            columns.MarkIn(marked.data() + band * words);
        }
    }

    std::vector<Rect> areas;
    int64_t pixels = 0;
    for (int64_t band = 0; band < bands; ++band) {
        const ColumnBits columns(marked.data() + band * words, frame.x1);
        const int64_t top = band * kBandRows;
        const int64_t bottom = std::min(top + kBandRows, frame.y1);
        const size_t bandStart = areas.size();
        for (int64_t x = columns.Next(0, true); x < frame.x1;) {
            const int64_t end = columns.Next(x, false);
            if (areas.size() > bandStart && x - areas.back().x1 < kJoinGap) {
                pixels += (end - areas.back().x1) * (bottom - top);
                areas.back().x1 = end;
            } else {
                pixels += (end - x) * (bottom - top);
                areas.push_back({x, top, end, bottom});
            }
            x = end < frame.x1 ? columns.Next(end, true) : frame.x1;
        }
    }
    // Past most of the frame one full repaint is cheaper than many pieces.
    if (pixels * 10 >= frame.x1 * frame.y1 * 6) return {frame};
    return areas;
}

}  // namespace lexo
