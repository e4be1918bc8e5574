// A word's first image: the frame where a new word first shows composes it once. Words beyond
// the bitmap fonts are shaped and drawn from the system's fonts (DrawText2D_Shaped), against
// words the bitmap font holds (DrawText2D_UTF8). The libraries and fontconfig's font lists are
// opened before the timing, by words of every script measured; the process's first shaped word,
// which opens them, is one figure of its own.

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "loaded_engine.h"

namespace lexo::bench {
namespace {

constexpr int kRounds = 8;
constexpr auto kPause = std::chrono::milliseconds(500);
constexpr int kWordsPerScript = 40;
constexpr int32_t kBlue = 0xFF0000;

// Words of three letters from a block of `count` letters, a new word on every call (the
// digits of a count counted up in base `count`).
class NewWords {
  public:
    NewWords(char32_t first, char32_t count) : first_(first), count_(count) {}
    std::string Next() {
        std::string word;
        char32_t rest = made_;
        for (int i = 0; i < 3; ++i) {
            AppendUtf8(word, first_ + rest % count_);
            rest /= count_;
        }
        ++made_;
        return word;
    }

  private:
    static void AppendUtf8(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    char32_t first_;
    char32_t count_;
    char32_t made_ = 0;
};

int Run(const std::string& gameDir) {
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "word_image_bench: no game folder %s\n", gameDir.c_str());
        return 1;
    }
    test::LoadedEngine engine("./DGLEngine.so");
    if (!engine.Loaded() || engine.DrawText2D_Shaped == nullptr) {
        std::fprintf(stderr, "word_image_bench: the engine has no DrawText2D_Shaped\n");
        return 1;
    }
    engine.SetEngineInitParametrs(800, 512, 32, 0, 0, 0, 0, 1);
    engine.StartEngine_DrawToPanel(0);
    const uint32_t font = engine.LoadFontFromFile("data/font.dft");
    // Han, Hangul, Arabic letters; Cyrillic for the bitmap font.
    std::vector<NewWords> shaped{{0x4E00, 2000}, {0xAC00, 2000}, {0x0628, 35}};
    NewWords bitmap(0x0430, 32);
    auto firstImage = [&](auto draw) {
        return MedianSeconds(kWordsPerScript, [&] {
            engine.Begin2D();
            draw();
            engine.End2D();
        });
    };
    // The process's first shaped word also opens the libraries, fontconfig's lists and a font:
    // one sample, for information.
    const double start = Now();
    engine.Begin2D();
    engine.DrawText2D_Shaped(font, 10, 10, "中文", kBlue, 255, 1.0);
    engine.End2D();
    const double first = Now() - start;
    for (NewWords& words : shaped) {
        firstImage(
            [&] { engine.DrawText2D_Shaped(font, 10, 10, words.Next().c_str(), kBlue, 255, 1.0); });
    }
    const std::vector<double> least = LeastOfRounds(kRounds, kPause, [&] {
        std::vector<double> figures;
        for (NewWords& words : shaped) {
            figures.push_back(firstImage([&] {
                engine.DrawText2D_Shaped(font, 10, 10, words.Next().c_str(), kBlue, 255, 1.0);
            }));
        }
        figures.push_back(firstImage(
            [&] { engine.DrawText2D_UTF8(font, 10, 10, bitmap.Next().c_str(), kBlue, 255, 1.0); }));
        return figures;
    });
    engine.QuitEngine();
    const char* names[] = {"word-image-han", "word-image-hangul", "word-image-arabic"};
    // A new word must not hold up its frame: docs/benchmarks.md keeps these under 2 ms.
    for (size_t i = 0; i < 3; ++i) PrintInformation(names[i], least[i] * 1e6, least[3] * 1e6, "us");
    PrintInformation("word-image-process-first", first * 1e3, least[3] * 1e3, "ms");
    return 0;
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    return lexo::bench::Run(argc > 1 ? argv[1] : LEXO_BENCH_GAME_DIR);
}
