#include "sprite_sheet.h"

#include <stdexcept>

namespace lexo {

Image ComposeSheet(const SheetLayout& layout, const std::vector<Image>& frames) {
    if (static_cast<int>(frames.size()) != layout.frameCount ||
        layout.frameCount > layout.columns * layout.rows) {
        throw std::logic_error(layout.file + ": frame count does not fit the sheet");
    }
    Image sheet(layout.frameWidth * layout.columns, layout.frameHeight * layout.rows);
    for (int n = 0; n < layout.frameCount; ++n) {
        const Image& frame = frames[static_cast<size_t>(n)];
        if (frame.Width() != layout.frameWidth || frame.Height() != layout.frameHeight) {
            throw std::logic_error(layout.file + ": a frame has the wrong size");
        }
        sheet.Paste(frame, (n % layout.columns) * layout.frameWidth,
                    (n / layout.columns) * layout.frameHeight);
    }
    return sheet;
}

}  // namespace lexo
