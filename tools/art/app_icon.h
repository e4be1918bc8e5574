#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace lexo {

// The application's icon: the game's wizard, casting, on a round meadow badge, drawn afresh
// at size x size pixels with smooth edges.
RgbaImage MakeAppIcon(int size);

// The icon for any size: an SVG document holding the largest drawing.
std::string MakeScalableAppIcon();

// Writes the icon theme's files under iconsDir (hicolor/SIZE/apps/ID.png for 48, 128 and 256,
// hicolor/scalable/apps/ID.svg) and returns their paths relative to iconsDir.
std::vector<std::string> WriteAppIcons(const std::string& iconsDir, const std::string& id);

}  // namespace lexo
