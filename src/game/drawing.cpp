#include "game/field_geometry.h"
#include "game/game.h"

namespace lexo {
namespace {

constexpr int32_t kWordColour = 0xFF0000;  // blue
constexpr int32_t kBannerColour = 0xFF;    // red
constexpr int32_t kBannerX = 145;
constexpr int32_t kBannerY = 200;
constexpr int32_t kTextAlpha = 255;
constexpr double kTextScale = 1.0;

}  // namespace

void Game::DrawFrame() const {
    engine_.Begin2D();
    DrawBackground();
    DrawCorpses();
    DrawPlayer();
    DrawMonsters();
    if (state_.GameOver) {
        engine_.DrawText2D(state_.Assets.BannerFont, kBannerX, kBannerY, texts_.banner.c_str(),
                           kBannerColour, kTextAlpha, kTextScale);
    }
    engine_.End2D();
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
            engine_.DrawText2D(state_.Assets.WordFont, x, y - kWordRise, monsters.Word[row].c_str(),
                               kWordColour, kTextAlpha, kTextScale);
        }
    }
}

}  // namespace lexo
