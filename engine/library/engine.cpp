#include "engine.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "bmp.h"
#include "draw_list.h"
#include "file_bytes.h"
#include "sprites/blit.h"

namespace lexo {
namespace {

constexpr int32_t kDrawProcedure = 0;
constexpr int32_t kLoadProcedure = 2;
// The frame size when the game never gave one: the playing field.
constexpr int32_t kDefaultWidth = 800;
constexpr int32_t kDefaultHeight = 512;
constexpr size_t kMaxFontFileBytes = 64u << 20;

// Sets a flag for the lifetime of a scope, also when a callback throws through it.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace

Engine& Engine::Instance() {
    static Engine engine;
    return engine;
}

Engine::~Engine() { Quit(); }

void Engine::RegProcedure(int32_t kind, EngineProcedure procedure) {
    procedures_[kind] = procedure;
}

void Engine::SetInitParameters(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    if (started_) ResizeFrame(width, height);
}

void Engine::Start(unsigned long window) {
    if (!frame_.Exists()) {
        frame_.Resize(width_ > 0 ? width_ : kDefaultWidth, height_ > 0 ? height_ : kDefaultHeight);
    }
    try {
        presenter_.Start(window);
    } catch (const std::bad_alloc&) {
        // No memory for the window connection: frames are drawn without being shown.
    }
    started_ = true;
    snapshot_.Arm();
    auto load = procedures_.find(kLoadProcedure);
    if (load != procedures_.end() && load->second != nullptr) load->second();
}

void Engine::UpdateRenderRect(int32_t width, int32_t height) {
    if (!started_ || width <= 0 || height <= 0) return;
    // The scene keeps its size; only where and how large it is shown changes.
    view_.SetPanel(std::min(width, kMaxFrameSide), std::min(height, kMaxFrameSide));
}

void Engine::ShowChanges() {
    const std::vector<Rect> changes = frame_.TakeChanges();
    try {
        view_.Update(frame_.Completed(), changes, unpresented_);
    } catch (const std::bad_alloc&) {
        // The changes are gone: the whole picture is scaled afresh next time.
        view_.Forget();
        throw;
    }
}

void Engine::ResizeFrame(int32_t width, int32_t height) {
    // Keep the picture when the size does not really change (a resize event per frame, say).
    if (frame_.Exists() && frame_.Width() == width && frame_.Height() == height) return;
    frame_.Resize(width, height);
}

void Engine::MainDraw() {
    if (!started_ || inMainDraw_) return;
    {
        FlagScope drawing(inMainDraw_);
        auto draw = procedures_.find(kDrawProcedure);
        if (draw != procedures_.end() && draw->second != nullptr) draw->second();
    }
    try {
        // A procedure that forgot End2D still completes its picture.
        frame_.End();
        ShowChanges();
        if (started_) presenter_.Present(view_.Shown(frame_.Completed()), unpresented_);
        unpresented_.clear();
        sound_.StartOpening();
        speech_.PlayWhenReady(sound_);
        // Asked from outside, the picture is what the panel shows, to compare with the screen.
        snapshot_.ServeAfterFrame([this](const char* path) {
            WriteFileBytes(path, EncodeBmp24(view_.Shown(frame_.Completed())));
        });
    } catch (const std::bad_alloc&) {
        // Out of memory: this frame is not shown; the next one tries again.
    }
}

void Engine::Quit() {
    speech_.Shutdown();
    sound_.Shutdown();
    presenter_.Stop();
    frame_.Release();
    view_ = View{};
    unpresented_.clear();
    textures_.RemoveAll();
    scriptWords_.Forget();
    fonts_.RemoveAll();
    started_ = false;
}

void Engine::Begin2D() {
    if (started_) frame_.Begin();
}

void Engine::End2D() { frame_.End(); }

void Engine::DrawTexture(uint32_t texture, int32_t x, int32_t y, int32_t width, int32_t height) {
    const Texture* found = textures_.Find(texture);
    if (found == nullptr || !frame_.Drawing()) return;
    const Image& picture = found->Picture();
    frame_.Record(DrawCommand::MakeCell(*found, CellRect{0, 0, picture.width, picture.height},
                                        Placement{x, y, width, height, false}, frame_.Bounds()));
}

void Engine::DrawSprite(uint32_t texture, int32_t x, int32_t y, int32_t frameWidth,
                        int32_t frameHeight, int32_t columns, int32_t rows, int32_t frame,
                        bool mirror) {
    const Texture* found = textures_.Find(texture);
    if (found == nullptr || !frame_.Drawing()) return;
    std::optional<CellRect> cell = SheetCell(found->Picture(), columns, rows, frame);
    if (!cell) return;
    frame_.Record(DrawCommand::MakeCell(
        *found, *cell, Placement{x, y, frameWidth, frameHeight, mirror}, frame_.Bounds()));
}

void Engine::DrawText(uint32_t font, int32_t x, int32_t y, const char* text, TextEncoding encoding,
                      int32_t colour, int32_t alpha, double scale) {
    const Font* found = fonts_.Find(font);
    if (found == nullptr || text == nullptr || !frame_.Drawing()) return;
    TextStyle style{static_cast<uint32_t>(colour) & 0xFFFFFF, alpha, scale};
    GlyphRun shown = found->ShownGlyphs(text, encoding, scale, x, frame_.Bounds().x1);
    frame_.Record(DrawCommand::MakeText(*found, x, y, std::move(shown), style, frame_.Bounds()));
}

void Engine::DrawShapedText(uint32_t font, int32_t x, int32_t y, const char* utf8, int32_t colour,
                            int32_t alpha, double scale) {
    const Font* found = fonts_.Find(font);
    if (found == nullptr || utf8 == nullptr || !frame_.Drawing()) return;
    // Words the font holds keep its pixels; without the shaping libraries the rest draw as
    // DrawText2D_UTF8 does, with replacement marks.
    if (found->HoldsEvery(utf8) || !scriptWords_.Available()) {
        DrawText(font, x, y, utf8, TextEncoding::Utf8, colour, alpha, scale);
        return;
    }
    const TextStyle style{static_cast<uint32_t>(colour) & 0xFFFFFF, alpha, scale};
    if (style.alpha <= 0 || !(scale > 0.0 && scale <= kMaxTextScale)) return;
    std::shared_ptr<const TextImage> image =
        scriptWords_.Image(found->Data(), utf8, PixelFromColourRef(style.colour),
                           static_cast<uint32_t>(std::min(alpha, 255)), scale);
    frame_.Record(DrawCommand::MakeWord(*found, x, y, std::move(image), style, frame_.Bounds()));
}

void Engine::PrintScreen(const char* path) const {
    if (!frame_.Exists()) return;
    WriteFileBytes(path, EncodeBmp24(frame_.Completed()));
}

uint32_t Engine::LoadTexture(const char* path, int32_t colourKey) {
    std::optional<Texture> texture = Texture::Load(path, colourKey);
    if (!texture) return 0;
    return textures_.Add(std::make_unique<Texture>(std::move(*texture)));
}

uint32_t Engine::LoadFont(const char* path) {
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxFontFileBytes);
    if (!bytes) return 0;
    std::optional<DftFont> font = ParseDft(*bytes);
    if (!font) return 0;
    return fonts_.Add(std::make_unique<Font>(std::move(*font)));
}

}  // namespace lexo
