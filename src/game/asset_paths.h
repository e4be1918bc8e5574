#pragma once

#include <cstdint>

namespace lexo {

// Content files, relative to the game folder (the working directory).
inline constexpr const char* kBackgroundPath = "data/fon.bmp";
inline constexpr const char* kPlayerPath = "data/player.bmp";
inline constexpr const char* kDeadPlayerPath = "data/dethplayer.bmp";
inline constexpr const char* kWordFontPath = "data/font.dft";
inline constexpr const char* kBannerFontPath = "data/font2.dft";
inline constexpr const char* kFireSamplePath = "data/fire.wav";
inline constexpr const char* kDieSamplePath = "data/die.wav";
inline constexpr const char* kMusicPath = "data/music.mp3";
inline constexpr const char* kMonsterCataloguePath = "monsters.txt";
inline constexpr const char* kDataFolder = "data/";
inline constexpr const char* kMonsterFileExtension = ".mon";

// Sprite sheets are keyed on pure blue (0x00BBGGRR); the background has no key.
inline constexpr int32_t kSpriteColourKey = 0xFF0000;
inline constexpr int32_t kNoColourKey = -1;

}  // namespace lexo
