#pragma once

#include <cstdint>

namespace lexo {

// The fixed geometry of the field, in pixels from its top-left corner, y downward.
inline constexpr int32_t kFieldWidth = 800;
inline constexpr int32_t kFieldHeight = 512;

// The picture the game draws: the panel of the main window at its designed size. The engine
// scales it into the panel's real size, so a maximised window or a high-density screen shows
// the same game, larger.
inline constexpr int32_t kSceneWidth = 802;
inline constexpr int32_t kSceneHeight = 511;

// The player's sprite, and the point every monster's top-left corner walks toward.
inline constexpr int32_t kPlayerX = 400;
inline constexpr int32_t kPlayerY = 200;
inline constexpr int32_t kPlayerFrameWidth = 78;
inline constexpr int32_t kPlayerFrameHeight = 84;
inline constexpr int32_t kPlayerFrames = 3;      // standing, then the two shot frames
inline constexpr int32_t kDeadPlayerFrames = 7;  // the dying player's sheet

// The player's collision box: narrower than the drawn figure.
inline constexpr int32_t kPlayerBoxX = 406;
inline constexpr int32_t kPlayerBoxY = 200;
inline constexpr int32_t kPlayerBoxWidth = 53;
inline constexpr int32_t kPlayerBoxHeight = 84;

// A monster's word is drawn this far above its top edge.
inline constexpr int32_t kWordRise = 20;

}  // namespace lexo
