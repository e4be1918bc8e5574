#include <exception>
#include <iostream>
#include <string>

#include "background.h"
#include "bmp_writer.h"
#include "monster_kind.h"
#include "player_sheets.h"
#include "sprite_sheet.h"

// Draws every picture of the game and the monster catalogue into the game folder given as the
// only argument (it must already have its data folder).
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: lexo_art <game folder>\n";
        return 2;
    }
    const std::string game = argv[1];
    try {
        lexo::WriteBmp(game + "/data/fon.bmp", lexo::MakeBackground());
        const lexo::SheetLayout player{"player.bmp", 78, 84, 3, 1, 3};
        lexo::WriteBmp(game + "/data/" + player.file, lexo::ComposeSheet(player, lexo::MakePlayerFrames()));
        const lexo::SheetLayout dead{"dethplayer.bmp", 78, 84, 7, 1, 7};
        lexo::WriteBmp(game + "/data/" + dead.file, lexo::ComposeSheet(dead, lexo::MakeDeadPlayerFrames()));

        // Kind 1 is the rarer troll, kind 2 the common beetle.
        const lexo::MonsterKind kinds[] = {lexo::MakeTroll(), lexo::MakeBeetle()};
        for (const lexo::MonsterKind& kind : kinds) {
            lexo::WriteMonsterKind(game, kind);
        }
        lexo::WriteCatalogue(game, {kinds[0].name, kinds[1].name});
    } catch (const std::exception& e) {
        std::cerr << "lexo_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
