#include "game_session.h"

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "bmp_image.h"
#include "errors/error_guard.h"
#include "errors/message_box.h"
#include "fake_windows.h"
#include "game/game.h"
#include "hostile_fixtures.h"
#include "text/cp1251.h"
#include "timer_clock.h"

namespace lexo::hostile {
namespace {

namespace fs = std::filesystem;
using testing::FakeWindows;
using testing::TimerClock;

constexpr int kFrameMs = 16;
// In the first part of every 8 seconds the player shoots, then lets the monsters come.
constexpr int kShootingMs = 2500;
constexpr int kCycleMs = 8000;
constexpr int kTypingMs = 120;

bool BackgroundShown(const test::LoadedEngine& engine) {
    const std::string path = fs::current_path() / "screen.bmp";
    engine.PrintScreen(path.c_str());
    const std::optional<test::RgbImage> picture = test::ReadBmp(path);
    return picture && picture->At(5, 5) != 0;
}

}  // namespace

GameFolder::GameFolder() : root_(dir_.File("game")) {
    const fs::path shipped = LEXO_GAME_SOURCE_DIR;
    fs::create_directories(fs::path(root_) / "data");
    fs::create_symlink(shipped / "monsters.txt", fs::path(root_) / "monsters.txt");
    for (const auto& entry : fs::directory_iterator(shipped / "data")) {
        fs::create_symlink(entry.path(), fs::path(root_) / "data" / entry.path().filename());
    }
    Replace("words/about.txt", "Words\r\n");
    Replace("words/names.txt", "cat\r\ndog\r\nbird\r\n");
    Replace("words/names2.txt", Utf8ToCp1251("кот\r\nсобака\r\nптица\r\n"));
}

void GameFolder::Replace(const std::string& relativePath, const std::string& bytes) {
    Remove(relativePath);
    WriteFile(root_ + "/" + relativePath, bytes);
}

void GameFolder::ReplaceWithFixture(const std::string& relativePath, const std::string& fixture) {
    Replace(relativePath, ReadFile(Fixture(fixture)));
}

void GameFolder::Remove(const std::string& relativePath) {
    std::error_code ignored;
    fs::remove(fs::path(root_) / relativePath, ignored);
}

void GameFolder::AddFixtureDictionary(const std::string& name) {
    for (const char* file : {"about.txt", "names.txt", "names2.txt"}) {
        ReplaceWithFixture(name + "/" + file, "dictionaries/" + name + "/" + file);
    }
}

std::string SessionReport::Serialise() const {
    std::ostringstream out;
    out << kinds << ' ' << words << ' ' << spawned << ' ' << shots << ' ' << gamesOver << ' '
        << backgroundShown << ' ' << messages.size() << '\n';
    for (const std::string& message : messages) out << message.size() << ' ' << message;
    return out.str();
}

SessionReport SessionReport::Parse(const std::string& text) {
    SessionReport report;
    std::istringstream in(text);
    size_t count = 0;
    in >> report.kinds >> report.words >> report.spawned >> report.shots >> report.gamesOver >>
        report.backgroundShown >> count;
    for (size_t i = 0; i < count && in; ++i) {
        size_t size = 0;
        in >> size;
        in.get();
        std::string message(size, '\0');
        in.read(message.data(), static_cast<std::streamsize>(size));
        report.messages.push_back(message);
    }
    if (!in) throw std::runtime_error("unreadable session report: " + text);
    return report;
}

SessionReport PlaySession(const std::string& folder, const std::string& dictionary, int seconds) {
    fs::current_path(folder);
    unsetenv("DISPLAY");
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    SessionReport report;
    SetMessageBoxPresenter([&](const std::string& caption, const std::string& text) {
        report.messages.push_back(Cp1251ToUtf8(caption + ": " + text));
    });
    GameState state;
    FakeWindows windows;
    const EngineEntries engine = EngineTable();
    Game game(state, engine, windows);
    windows.onDictionaryDialog = [&] {
        return DictionaryChoice{windows.dictionaryDialogs == 1 ? dictionary : "words", kModeWords,
                                1};
    };
    game.FormCreate(20240601);
    RunGuarded([&] { game.FormShow([] { return true; }); });
    report.kinds = static_cast<int>(state.Sprites.AliveSprites.size()) - 1;
    report.words = static_cast<int>(state.WordList.Count());

    TimerClock clock(windows, game);
    for (int ms = 1; ms <= seconds * 1000; ++ms) {
        const size_t walking = state.LiveMonsters.Count();
        for (TimerId fired : clock.Step()) {
            if (fired == TimerId::TimerAdd && state.LiveMonsters.Count() > walking)
                ++report.spawned;
        }
        if (ms % kCycleMs < kShootingMs && ms % kTypingMs == 0 && state.LiveMonsters.Count() > 0) {
            const int32_t before = state.WordsComplete;
            windows.editText = state.LiveMonsters.Word[0];
            RunGuarded([&] { game.Edit1KeyUp(Game::kEnterKey); });
            if (state.WordsComplete > before) ++report.shots;
        }
        if (ms % kFrameMs == 0) RunGuarded([&] { game.ApplicationEvents1Idle(); });
    }
    report.gamesOver = static_cast<int>(windows.shownUntranslated.size());
    report.backgroundShown = BackgroundShown(Engine());
    RunGuarded([&] { game.FormClose(); });
    SetMessageBoxPresenter(nullptr);
    return report;
}

}  // namespace lexo::hostile
