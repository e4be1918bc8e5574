#include "game/asset_paths.h"
#include "game/game.h"

namespace lexo {

// Runs as the engine starts and again after the dictionary dialog: every run loads every asset
// afresh and starts from empty tables and lists.
void Game::LoadAssets() {
    AssetHandles& assets = state_.Assets;
    engine_.DirectSoundInit();
    assets.BackgroundTexture = engine_.LoadTextureFromFile(kBackgroundPath, 0, kNoColourKey);
    assets.PlayerTexture = engine_.LoadTextureFromFile(kPlayerPath, 0, kSpriteColourKey);
    assets.DeadPlayerTexture = engine_.LoadTextureFromFile(kDeadPlayerPath, 0, kSpriteColourKey);
    assets.WordFont = engine_.LoadFontFromFile(kWordFontPath);
    assets.BannerFont = engine_.LoadFontFromFile(kBannerFontPath);
    state_.Corpses = CorpseTable();
    state_.LiveMonsters = LiveMonsterTable();
    state_.PlayerFacing = false;
    assets.FireSample = engine_.LoadSample(kFireSamplePath, 0, 0);
    assets.DieSample = engine_.LoadSample(kDieSamplePath, 0, 0);
    engine_.SetSampleVolume(assets.FireSample, 100);
    state_.WordList.Clear();
    state_.TranslationList.Clear();
    state_.GameOver = false;
}

}  // namespace lexo
