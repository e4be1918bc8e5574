#include "engine_fixture.h"

#include <signal.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace lexo::test {
namespace {

std::array<std::function<void()>, 4> g_procedures;

template <int Kind>
void CallProcedure() {
    if (g_procedures[Kind]) g_procedures[Kind]();
}

constexpr std::array<EngineProcedure, 4> kTrampolines = {&CallProcedure<0>, &CallProcedure<1>,
                                                         &CallProcedure<2>, &CallProcedure<3>};

}  // namespace

LoadedEngine& Engine() {
    static LoadedEngine engine(LEXO_ENGINE_PATH);
    return engine;
}

void SetProcedure(int kind, std::function<void()> procedure) {
    g_procedures.at(kind) = std::move(procedure);
    Engine().RegProcedure(kind, g_procedures[kind] ? kTrampolines[kind] : nullptr);
}

void EngineTest::SetUp() {
    ASSERT_TRUE(e.Loaded()) << e.Error();
    e.QuitEngine();
    // Read when the engine starts: SIGUSR1 then asks for what the panel shows.
    setenv("DGLENGINE_PRINTSCREEN", dir.File("shown.bmp").c_str(), 1);
}

void EngineTest::TearDown() {
    if (!e.Loaded()) return;
    e.QuitEngine();
    for (int kind = 0; kind < 4; ++kind) SetProcedure(kind, nullptr);
}

void EngineTest::Start(int width, int height) {
    e.SetEngineInitParametrs(width, height, 32, 0, 0, 0, 0, 1);
    e.StartEngine_DrawToPanel(0);
}

RgbImage EngineTest::Screenshot() {
    std::string path = dir.File("screen" + std::to_string(files_++) + ".bmp");
    e.PrintScreen(path.c_str());
    std::optional<RgbImage> image = ReadBmp(path);
    if (!image) {
        ADD_FAILURE() << "PrintScreen wrote no readable bitmap";
        return {};
    }
    return *image;
}

RgbImage EngineTest::Shown() {
    const std::string path = dir.File("shown.bmp");
    std::remove(path.c_str());
    raise(SIGUSR1);
    e.EngineMainDraw();
    std::optional<RgbImage> image = ReadBmp(path);
    if (!image) {
        ADD_FAILURE() << "no picture of the panel";
        return {};
    }
    return *image;
}

uint32_t EngineTest::LoadPicture(const RgbImage& picture, int32_t colourKey) {
    std::string path = dir.File("picture" + std::to_string(files_++) + ".bmp");
    EXPECT_TRUE(WriteBmp(path, picture));
    return e.LoadTextureFromFile(path.c_str(), 0, colourKey);
}

std::string EngineTest::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = dir.File(name);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

}  // namespace lexo::test
