#include "dict/game_metrics.h"

#include <algorithm>
#include <cstdint>

#include "dict/commands.h"
#include "errors/run_time_error.h"
#include "game/field_geometry.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace lexo::dict {

std::optional<GameMetrics> LoadGameMetrics(const std::filesystem::path& gameDir,
                                           std::string& problem) {
    const std::filesystem::path path = gameDir / "data" / "font.dft";
    std::string font;
    try {
        font = ReadBoundedFile(path.string(), kFileLimit);
    } catch (const RunTimeError& error) {
        problem = Cp1251ToUtf8(error.what());
        return std::nullopt;
    }
    const auto parsed = ParseDft({reinterpret_cast<const uint8_t*>(font.data()), font.size()});
    if (!parsed) {
        problem = path.string() + " is not a .dft font";
        return std::nullopt;
    }
    return GameMetrics{*parsed, kFieldWidth - (kPlayerBoxX + kPlayerBoxWidth)};
}

int32_t DrawnWidth(const DftFont& font, std::string_view cp1251) {
    int64_t pen = 0;
    int64_t left = 0;
    int64_t right = 0;
    for (char c : cp1251) {
        const DftGlyph& glyph = font.glyphs[static_cast<unsigned char>(c)];
        if (glyph.width > 0) {
            left = std::min<int64_t>(left, pen + glyph.left);
            right = std::max<int64_t>(right, pen + glyph.left + glyph.width);
        }
        pen += glyph.advance;
    }
    return static_cast<int32_t>(right - left);
}

}  // namespace lexo::dict
