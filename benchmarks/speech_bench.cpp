// Spoken words: DGLEngine.so opened by path with the shipped content, SDL2_mixer watched from
// outside the engine (its post-mix hook, which sees every buffer the mixer gives the device).
// `speech` is the time from Speak to the first spoken sample reaching the mixer, for words
// prepared ahead as the game prepares them, beside the same time for a plain sample; and
// `frame-speaking` the game's frame while the engine synthesises words, against the same frame
// with nothing to synthesise.

#include <SDL_mixer.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench_report.h"
#include "game/game.h"
#include "loaded_engine.h"
#include "quiet_windows.h"
#include "text/dictionary_languages.h"
#include "text/text_file.h"

namespace lexo::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kShots = 50;
constexpr size_t kFrames = 600;
constexpr int kMonsters = 40;
constexpr const char* kVoice = "de";

// When the mixer first gave the device a sound after being armed; written by the audio thread.
struct MixerWatch {
    std::atomic<bool> armed = false;
    std::atomic<double> heard = 0;
};

void WatchMix(void* watch, Uint8* stream, int length) {
    auto* w = static_cast<MixerWatch*>(watch);
    if (!w->armed) return;
    for (int i = 0; i < length; ++i) {
        if (stream[i] != 0) {
            w->heard = Now();
            w->armed = false;
            return;
        }
    }
}

double Percentile(std::vector<double> samples, double share) {
    std::sort(samples.begin(), samples.end());
    const auto at = static_cast<size_t>(share * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[at];
}

Game* g_game = nullptr;
void DrawProcedure() { g_game->DrawFrame(); }

// Plays through `play` and waits, drawing frames as the game's idle moments do, until the
// mixer hears it: the seconds in between, or a negative value when nothing came within 2 s.
// `call` is the time `play` itself took on the game's thread.
double Latency(test::LoadedEngine& engine, MixerWatch& watch, const std::function<void()>& play,
               double& call) {
    watch.armed = true;
    const double start = Now();
    play();
    call = Now() - start;
    while (watch.armed && Now() - start < 2) {
        engine.EngineMainDraw();
        std::this_thread::sleep_for(200us);
    }
    return watch.armed ? -1 : watch.heard - start;
}

void PrintLatencies(const std::vector<double>& speech, const std::vector<double>& sample,
                    const std::vector<double>& calls) {
    std::printf(
        "bench speech: p95 %.1f ms, median %.1f ms over %d shots vs floor (a sample) p95 "
        "%.1f ms, median %.1f ms (target p95 <= 40 ms)\n",
        Percentile(speech, 0.95) * 1e3, Median(speech) * 1e3, kShots,
        Percentile(sample, 0.95) * 1e3, Median(sample) * 1e3);
    std::printf("  (Speak itself on the game's thread: median %.2f ms, longest %.2f ms)\n",
                Median(calls) * 1e3, *std::max_element(calls.begin(), calls.end()) * 1e3);
    std::fflush(stdout);
}

int Run(const std::string& gameDir) {
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "speech_bench: no game folder %s\n", gameDir.c_str());
        return 1;
    }
    // The disk driver takes buffers at the pace of a real device, into nothing.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    test::LoadedEngine engine("./DGLEngine.so");
    if (!engine.Loaded() || engine.Speak == nullptr || engine.PrepareSpeech == nullptr) {
        std::fprintf(stderr, "speech_bench: the engine cannot speak %s\n", engine.Error().c_str());
        return 1;
    }
    EngineEntries entries;
#define LEXO_BENCH_COPY_ENTRY(name) entries.name = engine.name;
    LEXO_GAME_ENTRIES(LEXO_BENCH_COPY_ENTRY)
#undef LEXO_BENCH_COPY_ENTRY
    GameState state;
    QuietWindows windows;
    Game game(state, entries, windows);
    g_game = &game;
    engine.RegProcedure(0, DrawProcedure);
    engine.SetEngineInitParametrs(802, 511, 32, 0, 0, 0, 0, 1);
    engine.DirectSoundInit();
    engine.StartEngine_DrawToPanel(0);
    game.LoadAssets();
    game.LoadMonsterKinds();
    engine.EngineMainDraw();  // opens the audio device

    void* mixerModule = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    auto setPostMix =
        mixerModule == nullptr
            ? nullptr
            : reinterpret_cast<decltype(&Mix_SetPostMix)>(dlsym(mixerModule, "Mix_SetPostMix"));
    if (setPostMix == nullptr) {
        std::fprintf(stderr, "speech_bench: the engine opened no SDL2_mixer\n");
        return 1;
    }
    MixerWatch watch;
    setPostMix(WatchMix, &watch);

    StringList words;
    words.SetText(ReadDictionaryFile("deutsch-grundwortschatz/names.txt"));
    std::mt19937 random(1234);
    std::vector<double> speech, sample, calls;
    double call = 0;
    for (int shot = 0; shot < kShots; ++shot) {
        const std::string word = SpokenText(words[static_cast<size_t>(shot) % words.Count()]);
        // The monster walks a while before it is shot; the word is synthesised meanwhile.
        engine.PrepareSpeech(kVoice, word.c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + random() % 200));
        engine.Speak(kVoice, "");
        std::this_thread::sleep_for(100ms);
        speech.push_back(Latency(
            engine, watch, [&] { engine.Speak(kVoice, word.c_str()); }, call));
        calls.push_back(call);
        engine.Speak(kVoice, "");
        std::this_thread::sleep_for(std::chrono::milliseconds(100 + random() % 50));
        sample.push_back(Latency(
            engine, watch, [&] { engine.PlaySample(state.Assets.FireSample); }, call));
        std::this_thread::sleep_for(400ms);
    }
    if (std::count(speech.begin(), speech.end(), -1.0) > 0) {
        std::fprintf(stderr, "speech_bench: a word was never heard (no espeak-ng voice \"%s\"?)\n",
                     kVoice);
        return 1;
    }
    PrintLatencies(speech, sample, calls);

    // The frame of a busy field, while the engine's thread synthesises a new word for every
    // frame, against the same frames with nothing to synthesise.
    for (int i = 0; i < kMonsters; ++i) {
        state.LiveMonsters.Append(i % 2 + 1, 20 * i, 11 * i, std::string(words[i % words.Count()]),
                                  "");
    }
    size_t asked = 0;
    auto frame = [&](bool speaking) {
        return MedianSeconds(
            kFrames, [&] { engine.EngineMainDraw(); },
            [&] {
                game.TimerMoveTimer();
                if (!speaking) return;
                const std::string word = "Wort " + std::to_string(asked++);
                engine.PrepareSpeech(kVoice, word.c_str());
            });
    };
    const std::vector<double> least = LeastOfRounds(8, 500ms, [&]() -> std::vector<double> {
        const double quiet = frame(false);
        const double speaking = frame(true);
        // What is still waiting is no load on the next quiet round.
        std::this_thread::sleep_for(1s);
        return {speaking, quiet};
    });
    PrintFigure({"frame-speaking", least[0] * 1e6, least[1] * 1e6, "us", 1.2});
    engine.QuitEngine();
    return 0;
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    return lexo::bench::Run(argc > 1 ? argv[1] : LEXO_BENCH_GAME_DIR);
}
