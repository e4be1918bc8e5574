// The dictionary dialog's opening after a game over, with a history of 10,000 games (the review
// of the words due built from it) against the same opening with no history at all. Each opening
// follows one more game appended to the history, as a game over does; the dialog looks for the
// folders, builds the review, is shown on an X server of the benchmark's own, as the game's is,
// and closed with OK.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "bench_report.h"
#include "history/history_line.h"
#include "review/review_offer.h"
#include "temp_dir.h"
#include "ui/dictionary_dialog.h"
#include "xvfb_server.h"

namespace lexo::bench {
namespace {

constexpr size_t kGames = 10'000;
constexpr size_t kWordsPerDictionary = 2'000;
constexpr size_t kOpenings = 41;
constexpr int kRounds = 5;

// A game of one of five dictionaries, some words shot and some left, `daysAgo` before today.
std::string GameLine(size_t i, int daysAgo, uint32_t& next) {
    auto pick = [&] { return (next = next * 1103515245u + 12345u) / 65536u % kWordsPerDictionary; };
    GameRecord game{"dictionary-" + std::to_string(i % 5), 1, 40, 0, 0, {}, {}, {}};
    for (size_t shot = pick() % 12; shot > 0; --shot) {
        game.shot.push_back("word" + std::to_string(pick()));
    }
    for (size_t missed = 1 + pick() % 4; missed > 0; --missed) {
        const size_t word = pick();
        game.missed.emplace_back("word" + std::to_string(word), "слово" + std::to_string(word));
    }
    const std::string day = FormatHistoryDay(HistoryToday() - std::chrono::days(daysAgo));
    return HistoryLine(game, day + "T12:00:00+00:00");
}

// A year of play, the last game today.
void WriteHistory(const std::string& path, uint32_t& next) {
    std::ofstream file(path, std::ios::binary);
    for (size_t i = 0; i < kGames; ++i) {
        file << GameLine(i, static_cast<int>((kGames - 1 - i) * 365 / kGames), next) << '\n';
    }
}

// Opens the dialog as a game over does and closes it with OK.
void Open(TForm3& dialog) {
    QTimer::singleShot(0, &dialog, [&] { dialog.But1->click(); });
    if (!dialog.ShowModalDialog()) std::abort();
}

// The median of kOpenings openings, each after one more game appended to the history.
double MedianOpening(TForm3& dialog, const std::string& history, uint32_t& next) {
    size_t game = kGames;
    return MedianSeconds(
        kOpenings, [&] { Open(dialog); },
        [&] {
            if (history.empty()) return;
            std::ofstream(history, std::ios::app | std::ios::binary)
                << GameLine(game++, 0, next) << '\n';
        });
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    using namespace lexo;
    using namespace lexo::bench;
    test::XvfbServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "dialog_review_bench: %s\n", server.Error().c_str());
        return 1;
    }
    qputenv("DISPLAY", QByteArray::fromStdString(server.Name()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    test::TempDir dir;
    for (const char* name : {"a-cats", "b-dogs", "c-mice"}) {
        std::filesystem::create_directory(dir.File(name));
        std::ofstream(dir.File(name) + "/about.txt");
        std::ofstream(dir.File(name) + "/names.txt") << "word\r\n";
        std::ofstream(dir.File(name) + "/names2.txt") << "слово\r\n";
    }
    uint32_t next = 1;
    const std::string history = dir.File("history.jsonl");
    WriteHistory(history, next);

    auto offer = std::make_shared<ReviewOffer>(history);
    TForm3 withHistory(dir.Path());
    withHistory.OfferReview([offer] { return offer->DueNow(HistoryToday()); });
    withHistory.List->setCurrentRow(0);
    const double first = MedianSeconds(1, [&] { Open(withHistory); });

    auto none = std::make_shared<ReviewOffer>(std::nullopt);
    TForm3 withoutHistory(dir.Path());
    withoutHistory.OfferReview([none] { return none->DueNow(HistoryToday()); });
    withoutHistory.List->setCurrentRow(0);

    const std::vector<double> least = LeastOfRounds(kRounds, std::chrono::milliseconds(200), [&] {
        return std::vector<double>{MedianOpening(withHistory, history, next),
                                   MedianOpening(withoutHistory, "", next)};
    });
    PrintFigure({"dialog-review", least[0] * 1e3, least[1] * 1e3, "ms", 2});
    std::printf("  (the first opening, reading all %zu games: %.1f ms)\n", kGames, first * 1e3);
    return 0;
}
