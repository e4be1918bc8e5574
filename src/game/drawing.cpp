#include "game/game.h"
#include "game_types/field_geometry.h"
#include "text/cp1251.h"
#include "text/unicode_text.h"

namespace lexo {
namespace {

constexpr int32_t kWordColour = 0xFF0000;  // blue
constexpr int32_t kBannerColour = 0xFF;    // red
constexpr int32_t kBannerX = 145;
constexpr int32_t kBannerY = 200;
constexpr int32_t kTextAlpha = 255;
constexpr double kTextScale = 1.0;
// No glyph of the word font is narrower than a pixel, and a word starts at most a field's width
// left of it: no more characters than this can show, however long the word is.
constexpr size_t kMostCharactersShown = 2 * kFieldWidth;

}  // namespace

void Game::DrawFrame() const {
    engine_.Begin2D();
    DrawBackground();
    DrawCorpses();
    DrawPlayer();
    DrawMonsters();
    if (state_.GameOver) {
        DrawText(state_.Assets.BannerFont, kBannerX, kBannerY, texts_.banner, kBannerColour);
    }
    engine_.End2D();
}

// Through the engine's entry for UTF-8 when the library has it; otherwise its CP1251 entry draws
// the text's nearest CP1251 form.
void Game::DrawText(EngineHandle font, int32_t x, int32_t y, const std::string& utf8,
                    int32_t colour) const {
    const std::string_view shown = FirstCharacters(utf8, kMostCharactersShown);
    if (engine_.DrawText2D_UTF8 == nullptr) {
        engine_.DrawText2D(font, x, y, Utf8ToDrawnCp1251(shown).c_str(), colour, kTextAlpha,
                           kTextScale);
    } else if (shown.size() == utf8.size()) {
        engine_.DrawText2D_UTF8(font, x, y, utf8.c_str(), colour, kTextAlpha, kTextScale);
    } else {
        engine_.DrawText2D_UTF8(font, x, y, std::string(shown).c_str(), colour, kTextAlpha,
                                kTextScale);
    }
}

void Game::DrawBackground() const {
    engine_.DrawTexture2D_Simple(state_.Assets.BackgroundTexture, 0, 0, kFieldWidth, kFieldHeight,
                                 0, 0);
}

void Game::DrawCorpses() const {
    const CorpseTable& corpses = state_.Corpses;
    for (size_t row = 0; row < corpses.Count(); ++row) {
        if (!state_.Sprites.HasKind(corpses.Kind[row])) continue;
        const SpriteSpec& sheet = state_.Sprites.Dead(corpses.Kind[row]);
        // Corpses lie unmirrored on either side of the player.
        engine_.DrawSprite2D_Simple(sheet.Texture, corpses.X[row], corpses.Y[row], sheet.FrameWidth,
                                    sheet.FrameHeight, sheet.SheetColumns, sheet.SheetRows,
                                    corpses.Frame[row], false, 0);
    }
}

void Game::DrawPlayer() const {
    if (state_.GameOver) {
        engine_.DrawSprite2D_Simple(state_.Assets.DeadPlayerTexture, kPlayerX, kPlayerY,
                                    kPlayerFrameWidth, kPlayerFrameHeight, kDeadPlayerFrames, 1,
                                    state_.PlayerFrame, false, 0);
    } else {
        engine_.DrawSprite2D_Simple(state_.Assets.PlayerTexture, kPlayerX, kPlayerY,
                                    kPlayerFrameWidth, kPlayerFrameHeight, kPlayerFrames, 1,
                                    state_.PlayerFrame, state_.PlayerFacing, 0);
    }
}

void Game::DrawMonsters() const {
    const LiveMonsterTable& monsters = state_.LiveMonsters;
    for (size_t row = 0; row < monsters.Count(); ++row) {
        if (!state_.Sprites.HasKind(monsters.Kind[row])) continue;
        const SpriteSpec& sheet = state_.Sprites.Alive(monsters.Kind[row]);
        const int32_t x = monsters.X[row];
        const int32_t y = monsters.Y[row];
        // Monsters on the right walk left: mirrored past the player's x, not at it.
        engine_.DrawSprite2D_Simple(sheet.Texture, x, y, sheet.FrameWidth, sheet.FrameHeight,
                                    sheet.SheetColumns, sheet.SheetRows, monsters.Frame[row],
                                    x > kPlayerX, 0);
        if (!state_.GameOver) {
            DrawText(state_.Assets.WordFont, x, y - kWordRise, monsters.Word[row], kWordColour);
        }
    }
}

}  // namespace lexo
