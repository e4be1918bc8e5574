#pragma once

#include <string>
#include <vector>

#include "image.h"
#include "sprite_sheet.h"

namespace lexo {

// Everything one line of monsters.txt stands for: the name, and the walking and dying sheets.
struct MonsterKind {
    std::string name;
    SheetLayout walk;
    std::vector<Image> walkFrames;
    SheetLayout die;
    std::vector<Image> dieFrames;
};

// A kind whose frames are drawn one at a time: walkFrame(i) and dieFrame(i) for i from 0 up to
// the layout's frame count.
MonsterKind DrawMonsterKind(std::string name, const SheetLayout& walk, Image (*walkFrame)(int),
                            const SheetLayout& die, Image (*dieFrame)(int));

MonsterKind MakeTroll();
MonsterKind MakeBeetle();
MonsterKind MakeBat();
MonsterKind MakeSlime();
MonsterKind MakeSkeleton();

// Writes data/<name>.mon and both sheet images under gameDir.
void WriteMonsterKind(const std::string& gameDir, const MonsterKind& kind);

// Writes monsters.txt under gameDir: one name per line, line k naming kind k.
void WriteCatalogue(const std::string& gameDir, const std::vector<std::string>& names);

}  // namespace lexo
