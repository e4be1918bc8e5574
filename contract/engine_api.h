#pragma once

// The calling forms of the engine entries the game uses. The engine library exports them with
// C linkage under these names; the game reaches them only through EngineEntries.
//
// Handles (texture, font, sample) are 32-bit, counting up from 1; 0 means a failed load, and
// every operation given 0 or an unknown handle does nothing. Texts and paths are CP1251,
// NUL-terminated, paths relative to the working directory. Colours are 0x00BBGGRR.

#include <cstdint>

namespace lexo {

using EngineHandle = uint32_t;
using EngineProcedure = void (*)();  // a callback the engine calls: kind 0 draw, kind 2 load

using DLL_verFn = uint8_t (*)();  // library version, 1 or more
using RegProcedureFn = void (*)(int32_t kind, EngineProcedure procedure);
using PleaseNoLogoFn = void (*)();  // no start-up logo
using SetEngineInitParametrsFn = void (*)(int32_t width, int32_t height, int32_t bitsPerPixel,
                                          int32_t, int32_t, int32_t, int32_t, int32_t);
using StartEngine_DrawToPanelFn = void (*)(unsigned long window);  // X11 window id, 0: none
using UpdateRenderRectFn = void (*)(int32_t width, int32_t height);
using EngineMainDrawFn = void (*)();  // draws and presents a frame
using QuitEngineFn = void (*)();
using DirectSoundInitFn = void (*)();
using LoadTextureFromFileFn = EngineHandle (*)(const char* path, int32_t flags, int32_t colourKey);
using LoadFontFromFileFn = EngineHandle (*)(const char* path);              // a .dft bitmap font
using LoadSampleFn = EngineHandle (*)(const char* path, int32_t, int32_t);  // a WAV file
using SetSampleVolumeFn = void (*)(EngineHandle sample, int32_t percent);
using PlaySampleFn = void (*)(EngineHandle sample);
using FreeSampleFn = void (*)(EngineHandle sample);
using PlayMusicFn = void (*)(const char* path, int32_t loop);
using Begin2DFn = void (*)();
using End2DFn = void (*)();
using DrawTexture2D_SimpleFn = void (*)(EngineHandle texture, int32_t x, int32_t y, int32_t width,
                                        int32_t height, int32_t, int32_t);
using DrawSprite2D_SimpleFn = void (*)(EngineHandle texture, int32_t x, int32_t y,
                                       int32_t frameWidth, int32_t frameHeight, int32_t columns,
                                       int32_t rows, int32_t frame, bool mirror, int32_t);
using DrawText2DFn = void (*)(EngineHandle font, int32_t x, int32_t y, const char* text,
                              int32_t colour, int32_t alpha, double scale);
using PrintScreenFn = void (*)(const char* path);  // writes the last finished frame as a BMP

// Optional entries: an engine may lack them; the game then keeps to the classic entries.
// DrawText2D for UTF-8 text: characters the font has no glyph for draw as a replacement mark.
using DrawText2D_UTF8Fn = void (*)(EngineHandle font, int32_t x, int32_t y, const char* utf8,
                                   int32_t colour, int32_t alpha, double scale);
// DrawText2D_UTF8 for words in any script: a word whose every character the font holds draws
// exactly as DrawText2D_UTF8 draws it; any other is shaped and drawn from the system's fonts at
// the font's line height, in the text colour with the font's outline.
using DrawText2D_ShapedFn = void (*)(EngineHandle font, int32_t x, int32_t y, const char* utf8,
                                     int32_t colour, int32_t alpha, double scale);
// Speech of a short UTF-8 text with the espeak-ng voice of that name ("de", "en-us"), on a
// channel of its own over the music. PrepareSpeech synthesises the text in the engine's own
// thread, ahead of need; Speak cuts the text being spoken and says this one as soon as it is
// synthesised. Without espeak-ng, or a voice of that name, both do nothing.
using PrepareSpeechFn = void (*)(const char* voice, const char* utf8);
using SpeakFn = void (*)(const char* voice, const char* utf8);

// Entries the game binds but never calls.
using UnusedEntryFn = void (*)();

}  // namespace lexo
