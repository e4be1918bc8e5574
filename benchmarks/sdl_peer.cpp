#include "sdl_peer.h"

#include <SDL.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "dft/font_dft.h"
#include "dft/glyph_map.h"
#include "file_bytes.h"

namespace lexo::bench {
namespace {

struct PeerFont {
    DftFont font;
    GlyphMap map{font};
    SDL_Texture* coverage = nullptr;  // white, alpha from the atlas; colour-modulated per draw
    SDL_Texture* outline = nullptr;   // the font's outline colour, alpha from its plane
};

// The entries are plain function pointers: they reach the one peer through this.
struct PeerState {
    SDL_Surface* frame = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<SDL_Texture*> textures;  // handle k is textures[k - 1]
    std::vector<PeerFont> fonts;
};
PeerState* g_peer = nullptr;

SDL_Texture* AtlasTexture(const DftFont& font, const std::vector<uint8_t>& plane, uint32_t rgb) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, font.atlasWidth, font.atlasHeight, 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < font.atlasHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                y * surface->pitch);
        for (int x = 0; x < font.atlasWidth; ++x) {
            row[x] = uint32_t{plane[static_cast<size_t>(y) * font.atlasWidth + x]} << 24 | rgb;
        }
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(g_peer->renderer, surface);
    SDL_FreeSurface(surface);
    if (texture != nullptr) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

EngineHandle LoadTexture(const char* path, int32_t, int32_t colourKey) {
    SDL_Surface* loaded = SDL_LoadBMP(path);
    if (loaded == nullptr) return 0;
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (surface == nullptr) return 0;
    if (colourKey >= 0) {
        const auto key = static_cast<uint32_t>(colourKey);
        SDL_SetColorKey(surface, SDL_TRUE,
                        SDL_MapRGB(surface->format, key & 0xFF, key >> 8 & 0xFF, key >> 16 & 0xFF));
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(g_peer->renderer, surface);
    SDL_FreeSurface(surface);
    if (texture == nullptr) return 0;
    g_peer->textures.push_back(texture);
    return static_cast<EngineHandle>(g_peer->textures.size());
}

EngineHandle LoadFont(const char* path) {
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, 64u << 20);
    std::optional<DftFont> font = bytes ? ParseDft(*bytes) : std::nullopt;
    if (!font) return 0;
    PeerFont peer{std::move(*font)};
    peer.coverage = AtlasTexture(peer.font, peer.font.coverage, 0xFFFFFF);
    if (peer.font.hasOutline) {
        const uint32_t c = peer.font.outlineColour;
        peer.outline = AtlasTexture(peer.font, peer.font.outline,
                                    (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
    }
    g_peer->fonts.push_back(std::move(peer));
    return static_cast<EngineHandle>(g_peer->fonts.size());
}

SDL_Texture* TextureOf(EngineHandle handle) {
    return handle >= 1 && handle <= g_peer->textures.size() ? g_peer->textures[handle - 1]
                                                            : nullptr;
}

void Begin2D() {
    SDL_SetRenderDrawColor(g_peer->renderer, 0, 0, 0, 255);
    SDL_RenderClear(g_peer->renderer);
}

void End2D() { SDL_RenderPresent(g_peer->renderer); }

void DrawTexture(EngineHandle texture, int32_t x, int32_t y, int32_t width, int32_t height, int32_t,
                 int32_t) {
    const SDL_Rect to{x, y, width, height};
    if (SDL_Texture* t = TextureOf(texture)) SDL_RenderCopy(g_peer->renderer, t, nullptr, &to);
}

void DrawSprite(EngineHandle texture, int32_t x, int32_t y, int32_t frameWidth, int32_t frameHeight,
                int32_t columns, int32_t rows, int32_t frame, bool mirror, int32_t) {
    SDL_Texture* t = TextureOf(texture);
    int width = 0, height = 0;
    if (t == nullptr || columns <= 0 || rows <= 0 || frame < 1 || frame > columns * rows) return;
    SDL_QueryTexture(t, nullptr, nullptr, &width, &height);
    const int cellWidth = width / columns, cellHeight = height / rows;
    const SDL_Rect from{(frame - 1) % columns * cellWidth, (frame - 1) / columns * cellHeight,
                        cellWidth, cellHeight};
    const SDL_Rect to{x, y, frameWidth, frameHeight};
    SDL_RenderCopyEx(g_peer->renderer, t, &from, &to, 0, nullptr,
                     mirror ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
}

void DrawGlyphs(const PeerFont& font, SDL_Texture* plane, int32_t x, int32_t y,
                std::string_view text) {
    int pen = x;
    for (unsigned char code : text) {
        const uint16_t glyph = font.map.ForByte(code);
        if (glyph == GlyphMap::kNoGlyph) continue;
        const DftGlyph& g = font.font.glyphs[glyph];
        if (g.width > 0 && g.height > 0) {
            const SDL_Rect from{g.atlasX, g.atlasY, g.width, g.height};
            const SDL_Rect to{pen + g.left, y + g.top, g.width, g.height};
            SDL_RenderCopy(g_peer->renderer, plane, &from, &to);
        }
        pen += g.advance;
    }
}

void DrawText(EngineHandle font, int32_t x, int32_t y, const char* text, int32_t colour,
              int32_t alpha, double) {
    if (font < 1 || font > g_peer->fonts.size() || text == nullptr) return;
    const PeerFont& f = g_peer->fonts[font - 1];
    const auto c = static_cast<uint32_t>(colour);
    if (f.outline != nullptr) {
        SDL_SetTextureAlphaMod(f.outline, static_cast<uint8_t>(alpha));
        DrawGlyphs(f, f.outline, x, y, text);
    }
    SDL_SetTextureColorMod(f.coverage, c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
    SDL_SetTextureAlphaMod(f.coverage, static_cast<uint8_t>(alpha));
    DrawGlyphs(f, f.coverage, x, y, text);
}

}  // namespace

SdlPeer::SdlPeer(int width, int height) {
    auto peer = std::make_unique<PeerState>();
    peer->frame = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (peer->frame != nullptr) peer->renderer = SDL_CreateSoftwareRenderer(peer->frame);
    g_peer = peer.release();
}

SdlPeer::~SdlPeer() {
    for (SDL_Texture* texture : g_peer->textures) SDL_DestroyTexture(texture);
    for (PeerFont& font : g_peer->fonts) {
        SDL_DestroyTexture(font.coverage);
        if (font.outline != nullptr) SDL_DestroyTexture(font.outline);
    }
    if (g_peer->renderer != nullptr) SDL_DestroyRenderer(g_peer->renderer);
    if (g_peer->frame != nullptr) SDL_FreeSurface(g_peer->frame);
    delete g_peer;
    g_peer = nullptr;
}

bool SdlPeer::Ready() const { return g_peer != nullptr && g_peer->renderer != nullptr; }

EngineEntries SdlPeer::Entries() const {
    EngineEntries e;
    e.LoadTextureFromFile = &LoadTexture;
    e.LoadFontFromFile = &LoadFont;
    e.LoadSample = [](const char*, int32_t, int32_t) -> EngineHandle { return 1; };
    e.SetSampleVolume = [](EngineHandle, int32_t) {};
    e.PlaySample = [](EngineHandle) {};
    e.FreeSample = [](EngineHandle) {};
    e.PlayMusic = [](const char*, int32_t) {};
    e.DirectSoundInit = [] {};
    e.Begin2D = &Begin2D;
    e.End2D = &End2D;
    e.DrawTexture2D_Simple = &DrawTexture;
    e.DrawSprite2D_Simple = &DrawSprite;
    e.DrawText2D = &DrawText;
    return e;
}

}  // namespace lexo::bench
