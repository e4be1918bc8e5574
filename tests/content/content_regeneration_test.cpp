#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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

TEST(ShippedContent, HasTheSoundsTheSoundToolMakesToday) {
    TempDir dir;
    for (const std::string& file : WriteSoundEffects(dir.Path())) {
        SCOPED_TRACE(file);
        const std::string made = Bytes(dir.File(file));
        ASSERT_FALSE(made.empty());
        EXPECT_TRUE(made == Bytes(GamePath("data/" + file))) << "regenerate with tools/make-content.sh";
    }
}

}  // namespace
}  // namespace lexo::test
