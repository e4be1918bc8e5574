// The game logic's busiest handlers and the dictionary load, each against the plain work it
// cannot avoid: walking 10,000 monsters, spawning beside 10,000, loading a million lines, CP1251
// and UTF-8.

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_report.h"
#include "game/game.h"
#include "quiet_windows.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/text_file.h"
#include "word_maker.h"

namespace lexo::bench {
namespace {

constexpr size_t kFieldMonsters = 10'000;
constexpr size_t kDictionaryWords = 100'000;
constexpr size_t kDictionaryLines = 1'000'000;
constexpr int32_t kTargetX = 400;
constexpr int32_t kTargetY = 200;

// Kinds 1 and 2 with sheets of one frame, no engine behind the handles.
void AddTwoKinds(GameState& state) {
    const SpriteSpec sheet{1, 64, 48, 1, 1, 1};
    state.Sprites.AliveSprites = {SpriteSpec{}, sheet, sheet};
    state.Sprites.DeadSprites = {SpriteSpec{}, sheet, sheet};
}

// Monsters everywhere on the field and around it, their words the first of the list.
void FillField(GameState& state, const std::vector<std::string>& words, std::mt19937& random) {
    std::uniform_int_distribution<int32_t> x(-32, 819), y(-32, 530);
    for (size_t i = 0; i < kFieldMonsters; ++i) {
        state.LiveMonsters.Append(1 + static_cast<int32_t>(i % 2), x(random), y(random), words[i],
                                  words[i]);
    }
}

void BenchMove(const std::vector<std::string>& words) {
    GameState state;
    QuietWindows windows;
    EngineEntries engine;
    Game game(state, engine, windows);
    AddTwoKinds(state);
    std::mt19937 random(7);
    FillField(state, words, random);
    const std::vector<int32_t> startX = state.LiveMonsters.X, startY = state.LiveMonsters.Y;

    // The plain loop keeps the pairs in two arrays, the layout that suits it best.
    std::vector<int32_t> xs = startX, ys = startY;

    // Every 100 steps all go back to where they started, before many reach the player.
    constexpr size_t kSteps = 3000;
    size_t step = 0;
    const double move = MedianSeconds(
        kSteps, [&] { game.TimerMoveTimer(); },
        [&] {
            if (++step % 100 == 0) {
                state.LiveMonsters.X = startX;
                state.LiveMonsters.Y = startY;
            }
        });
    step = 0;
    const double floor = MedianSeconds(
        kSteps,
        [&] {
            int32_t* px = xs.data();
            int32_t* py = ys.data();
            for (size_t i = 0; i < kFieldMonsters; ++i) {
                int32_t x = px[i];
                int32_t y = py[i];
                if (x < kTargetX) ++x;
                if (x > kTargetX) --x;
                if (y < kTargetY) ++y;
                if (y > kTargetY) --y;
                px[i] = x;
                py[i] = y;
            }
            KeepAlive(px);
            KeepAlive(py);
        },
        [&] {
            if (++step % 100 == 0) {
                xs = startX;
                ys = startY;
            }
        });
    PrintInformation("move", move * 1e6, floor * 1e6, "us");
}

void BenchSpawn(const std::vector<std::string>& words) {
    GameState state;
    QuietWindows windows;
    EngineEntries engine;
    Game game(state, engine, windows);
    AddTwoKinds(state);
    std::mt19937 random(11);
    FillField(state, words, random);
    for (const std::string& word : words) state.WordList.Add(word);
    state.TranslationList = state.WordList;
    game.FormCreate(3);

    // A spawn that added a monster is undone, so each one meets the same 10,000.
    constexpr size_t kSpawns = 2000;
    const double spawn = MedianSeconds(
        kSpawns, [&] { game.SpawnMonster(); },
        [&] {
            if (state.LiveMonsters.Count() > kFieldMonsters) {
                state.LiveMonsters.Remove(state.LiveMonsters.Count() - 1);
            }
        });
    // The words looked for are drawn like the spawner's, so their lengths vary the same way.
    const std::vector<std::string> field(words.begin(), words.begin() + kFieldMonsters);
    std::uniform_int_distribution<size_t> pick(0, words.size() - 1);
    const double floor = MedianSeconds(kSpawns, [&] {
        const std::string& wanted = words[pick(random)];
        bool found = false;
        for (const std::string& walking : field) {
            if (walking == wanted) {
                found = true;
                break;
            }
        }
        KeepAlive(&found);
    });
    PrintInformation("spawn", spawn * 1e6, floor * 1e6, "us");
}

// The whole file in memory and nothing more: one buffer of its size, read().
// The least any loader does: read the file into memory and find where its lines end (here
// only counted, with the standard library's count over the bytes).
size_t ReadAndCountLines(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    fstat(fd, &info);
    const auto size = static_cast<size_t>(info.st_size);
    std::unique_ptr<char[]> buffer(new char[size]);
    size_t done = 0;
    while (done < size) {
        const ssize_t got = read(fd, buffer.get() + done, size - done);
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    close(fd);
    // Counted in blocks, with a narrow counter the compiler turns into vector compares.
    size_t lines = 0;
    for (size_t at = 0; at < done; at += 255) {
        uint8_t inBlock = 0;
        for (size_t i = at; i < std::min(done, at + 255); ++i) inBlock += buffer[i] == '\n';
        lines += inBlock;
    }
    KeepAlive(buffer.get());
    return lines;
}

// The game's load of one dictionary file: read, decoded, split into lines.
size_t LoadLines(const std::string& path) {
    StringList list;
    list.SetText(ReadDictionaryFile(path));
    return list.Count();
}

bool BenchDictionary() {
    // Memory freed by one load is used again by the next, on both sides, so neither pays for
    // the kernel mapping fresh pages: the figures compare the work on the bytes.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    test::TempDir dir;
    const std::string path = dir.File("names.txt");
    const std::string utf8Path = dir.File("utf8-names.txt");
    {
        const std::string cp1251 = DictionaryText(MakeWords(kDictionaryLines, 5));
        std::ofstream(path, std::ios::binary) << cp1251;
        std::ofstream(utf8Path, std::ios::binary) << Cp1251ToUtf8(cp1251);
    }
    constexpr size_t kLoads = 31;
    size_t lines = 0;
    size_t utf8Lines = 0;
    size_t counted = 0;
    const double load = MedianSeconds(kLoads, [&] { lines = LoadLines(path); });
    const double utf8Load = MedianSeconds(kLoads, [&] { utf8Lines = LoadLines(utf8Path); });
    const double read = MedianSeconds(kLoads, [&] { counted = ReadAndCountLines(path); });
    if (lines != kDictionaryLines || utf8Lines != kDictionaryLines || counted != kDictionaryLines) {
        std::fprintf(stderr, "dictionary: %zu and %zu lines loaded, %zu counted, %zu written\n",
                     lines, utf8Lines, counted, kDictionaryLines);
        return false;
    }
    PrintInformation("dictionary", load * 1e3, read * 1e3, "ms");
    PrintInformation("dictionary-utf8", utf8Load * 1e3, load * 1e3, "ms");
    return true;
}

}  // namespace
}  // namespace lexo::bench

int main() {
    using namespace lexo::bench;
    const std::vector<std::string> words = MakeWords(kDictionaryWords, 3);
    if (!BenchDictionary()) return 1;
    BenchMove(words);
    BenchSpawn(words);
    return 0;
}
