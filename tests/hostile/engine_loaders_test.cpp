// Every picture, font, sample and music file of the hostile corpus, loaded by the engine
// library through its entries and then drawn or played, each in a child process of its own:
// a file the engine cannot use gives handle 0 and draws or plays nothing; no file crashes or
// hangs the engine.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>

#include "bmp_image.h"
#include "disk_audio.h"
#include "hostile_fixtures.h"
#include "isolated_run.h"
#include "temp_dir.h"

namespace lexo::hostile {
namespace {

using namespace std::chrono_literals;

// What loading a file and using it shows: whether a handle came back, and whether anything was
// drawn or heard. Music has no handle.
constexpr const char* kRefused = "handle 0, shown 0";
constexpr const char* kShown = "handle 1, shown 1";

// Files the engine reads; every other file of the corpus folders is refused.
const std::map<std::string, std::string> kReadable = {
    {"bmp/valid-24bit.bmp", kShown},
    {"bmp/valid-1bit.bmp", kShown},
    {"bmp/valid-4bit.bmp", kShown},
    {"bmp/valid-8bit.bmp", kShown},
    {"bmp/valid-16bit-bitfields.bmp", kShown},
    {"bmp/valid-32bit-top-down.bmp", kShown},
    {"bmp/valid-os2-header.bmp", kShown},
    {"bmp/palette-index-out-of-range.bmp", kShown},
    {"bmp/size-field-lies.bmp", kShown},
    {"dft/valid.dft", kShown},
    {"dft/valid-outline.dft", kShown},
    {"dft/valid-extreme-placement.dft", kShown},
    {"dft/valid-unicode.dft", kShown},
    {"wav/valid.wav", kShown},
    // Samples whose lengths say more than the file holds play what is there.
    {"wav/truncated-data.wav", kShown},
    {"wav/data-size-huge.wav", kShown},
    {"wav/riff-size-huge.wav", kShown},
    {"wav/no-samples.wav", "handle 1, shown 0"},
    // The intact first part of the music plays.
    {"mp3/truncated.mp3", "handle 0, shown 1"},
};

std::string Expected(const std::string& file) {
    auto found = kReadable.find(file);
    return found == kReadable.end() ? kRefused : found->second;
}

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// Loads a file with the loader of its kind, then draws or plays it. The report says whether a
// handle came back and whether anything was drawn or heard: "handle 1, shown 1".
std::string LoadAndUse(const std::string& path, const std::string& kind, const std::string& temp) {
    test::LoadedEngine& e = Engine();
    unsetenv("DISPLAY");
    const std::string sound = temp + "/device.raw";
    const test::DiskAudio device(sound);
    e.SetEngineInitParametrs(kWidth, kHeight, 32, 0, 0, 0, 0, 1);
    e.StartEngine_DrawToPanel(0);

    EngineHandle handle = 0;
    bool shown = false;
    if (kind == "bmp" || kind == "dft") {
        std::string all;
        for (int code = 1; code < 256; ++code) all += static_cast<char>(code);
        handle = kind == "bmp" ? e.LoadTextureFromFile(path.c_str(), 0, 0xFF0000)
                               : e.LoadFontFromFile(path.c_str());
        e.Begin2D();
        e.DrawTexture2D_Simple(handle, 0, 0, kWidth, kHeight, 0, 0);
        e.DrawSprite2D_Simple(handle, 5, 5, 20, 30, 3, 2, 4, true, 0);
        e.DrawText2D(handle, 1, 1, "Hostile", 0xFFFFFF, 255, 1.0);
        e.DrawText2D(handle, -30, 20, all.c_str(), 0x00FF00, 128, 2.5);
        // UTF-8 of several scripts, a character no font here has, malformed and cut sequences.
        e.DrawText2D_UTF8(handle, 2, 30,
                          "Stra\xC3\x9F"
                          "e \xCE\xBB \xD1\x97 \xE4\xB8\xAD \xFF\xED\xA0\xC3",
                          0xFF00FF, 255, 1.0);
        e.DrawText2D_Shaped(handle, 2, 40, "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85 \xE4\xB8\xAD\xFF",
                            0xFF0000, 255, 3.0);
        e.End2D();
        const std::string screen = temp + "/screen.bmp";
        e.PrintScreen(screen.c_str());
        const std::optional<test::RgbImage> picture = test::ReadBmp(screen);
        if (!picture) return "no picture";
        shown = picture->Count(0) != kWidth * kHeight;
    } else {
        e.DirectSoundInit();
        if (kind == "wav") {
            handle = e.LoadSample(path.c_str(), 0, 0);
            e.SetSampleVolume(handle, 100);
            e.PlaySample(handle);
        } else {
            e.PlayMusic(path.c_str(), 1);
        }
        // Playing opens the device only for a file it can play; then the device plays 0.4 s
        // more after the play was asked for, however long loading took and however busy the
        // machine is.
        if (device.Exists()) device.WaitFor(device.Seconds() + 0.4);
        e.QuitEngine();
        const std::string played = ReadFile(sound);
        shown = played.find_first_not_of('\0') != std::string::npos;
    }
    e.QuitEngine();
    return "handle " + std::to_string(handle != 0) + ", shown " + std::to_string(shown);
}

ChildResult LoadInChild(const std::string& path, const std::string& kind) {
    test::TempDir temp;
    return RunIsolated([&] { return LoadAndUse(path, kind, temp.Path()); }, 60s);
}

class EngineLoader : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override { ASSERT_TRUE(Engine().Loaded()) << Engine().Error(); }
};

TEST_P(EngineLoader, LoadsOrRefusesAndNeverBreaks) {
    const std::string& file = GetParam();
    const std::string kind = file.substr(0, file.find('/'));
    const ChildResult result = LoadInChild(Fixture(file), kind);
    ASSERT_TRUE(result.ExitedCleanly()) << file << ": " << result.Describe();
    EXPECT_EQ(result.report, Expected(file)) << file;
}

std::vector<std::string> LoaderFixtures() {
    std::vector<std::string> files;
    for (const char* folder : {"bmp", "dft", "wav", "mp3"}) {
        for (const std::string& file : FixturesIn(folder)) files.push_back(file);
    }
    return files;
}

INSTANTIATE_TEST_SUITE_P(Corpus, EngineLoader, ::testing::ValuesIn(LoaderFixtures()),
                         [](const auto& info) { return ParameterName(info.param); });

TEST(EngineLoaderExpectations, NameFilesOfTheCorpus) {
    const std::vector<std::string> files = LoaderFixtures();
    for (const auto& [file, outcome] : kReadable) {
        EXPECT_NE(std::find(files.begin(), files.end(), file), files.end()) << file;
    }
}

}  // namespace
}  // namespace lexo::hostile
