#include "shipped_content.h"

#include "text/str_to_int.h"
#include "text/text_file.h"

namespace lexo::test {

namespace {

SheetGeometry ReadSheet(LineReader& reader) {
    SheetGeometry sheet;
    sheet.image = reader.ReadLn();
    // The file lists the frame count after the columns and rows.
    sheet.frameWidth = StrToInt(reader.ReadLn());
    sheet.frameHeight = StrToInt(reader.ReadLn());
    sheet.columns = StrToInt(reader.ReadLn());
    sheet.rows = StrToInt(reader.ReadLn());
    sheet.frameCount = StrToInt(reader.ReadLn());
    return sheet;
}

}  // namespace

std::string GamePath(const std::string& relative) {
    return std::string(LEXO_GAME_SOURCE_DIR) + "/" + relative;
}

std::vector<std::string> ReadCatalogueNames() {
    LineReader reader(GamePath("monsters.txt"));
    std::vector<std::string> names;
    while (!reader.Eof()) {
        names.push_back(reader.ReadLn());
    }
    return names;
}

MonsterKindFile ReadMonsterKindFile(const std::string& name) {
    LineReader reader(GamePath("data/" + name + ".mon"));
    MonsterKindFile kind;
    kind.name = name;
    kind.walk = ReadSheet(reader);
    kind.die = ReadSheet(reader);
    kind.exactlyTwelveLines = reader.Eof();
    return kind;
}

std::vector<SheetGeometry> AllShippedSheets() {
    std::vector<SheetGeometry> sheets = {{"player.bmp", 78, 84, 3, 1, 3},
                                         {"dethplayer.bmp", 78, 84, 7, 1, 7}};
    for (const std::string& name : ReadCatalogueNames()) {
        const MonsterKindFile kind = ReadMonsterKindFile(name);
        sheets.push_back(kind.walk);
        sheets.push_back(kind.die);
    }
    return sheets;
}

}  // namespace lexo::test
