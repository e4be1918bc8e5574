#include "game/asset_paths.h"
#include "game/game.h"
#include "text/str_to_int.h"
#include "text/text_file.h"

namespace lexo {
namespace {

// Reads one sheet's six lines: the image, then width, height, columns, rows and frame count.
// Each value is stored as soon as it is read, so a failure keeps what came before it.
void ReadSheet(LineReader& file, SpriteSpec& sheet, const EngineEntries& engine) {
    const std::string image = kDataFolder + file.ReadLn();
    sheet.Texture = engine.LoadTextureFromFile(image.c_str(), 0, kSpriteColourKey);
    sheet.FrameWidth = StrToInt(file.ReadLn());
    sheet.FrameHeight = StrToInt(file.ReadLn());
    sheet.SheetColumns = StrToInt(file.ReadLn());
    sheet.SheetRows = StrToInt(file.ReadLn());
    sheet.FrameCount = StrToInt(file.ReadLn());
}

}  // namespace

void Game::LoadMonsterKinds() {
    SpriteCatalogue& sprites = state_.Sprites;
    sprites.AliveSprites.resize(1);
    sprites.DeadSprites.resize(1);
    LineReader file(kMonsterCataloguePath);
    int32_t kind = 0;
    while (!file.Eof()) {
        const std::string name = file.ReadLn();
        sprites.AliveSprites.emplace_back();
        sprites.DeadSprites.emplace_back();
        kind += 1;
        LoadMonsterKind(name, kind);
    }
}

void Game::LoadMonsterKind(const std::string& name, int32_t kind) {
    LineReader file(kDataFolder + name + kMonsterFileExtension);
    ReadSheet(file, state_.Sprites.AliveSprites.at(kind), engine_);
    ReadSheet(file, state_.Sprites.DeadSprites.at(kind), engine_);
}

}  // namespace lexo
