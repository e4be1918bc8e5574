#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace lexo {

// One sprite sheet as a monster-kind file describes it: frames of frameWidth x frameHeight
// in a grid of columns x rows, filled row by row, the cell size equal to the frame size.
struct SheetLayout {
    std::string file;
    int frameWidth = 0;
    int frameHeight = 0;
    int columns = 0;
    int rows = 0;
    int frameCount = 0;
};

// Lays the frames out on a key-coloured sheet; throws std::logic_error when the frames do not
// match the layout.
Image ComposeSheet(const SheetLayout& layout, const std::vector<Image>& frames);

}  // namespace lexo
