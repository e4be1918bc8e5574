#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "art/app_icon.h"
#include "art/art_files.h"
#include "shipped_content.h"
#include "sound/sound_files.h"
#include "temp_dir.h"

namespace lexo::test {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The shipped files are the tools' output, so a change to a tool must come with its
// regenerated content (tools/make-content.sh), and nobody edits the content by hand.
TEST(ShippedContent, IsWhatTheArtToolMakesToday) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("data"));
    for (const std::string& file : WriteArt(dir.Path())) {
        SCOPED_TRACE(file);
        const std::string made = Bytes(dir.File(file));
        ASSERT_FALSE(made.empty());
        EXPECT_TRUE(made == Bytes(GamePath(file))) << "regenerate with tools/make-content.sh";
    }
}

// The PNG's own size, from its header.
int PngSide(const std::string& bytes, int offset) {
    if (bytes.size() < 24) return -1;
    int side = 0;
    for (int i = 0; i < 4; ++i) side = side * 256 + static_cast<unsigned char>(bytes[offset + i]);
    return side;
}

TEST(ShippedContent, HasTheIconsTheArtToolMakesTodayAtTheirThemeSizes) {
    TempDir dir;
    const std::vector<std::string> written = WriteAppIcons(dir.Path(), LEXO_APP_ID);
    EXPECT_EQ(written.size(), 4u);
    for (const std::string& file : written) {
        SCOPED_TRACE(file);
        const std::string made = Bytes(dir.File(file));
        ASSERT_FALSE(made.empty());
        EXPECT_TRUE(made == Bytes(std::string(LEXO_ICONS_DIR "/") + file))
            << "regenerate with tools/make-content.sh";
        // hicolor/NxN/apps/ holds pictures of N x N pixels.
        const int folderSide = std::atoi(file.substr(file.find('/') + 1).c_str());
        if (folderSide > 0) {
            EXPECT_EQ(PngSide(made, 16), folderSide);
            EXPECT_EQ(PngSide(made, 20), folderSide);
        }
    }
}

TEST(ShippedContent, HasTheSoundsTheSoundToolMakesToday) {
    TempDir dir;
    for (const std::string& file : WriteSoundEffects(dir.Path())) {
        SCOPED_TRACE(file);
        const std::string made = Bytes(dir.File(file));
        ASSERT_FALSE(made.empty());
        EXPECT_TRUE(made == Bytes(GamePath("data/" + file)))
            << "regenerate with tools/make-content.sh";
    }
}

}  // namespace
}  // namespace lexo::test
