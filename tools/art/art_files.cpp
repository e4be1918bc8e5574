#include "art_files.h"

#include "background.h"
#include "bmp_writer.h"
#include "monster_kind.h"
#include "player_sheets.h"
#include "sprite_sheet.h"

namespace lexo {

std::vector<std::string> WriteArt(const std::string& gameDir) {
    std::vector<std::string> written = {"data/fon.bmp"};
    WriteBmp(gameDir + "/data/fon.bmp", MakeBackground());

    const SheetLayout player{"player.bmp", 78, 84, 3, 1, 3};
    const SheetLayout dead{"dethplayer.bmp", 78, 84, 7, 1, 7};
    WriteBmp(gameDir + "/data/" + player.file, ComposeSheet(player, MakePlayerFrames()));
    WriteBmp(gameDir + "/data/" + dead.file, ComposeSheet(dead, MakeDeadPlayerFrames()));
    written.push_back("data/" + player.file);
    written.push_back("data/" + dead.file);

    // Kind 1 is the rarer troll; the others share the rest of the field.
    const MonsterKind kinds[] = {MakeTroll(), MakeBeetle(), MakeBat(), MakeSlime(), MakeSkeleton()};
    std::vector<std::string> names;
    for (const MonsterKind& kind : kinds) {
        WriteMonsterKind(gameDir, kind);
        written.push_back("data/" + kind.name + ".mon");
        written.push_back("data/" + kind.walk.file);
        written.push_back("data/" + kind.die.file);
        names.push_back(kind.name);
    }
    WriteCatalogue(gameDir, names);
    written.push_back("monsters.txt");
    return written;
}

}  // namespace lexo
