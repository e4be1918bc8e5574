#include <fstream>
#include <stdexcept>
#include <utility>

#include "bmp_writer.h"
#include "monster_kind.h"

namespace lexo {

namespace {

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The six lines of one sheet; the frame count comes after the columns and rows.
std::string SheetLines(const SheetLayout& layout) {
    return layout.file + "\n" + std::to_string(layout.frameWidth) + "\n" +
           std::to_string(layout.frameHeight) + "\n" + std::to_string(layout.columns) + "\n" +
           std::to_string(layout.rows) + "\n" + std::to_string(layout.frameCount) + "\n";
}

std::vector<Image> DrawFrames(int count, Image (*frame)(int)) {
    std::vector<Image> frames;
    for (int i = 0; i < count; ++i) {
        frames.push_back(frame(i));
    }
    return frames;
}

}  // namespace

MonsterKind DrawMonsterKind(std::string name, const SheetLayout& walk, Image (*walkFrame)(int),
                            const SheetLayout& die, Image (*dieFrame)(int)) {
    return {std::move(name), walk, DrawFrames(walk.frameCount, walkFrame), die,
            DrawFrames(die.frameCount, dieFrame)};
}

void WriteMonsterKind(const std::string& gameDir, const MonsterKind& kind) {
    const std::string data = gameDir + "/data/";
    WriteBmp(data + kind.walk.file, ComposeSheet(kind.walk, kind.walkFrames));
    WriteBmp(data + kind.die.file, ComposeSheet(kind.die, kind.dieFrames));
    WriteText(data + kind.name + ".mon", SheetLines(kind.walk) + SheetLines(kind.die));
}

void WriteCatalogue(const std::string& gameDir, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name + "\n";
    }
    WriteText(gameDir + "/monsters.txt", text);
}

}  // namespace lexo
