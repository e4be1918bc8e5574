#include "core_engine_table.h"

#include <cstring>
#include <optional>
#include <string_view>

#include "draw_list.h"
#include "font.h"
#include "frame.h"
#include "sprites/blit.h"
#include "textures.h"

namespace lexo::fuzz {
namespace {

constexpr uint32_t kKey = 0xFF0000;  // pure blue, 0x00BBGGRR

Image Sheet() {
    Image image;
    image.width = 32;
    image.height = 12;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = i % 3 == 0 ? PixelFromColourRef(kKey) : PixelFromRgb(i, 2 * i, 3 * i);
    }
    return image;
}

DftFont SmallFont() {
    DftFont font;
    font.lineHeight = 4;
    font.ascent = 3;
    font.atlasWidth = 4;
    font.atlasHeight = 4;
    font.coverage.assign(16, 200);
    for (DftGlyph& glyph : font.glyphs) glyph = DftGlyph{1, 0, 2, 3, 0, 1, 3};
    return font;
}

struct Core {
    Frame frame;
    Texture opaque{Sheet()};
    Texture keyed{Sheet()};
    Font font{SmallFont()};

    Core() {
        keyed.ApplyColourKey(kKey);
        frame.Resize(800, 512);
    }

    const Texture* Find(EngineHandle handle) const {
        return handle == 1 ? &opaque : handle == 2 ? &keyed : nullptr;
    }
};

Core& TheCore() {
    static Core core;
    return core;
}

void DrawText(EngineHandle font, int32_t x, int32_t y, const char* text, TextEncoding encoding,
              int32_t colour, int32_t alpha, double scale) {
    Core& core = TheCore();
    if (font != 1 || text == nullptr) return;
    TextStyle style{static_cast<uint32_t>(colour) & 0xFFFFFF, alpha, scale};
    GlyphRun glyphs = core.font.ShownGlyphs(text, encoding, scale, x, core.frame.Bounds().x1);
    core.frame.Record(
        DrawCommand::MakeText(core.font, x, y, std::move(glyphs), style, core.frame.Bounds()));
}

EngineEntries MakeEntries() {
    EngineEntries e;
    e.RegProcedure = [](int32_t, EngineProcedure) {};
    e.PleaseNoLogo = [] {};
    e.SetEngineInitParametrs = [](int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                                  int32_t) {};
    e.StartEngine_DrawToPanel = [](unsigned long) {};
    e.UpdateRenderRect = [](int32_t, int32_t) {};
    e.EngineMainDraw = [] {};
    e.QuitEngine = [] {};
    e.DirectSoundInit = [] {};
    e.LoadTextureFromFile = [](const char* path, int32_t, int32_t) -> EngineHandle {
        return static_cast<EngineHandle>(std::strlen(path) % 3);
    };
    e.LoadFontFromFile = [](const char*) -> EngineHandle { return 1; };
    e.LoadSample = [](const char*, int32_t, int32_t) -> EngineHandle { return 1; };
    e.SetSampleVolume = [](EngineHandle, int32_t) {};
    e.PlaySample = [](EngineHandle) {};
    e.FreeSample = [](EngineHandle) {};
    e.PlayMusic = [](const char*, int32_t) {};
    e.Begin2D = [] { TheCore().frame.Begin(); };
    e.End2D = [] { TheCore().frame.End(); };
    e.DrawTexture2D_Simple = [](EngineHandle texture, int32_t x, int32_t y, int32_t width,
                                int32_t height, int32_t, int32_t) {
        Core& core = TheCore();
        const Texture* found = core.Find(texture);
        if (found == nullptr) return;
        const Image& picture = found->Picture();
        core.frame.Record(
            DrawCommand::MakeCell(*found, CellRect{0, 0, picture.width, picture.height},
                                  Placement{x, y, width, height, false}, core.frame.Bounds()));
    };
    e.DrawSprite2D_Simple = [](EngineHandle texture, int32_t x, int32_t y, int32_t frameWidth,
                               int32_t frameHeight, int32_t columns, int32_t rows, int32_t frame,
                               bool mirror, int32_t) {
        Core& core = TheCore();
        const Texture* found = core.Find(texture);
        if (found == nullptr) return;
        std::optional<CellRect> cell = SheetCell(found->Picture(), columns, rows, frame);
        if (!cell) return;
        core.frame.Record(DrawCommand::MakeCell(
            *found, *cell, Placement{x, y, frameWidth, frameHeight, mirror}, core.frame.Bounds()));
    };
    e.DrawText2D = [](EngineHandle font, int32_t x, int32_t y, const char* text, int32_t colour,
                      int32_t alpha, double scale) {
        DrawText(font, x, y, text, TextEncoding::Cp1251, colour, alpha, scale);
    };
    e.DrawText2D_UTF8 = [](EngineHandle font, int32_t x, int32_t y, const char* text,
                           int32_t colour, int32_t alpha, double scale) {
        DrawText(font, x, y, text, TextEncoding::Utf8, colour, alpha, scale);
    };
    return e;
}

}  // namespace

const EngineEntries& CoreEngineEntries() {
    static const EngineEntries entries = MakeEntries();
    return entries;
}

}  // namespace lexo::fuzz
