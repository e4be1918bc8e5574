#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "contract/engine_api.h"
#include "font.h"
#include "frame.h"
#include "handle_table.h"
#include "presenter_x11.h"
#include "script_words.h"
#include "snapshot_request.h"
#include "sound.h"
#include "speech.h"
#include "textures.h"
#include "view.h"

namespace lexo {

// The engine's whole state and its operations; exports.cpp hands the C entries to the one
// instance. Everything runs on the caller's (the GUI) thread.
class Engine {
  public:
    static Engine& Instance();
    ~Engine();

    // Start-up and the frame loop.
    void RegProcedure(int32_t kind, EngineProcedure procedure);
    void SetInitParameters(int32_t width, int32_t height);
    void Start(unsigned long window);
    void UpdateRenderRect(int32_t width, int32_t height);
    void MainDraw();
    void Quit();

    // Drawing, between Begin2D and End2D.
    void Begin2D();
    void End2D();
    void DrawTexture(uint32_t texture, int32_t x, int32_t y, int32_t width, int32_t height);
    void DrawSprite(uint32_t texture, int32_t x, int32_t y, int32_t frameWidth, int32_t frameHeight,
                    int32_t columns, int32_t rows, int32_t frame, bool mirror);
    void DrawText(uint32_t font, int32_t x, int32_t y, const char* text, TextEncoding encoding,
                  int32_t colour, int32_t alpha, double scale);
    // UTF-8 text: with the font's glyphs when it holds every character, else shaped from the
    // system's fonts in its look.
    void DrawShapedText(uint32_t font, int32_t x, int32_t y, const char* utf8, int32_t colour,
                        int32_t alpha, double scale);
    // Writes the scene at its own size, whatever size the panel shows it at.
    void PrintScreen(const char* path) const;

    // Content.
    uint32_t LoadTexture(const char* path, int32_t colourKey);
    uint32_t LoadFont(const char* path);
    Sound& Audio() { return sound_; }
    Speech& Speaker() { return speech_; }

  private:
    Engine() = default;
    void ResizeFrame(int32_t width, int32_t height);
    // Brings the shown picture up to the frame, noting what changed for the presenter.
    void ShowChanges();

    std::map<int32_t, EngineProcedure> procedures_;
    int32_t width_ = 0;  // 0 until SetEngineInitParametrs or UpdateRenderRect give a size
    int32_t height_ = 0;
    bool started_ = false;
    bool inMainDraw_ = false;
    Frame frame_;                    // the scene, of the size SetEngineInitParametrs gave
    View view_;                      // the scene as the panel shows it
    std::vector<Rect> unpresented_;  // panel pixels changed since the last presenting
    HandleTable<Texture> textures_;
    HandleTable<Font> fonts_;
    ScriptWords scriptWords_;
    Sound sound_;
    Speech speech_;
    X11Presenter presenter_;
    SnapshotRequest snapshot_;
};

}  // namespace lexo
