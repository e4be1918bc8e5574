// The library's C entries: exactly the calling forms of contract/engine_api.h, each handing
// its arguments to the engine. Nothing else of the library is visible.

#include <new>
#include <type_traits>

#include "contract/engine_api.h"
#include "engine.h"

#define LEXO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

lexo::Engine& E() { return lexo::Engine::Instance(); }

// The engine's own work can only fail by running out of memory; that must not cross into the
// game as an exception, so such an operation ends having done nothing more.
template <typename Result, typename Work>
Result Guarded(Result failed, Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return failed;
    }
}

template <typename Work>
void Guarded(Work work) {
    try {
        work();
    } catch (const std::bad_alloc&) {
    }
}

}  // namespace

LEXO_EXPORT uint8_t DLL_ver() { return 1; }

LEXO_EXPORT void RegProcedure(int32_t kind, lexo::EngineProcedure procedure) {
    Guarded([&] { E().RegProcedure(kind, procedure); });
}

LEXO_EXPORT void PleaseNoLogo() {}

LEXO_EXPORT void SetEngineInitParametrs(int32_t width, int32_t height, int32_t, int32_t, int32_t,
                                        int32_t, int32_t, int32_t) {
    Guarded([&] { E().SetInitParameters(width, height); });
}

// Runs the kind-2 procedure, whose exceptions belong to the game and pass through.
LEXO_EXPORT void StartEngine_DrawToPanel(unsigned long window) { E().Start(window); }

LEXO_EXPORT void UpdateRenderRect(int32_t width, int32_t height) {
    Guarded([&] { E().UpdateRenderRect(width, height); });
}

// Runs the kind-0 procedure, whose exceptions belong to the game and pass through.
LEXO_EXPORT void EngineMainDraw() { E().MainDraw(); }

LEXO_EXPORT void QuitEngine() { E().Quit(); }

LEXO_EXPORT void DirectSoundInit() { E().Audio().Init(); }

LEXO_EXPORT lexo::EngineHandle LoadTextureFromFile(const char* path, int32_t, int32_t colourKey) {
    return Guarded(0u, [&] { return E().LoadTexture(path, colourKey); });
}

LEXO_EXPORT lexo::EngineHandle LoadFontFromFile(const char* path) {
    return Guarded(0u, [&] { return E().LoadFont(path); });
}

LEXO_EXPORT lexo::EngineHandle LoadSample(const char* path, int32_t, int32_t) {
    return Guarded(0u, [&] { return E().Audio().LoadSample(path); });
}

LEXO_EXPORT void SetSampleVolume(lexo::EngineHandle sample, int32_t percent) {
    E().Audio().SetSampleVolume(sample, percent);
}

LEXO_EXPORT void PlaySample(lexo::EngineHandle sample) {
    Guarded([&] { E().Audio().PlaySample(sample); });
}

LEXO_EXPORT void FreeSample(lexo::EngineHandle sample) { E().Audio().FreeSample(sample); }

LEXO_EXPORT void PlayMusic(const char* path, int32_t loop) {
    Guarded([&] { E().Audio().PlayMusic(path, loop); });
}

LEXO_EXPORT void Begin2D() { E().Begin2D(); }

LEXO_EXPORT void End2D() {
    Guarded([&] { E().End2D(); });
}

LEXO_EXPORT void DrawTexture2D_Simple(lexo::EngineHandle texture, int32_t x, int32_t y,
                                      int32_t width, int32_t height, int32_t, int32_t) {
    Guarded([&] { E().DrawTexture(texture, x, y, width, height); });
}

LEXO_EXPORT void DrawSprite2D_Simple(lexo::EngineHandle texture, int32_t x, int32_t y,
                                     int32_t frameWidth, int32_t frameHeight, int32_t columns,
                                     int32_t rows, int32_t frame, bool mirror, int32_t) {
    Guarded([&] {
        E().DrawSprite(texture, x, y, frameWidth, frameHeight, columns, rows, frame, mirror);
    });
}

LEXO_EXPORT void DrawText2D(lexo::EngineHandle font, int32_t x, int32_t y, const char* text,
                            int32_t colour, int32_t alpha, double scale) {
    Guarded(
        [&] { E().DrawText(font, x, y, text, lexo::TextEncoding::Cp1251, colour, alpha, scale); });
}

LEXO_EXPORT void DrawText2D_UTF8(lexo::EngineHandle font, int32_t x, int32_t y, const char* utf8,
                                 int32_t colour, int32_t alpha, double scale) {
    Guarded(
        [&] { E().DrawText(font, x, y, utf8, lexo::TextEncoding::Utf8, colour, alpha, scale); });
}

LEXO_EXPORT void DrawText2D_Shaped(lexo::EngineHandle font, int32_t x, int32_t y, const char* utf8,
                                   int32_t colour, int32_t alpha, double scale) {
    Guarded([&] { E().DrawShapedText(font, x, y, utf8, colour, alpha, scale); });
}

LEXO_EXPORT void PrepareSpeech(const char* voice, const char* utf8) {
    if (voice == nullptr || utf8 == nullptr) return;
    Guarded([&] { E().Speaker().Prepare(voice, utf8); });
}

LEXO_EXPORT void Speak(const char* voice, const char* utf8) {
    if (voice == nullptr || utf8 == nullptr) return;
    Guarded([&] { E().Speaker().Speak(E().Audio(), voice, utf8); });
}

LEXO_EXPORT void PrintScreen(const char* path) {
    Guarded([&] { E().PrintScreen(path); });
}

// Every entry has exactly the calling form the game binds it with.
#define LEXO_CHECK_ENTRY(name) \
    static_assert(std::is_same_v<decltype(&::name), lexo::name##Fn>, "calling form of " #name)
LEXO_CHECK_ENTRY(DLL_ver);
LEXO_CHECK_ENTRY(RegProcedure);
LEXO_CHECK_ENTRY(PleaseNoLogo);
LEXO_CHECK_ENTRY(SetEngineInitParametrs);
LEXO_CHECK_ENTRY(StartEngine_DrawToPanel);
LEXO_CHECK_ENTRY(UpdateRenderRect);
LEXO_CHECK_ENTRY(EngineMainDraw);
LEXO_CHECK_ENTRY(QuitEngine);
LEXO_CHECK_ENTRY(DirectSoundInit);
LEXO_CHECK_ENTRY(LoadTextureFromFile);
LEXO_CHECK_ENTRY(LoadFontFromFile);
LEXO_CHECK_ENTRY(LoadSample);
LEXO_CHECK_ENTRY(SetSampleVolume);
LEXO_CHECK_ENTRY(PlaySample);
LEXO_CHECK_ENTRY(FreeSample);
LEXO_CHECK_ENTRY(PlayMusic);
LEXO_CHECK_ENTRY(Begin2D);
LEXO_CHECK_ENTRY(End2D);
LEXO_CHECK_ENTRY(DrawTexture2D_Simple);
LEXO_CHECK_ENTRY(DrawSprite2D_Simple);
LEXO_CHECK_ENTRY(DrawText2D);
LEXO_CHECK_ENTRY(DrawText2D_UTF8);
LEXO_CHECK_ENTRY(DrawText2D_Shaped);
LEXO_CHECK_ENTRY(PrepareSpeech);
LEXO_CHECK_ENTRY(Speak);
LEXO_CHECK_ENTRY(PrintScreen);
