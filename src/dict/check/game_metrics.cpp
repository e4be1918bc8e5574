#include "dict/check/game_metrics.h"

#include <cstdint>

#include "dft/text_layout.h"
#include "records/field_geometry.h"
#include "text/file_reader.h"

namespace lexo::dict {

std::expected<GameMetrics, std::string> LoadGameMetrics(const std::filesystem::path& gameDir) {
    const std::filesystem::path path = gameDir / "data" / "font.dft";
    const std::expected<std::string, FileError> font = ReadFile(path.string());
    if (!font) return std::unexpected(font.error().Text());
    auto parsed = ParseDft({reinterpret_cast<const uint8_t*>(font->data()), font->size()});
    if (!parsed) return std::unexpected(path.string() + " is not a .dft font");
    GameMetrics metrics{std::move(*parsed)};
    metrics.wordRoom = kFieldWidth - (kPlayerBoxX + kPlayerBoxWidth);
    return metrics;
}

int32_t DrawnWidth(const GameMetrics& metrics, std::string_view word, TextEncoding encoding) {
    return static_cast<int32_t>(TextWidth(metrics.wordFont, metrics.wordGlyphs, word, encoding));
}

size_t FirstWithoutGlyph(const GameMetrics& metrics, std::string_view word, TextEncoding encoding) {
    const char* end = word.data() + word.size();
    size_t column = 1;
    for (const char* at = word.data(); at != end; ++column) {
        if (metrics.wordGlyphs.Next(at, end, encoding).missing) return column;
    }
    return 0;
}

}  // namespace lexo::dict
