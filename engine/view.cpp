#include "view.h"

#include <algorithm>
#include <cstring>

#include "scale_rows.h"

namespace lexo {

void View::SetPanel(int width, int height) {
    const bool own = width <= 0 || height <= 0;
    panelWidth_ = own ? 0 : width;
    panelHeight_ = own ? 0 : height;
    fitted_ = false;
}

View::Samples View::MapSamples(int source, int shown, int whole) {
    Samples samples;
    samples.index.resize(static_cast<size_t>(shown));
    samples.next.resize(static_cast<size_t>(shown));
    samples.weight.resize(static_cast<size_t>(shown));
    for (int d = 0; d < shown; ++d) {
        int64_t index = d / std::max(whole, 1);
        int64_t weight = 0;
        if (whole == 0) {
            // The scene position of the panel pixel's centre, in 128ths of a scene pixel.
            const int64_t at =
                std::max<int64_t>((2 * int64_t{d} + 1) * source * 64 / shown - 64, 0);
            index = at >> 7;
            weight = at & (kLerpOne - 1);
        }
        index = std::min<int64_t>(index, source - 1);
        samples.index[static_cast<size_t>(d)] = static_cast<int32_t>(index);
        // Exactly on a scene pixel (always at a whole-number scale): that one pixel, twice.
        const bool exact = weight == 0 || index == source - 1;
        const int64_t next = exact ? index : index + 1;
        if (exact) weight = kLerpOne / 2;
        samples.next[static_cast<size_t>(d)] = static_cast<int32_t>(next);
        samples.weight[static_cast<size_t>(d)] = static_cast<uint16_t>(weight);
    }
    return samples;
}

void View::Fit(int sceneWidth, int sceneHeight, int panelWidth, int panelHeight) {
    fittedFor_[0] = sceneWidth;
    fittedFor_[1] = sceneHeight;
    fittedFor_[2] = panelWidth;
    fittedFor_[3] = panelHeight;
    fitted_ = true;
    identity_ = panelWidth == sceneWidth && panelHeight == sceneHeight;
    placed_ = {0, 0, panelWidth, panelHeight};
    if (identity_) {
        shown_ = Image{};
        return;
    }
    // The largest size with the scene's proportions: the side that limits it is filled.
    int64_t width = panelWidth;
    int64_t height = int64_t{panelWidth} * sceneHeight / sceneWidth;
    if (height > panelHeight) {
        height = panelHeight;
        width = int64_t{panelHeight} * sceneWidth / sceneHeight;
    }
    width = std::max<int64_t>(width, 1);
    height = std::max<int64_t>(height, 1);
    const bool whole = width % sceneWidth == 0 && height % sceneHeight == 0 &&
                       width / sceneWidth == height / sceneHeight;
    whole_ = whole ? static_cast<int>(width / sceneWidth) : 0;
    const int64_t left = (panelWidth - width) / 2;
    const int64_t top = (panelHeight - height) / 2;
    placed_ = {left, top, left + width, top + height};
    columns_ = MapSamples(sceneWidth, static_cast<int>(width), whole_);
    rows_ = MapSamples(sceneHeight, static_cast<int>(height), whole_);
    shown_.width = panelWidth;
    shown_.height = panelHeight;
    shown_.pixels.assign(static_cast<size_t>(panelWidth) * panelHeight, kMarginColour);
}

void View::Update(const Image& scene, std::span<const Rect> sceneChanges,
                  std::vector<Rect>& shownChanges) {
    if (scene.width <= 0 || scene.height <= 0) return;
    const int panelWidth = panelWidth_ > 0 ? panelWidth_ : scene.width;
    const int panelHeight = panelHeight_ > 0 ? panelHeight_ : scene.height;
    const int size[4] = {scene.width, scene.height, panelWidth, panelHeight};
    if (!fitted_ || !std::equal(size, size + 4, fittedFor_)) {
        Fit(scene.width, scene.height, panelWidth, panelHeight);
        if (!identity_) Scale(scene, placed_);
        shownChanges.push_back({0, 0, panelWidth, panelHeight});
        return;
    }
    if (identity_) {
        shownChanges.insert(shownChanges.end(), sceneChanges.begin(), sceneChanges.end());
        return;
    }
    for (const Rect& change : sceneChanges) {
        const Rect area = ShownRect(change);
        if (area.Empty()) continue;
        Scale(scene, area);
        shownChanges.push_back(area);
    }
}

Rect View::ShownRect(const Rect& r) const {
    // Panel pixel d samples scene pixels index[d] and next[d]; both grow with d.
    auto span = [](const Samples& s, int64_t from, int64_t to, int64_t origin) {
        auto first = std::partition_point(s.next.begin(), s.next.end(),
                                          [&](int32_t next) { return next < from; });
        auto last = std::partition_point(s.index.begin(), s.index.end(),
                                         [&](int32_t index) { return index < to; });
        return std::pair{origin + (first - s.next.begin()), origin + (last - s.index.begin())};
    };
    const auto [x0, x1] = span(columns_, r.x0, r.x1, placed_.x0);
    const auto [y0, y1] = span(rows_, r.y0, r.y1, placed_.y0);
    return {x0, y0, x1, y1};
}

void View::Scale(const Image& scene, const Rect& area) {
    if (whole_ == 0) {
        ScaleSmooth(scene, area);
        return;
    }
    const auto width = static_cast<size_t>(area.x1 - area.x0);
    const int32_t* column = columns_.index.data() + (area.x0 - placed_.x0);
    for (int64_t y = area.y0; y < area.y1; ++y) {
        Pixel* dst = shown_.Row(static_cast<int>(y)) + area.x0;
        const int64_t row = y - placed_.y0;
        // The rows of one scene row's square are alike.
        if (y > area.y0 && row % whole_ != 0) {
            std::memcpy(dst, dst - shown_.width, width * sizeof(Pixel));
            continue;
        }
        const Pixel* src = scene.Row(rows_.index[static_cast<size_t>(row)]);
        for (size_t i = 0; i < width; ++i) dst[i] = src[column[i]];
    }
}

void View::ScaleSmooth(const Image& scene, const Rect& area) {
    const auto width = static_cast<size_t>(area.x1 - area.x0);
    const size_t offset = static_cast<size_t>(area.x0 - placed_.x0);
    const int32_t* index = columns_.index.data() + offset;
    const int32_t* next = columns_.next.data() + offset;
    const uint16_t* weight = columns_.weight.data() + offset;
    rowOf_[0] = rowOf_[1] = -1;
    // Scene row `row` scaled across the area's columns, kept in a slot not holding `keep`.
    auto across = [&](int32_t row, int32_t keep) -> const Pixel* {
        for (int slot = 0; slot < 2; ++slot) {
            if (rowOf_[slot] == row) return across_[slot].data();
        }
        const int slot = rowOf_[0] == keep ? 1 : 0;
        std::vector<Pixel>& out = across_[slot];
        out.resize(width);
        ScaleAcross(out.data(), scene.Row(row), static_cast<size_t>(scene.width), index, next,
                    weight, width);
        rowOf_[slot] = row;
        return out.data();
    };
    for (int64_t y = area.y0; y < area.y1; ++y) {
        const auto row = static_cast<size_t>(y - placed_.y0);
        const int32_t upper = rows_.index[row];
        const int32_t lower = rows_.next[row];
        const uint32_t down = rows_.weight[row];
        Pixel* dst = shown_.Row(static_cast<int>(y)) + area.x0;
        const Pixel* top = across(upper, lower);
        if (upper == lower) {
            std::memcpy(dst, top, width * sizeof(Pixel));
            continue;
        }
        const Pixel* bottom = across(lower, upper);
        BlendDown(dst, top, bottom, down, width);
    }
}

}  // namespace lexo
