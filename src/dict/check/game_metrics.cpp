#include "dict/check/game_metrics.h"

#include <cstdint>

#include "dft/text_layout.h"
#include "error_type/run_time_error.h"
#include "game_types/field_geometry.h"
#include "text/cp1251.h"
#include "text/file_reader.h"
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
    auto parsed = ParseDft({reinterpret_cast<const uint8_t*>(font.data()), font.size()});
    if (!parsed) {
        problem = path.string() + " is not a .dft font";
        return std::nullopt;
    }
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
