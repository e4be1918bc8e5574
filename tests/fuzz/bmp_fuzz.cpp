// A bitmap file of any bytes: the reader refuses it or gives a picture that the engine's own
// writer and reader carry over unchanged, and whose sheet cells draw inside the frame whole,
// stretched, shrunk and mirrored, with and without a colour key.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "bmp.h"
#include "draw_list.h"
#include "frame.h"
#include "fuzz_check.h"
#include "sprites/blit.h"
#include "textures.h"

namespace {

bool SamePicture(const lexo::Image& a, const lexo::Image& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

void DrawSheet(lexo::Frame& frame, const lexo::Texture& texture) {
    const lexo::Image& picture = texture.Picture();
    const lexo::Placement placements[] = {
        {0, 0, picture.width, picture.height, false},
        {-3, 5, picture.width, picture.height, true},
        {10, -7, 2 * picture.width + 1, 3, false},
        {20, 20, 7, 2 * picture.height + 5, true},
        {-2147483647 - 1, 0, 2147483647, 2147483647, false},
    };
    const int32_t sheets[][3] = {{1, 1, 1}, {3, 2, 4}, {4, 1, 4}, {2, 5, 10}, {7, 7, 49}};
    frame.Begin();
    for (const auto& sheet : sheets) {
        const std::optional<lexo::CellRect> cell =
            lexo::SheetCell(picture, sheet[0], sheet[1], sheet[2]);
        if (!cell) continue;
        for (const lexo::Placement& at : placements) {
            frame.Record(lexo::DrawCommand::MakeCell(texture, *cell, at, frame.Bounds()));
        }
    }
    frame.End();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<lexo::Image> image = lexo::DecodeBmp(std::span(data, size));
    if (!image) return 0;
    LEXO_FUZZ_CHECK(image->width >= 1 && image->height >= 1);
    LEXO_FUZZ_CHECK(image->pixels.size() == static_cast<size_t>(image->width) * image->height);
    const std::optional<lexo::Image> again = lexo::DecodeBmp(lexo::EncodeBmp24(*image));
    LEXO_FUZZ_CHECK(again && SamePicture(*again, *image));

    static lexo::Frame frame;
    if (!frame.Exists()) frame.Resize(64, 48);
    lexo::Texture plain(*image);
    DrawSheet(frame, plain);
    lexo::Texture keyed(std::move(*image));
    keyed.ApplyColourKey(keyed.Picture().pixels[0] & 0xFFFFFF);
    DrawSheet(frame, keyed);
    return 0;
}
