#include <gtest/gtest.h>

#include <set>

#include "bmp_image.h"
#include "shipped_content.h"

namespace lexo::test {
namespace {

TEST(ShippedCatalogue, NamesTheKindsTheSpawnerUses) {
    const std::vector<std::string> names = ReadCatalogueNames();
    // Kind 1 is the rare monster and kind 2 onward the common ones, so at least two must exist.
    ASSERT_GE(names.size(), 2u);
    std::set<std::string> distinct;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        // Names are used verbatim as file names: a stray blank would name another file.
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name.find_first_of(" \t\r"), std::string::npos);
        distinct.insert(name);
    }
    EXPECT_EQ(distinct.size(), names.size());
}

TEST(ShippedCatalogue, EveryKindFileHasTwelveValidLines) {
    for (const std::string& name : ReadCatalogueNames()) {
        SCOPED_TRACE(name);
        MonsterKindFile kind;
        ASSERT_NO_THROW(kind = ReadMonsterKindFile(name));
        EXPECT_TRUE(kind.exactlyTwelveLines);
        EXPECT_FALSE(kind.walk.image.empty());
        EXPECT_FALSE(kind.die.image.empty());
    }
}

TEST(ShippedCatalogue, SheetImagesMatchTheGeometryTheirFilesGive) {
    bool someSheetHasRows = false;
    for (const std::string& name : ReadCatalogueNames()) {
        const MonsterKindFile kind = ReadMonsterKindFile(name);
        for (const SheetGeometry& sheet : {kind.walk, kind.die}) {
            SCOPED_TRACE(name + ": " + sheet.image);
            const std::optional<RgbImage> image = ReadBmp(GamePath("data/" + sheet.image));
            ASSERT_TRUE(image.has_value());
            // Cells are exactly one frame, so the engine never stretches a frame.
            EXPECT_EQ(image->width, sheet.columns * sheet.frameWidth);
            EXPECT_EQ(image->height, sheet.rows * sheet.frameHeight);
            EXPECT_GE(sheet.frameCount, 1);
            EXPECT_LE(sheet.frameCount, sheet.columns * sheet.rows);
            // Modest frames: the field holds many monsters at once.
            EXPECT_GE(sheet.frameWidth, 32);
            EXPECT_LE(sheet.frameWidth, 96);
            EXPECT_GE(sheet.frameHeight, 32);
            EXPECT_LE(sheet.frameHeight, 96);
            someSheetHasRows = someSheetHasRows || sheet.rows > 1;
        }
    }
    EXPECT_TRUE(someSheetHasRows) << "no sheet uses more than one row of frames";
}

}  // namespace
}  // namespace lexo::test
