#pragma once

#include <string>
#include <vector>

namespace lexo::test {

// The shipped game folder in the source tree.
std::string GamePath(const std::string& relative);

// One sprite sheet as the game will cut it.
struct SheetGeometry {
    std::string image;  // file name under data/
    int frameWidth = 0;
    int frameHeight = 0;
    int columns = 0;
    int rows = 0;
    int frameCount = 0;
};

struct MonsterKindFile {
    std::string name;
    SheetGeometry walk;
    SheetGeometry die;
    bool exactlyTwelveLines = false;
};

// The lines of monsters.txt, read the way the game reads them.
std::vector<std::string> ReadCatalogueNames();

// data/<name>.mon, read the way the game reads it; throws the game's RunTimeError when a file
// is missing or a number line is not an integer.
MonsterKindFile ReadMonsterKindFile(const std::string& name);

// Every sheet the game draws: the player's two and both sheets of every catalogued kind.
std::vector<SheetGeometry> AllShippedSheets();

}  // namespace lexo::test
