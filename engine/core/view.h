#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "pixels.h"

namespace lexo {

// The margins around a scene shown smaller than its panel: a calm dark blue-grey.
inline constexpr Pixel kMarginColour = PixelFromRgb(24, 26, 32);

// What the panel shows: the scene scaled to the largest size that fits the panel with its
// proportions kept, centred, the rest in the margin colour. At whole-number scales every scene
// pixel becomes a square of panel pixels (crisp); otherwise each panel pixel is interpolated
// between its four nearest scene pixels (smooth). At the scene's own size the scene itself is
// shown, and nothing is copied.
class View {
  public:
    // The panel's size; 0 or less on either side: the scene's own size.
    void SetPanel(int width, int height);
    // Brings the shown picture up to the scene where the scene changed (`sceneChanges`, scene
    // pixels) and adds the panel pixels that changed to `shownChanges`. After a change of
    // panel or scene size the whole panel changed.
    void Update(const Image& scene, std::span<const Rect> sceneChanges,
                std::vector<Rect>& shownChanges);
    // The picture the panel shows, of the panel's size (the scene itself at its own size).
    const Image& Shown(const Image& scene) const { return identity_ ? scene : shown_; }
    // The next Update scales the whole scene afresh.
    void Forget() { fitted_ = false; }

  private:
    // How one panel row or column samples the scene: between scene pixels `index` and `next`,
    // `weight` / 128 of the way to `next` (see Lerp).
    struct Samples {
        std::vector<int32_t> index;
        std::vector<int32_t> next;
        std::vector<uint16_t> weight;
    };

    void Fit(int sceneWidth, int sceneHeight, int panelWidth, int panelHeight);
    static Samples MapSamples(int source, int shown, int whole);
    // The panel pixels that show the scene pixels of `r`.
    Rect ShownRect(const Rect& r) const;
    void Scale(const Image& scene, const Rect& area);
    void ScaleSmooth(const Image& scene, const Rect& area);

    int panelWidth_ = 0;
    int panelHeight_ = 0;
    int fittedFor_[4] = {0, 0, 0, 0};  // the scene and panel sizes the fit was made for
    bool fitted_ = false;
    bool identity_ = true;
    int whole_ = 0;  // the whole-number scale, or 0 when it is not one
    Rect placed_;    // where the scene lies in the panel
    Samples columns_;
    Samples rows_;
    Image shown_;
    // Scene rows scaled across, kept while an area is scaled: [slot] holds scene row rowOf_[slot].
    std::vector<Pixel> across_[2];
    int32_t rowOf_[2] = {-1, -1};
};

}  // namespace lexo
