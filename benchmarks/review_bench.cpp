// `lexodrome-dict review` over a history of 100,000 games, from reading the file to the written
// folder, against reading the same file and parsing each line with the JSON library alone.

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "bench_report.h"
#include "dict/review_folder.h"
#include "dict/write/dictionary_build.h"
#include "dict/write/folder_writer.h"
#include "history/history_line.h"
#include "history/review_schedule.h"
#include "temp_dir.h"
#include "text/text_file.h"
#include "text/text_lines.h"
#include "word_maker.h"

namespace lexo::bench {
namespace {

constexpr size_t kGames = 100'000;
constexpr size_t kWordsPerDictionary = 2'000;
// About two seconds a round on two cores: few rounds, to keep ./bench short.
constexpr int kRounds = 3;
constexpr size_t kRepetitions = 1;

// A year of play over five dictionaries: each game shoots a few words and leaves a few.
std::string MakeHistory() {
    const std::vector<std::string> words = MakeWords(kWordsPerDictionary, 15);
    const std::vector<std::string> translations = MakeWords(kWordsPerDictionary, 16);
    std::string history;
    uint32_t next = 1;
    auto pick = [&] { return (next = next * 1103515245u + 12345u) / 65536u % kWordsPerDictionary; };
    for (size_t i = 0; i < kGames; ++i) {
        GameRecord game{"dictionary-" + std::to_string(i % 5),
                        static_cast<uint8_t>(1 + i % 2),
                        40,
                        0,
                        0,
                        {},
                        {},
                        {}};
        for (size_t shot = pick() % 12; shot > 0; --shot) game.shot.push_back(words[pick()]);
        for (size_t missed = 1 + pick() % 4; missed > 0; --missed) {
            const size_t word = pick();
            game.missed.emplace_back(words[word], translations[word]);
        }
        game.wordsComplete = static_cast<int32_t>(game.shot.size());
        game.score = game.wordsComplete * 6;
        const int day = 1 + static_cast<int>(i / 300) % 28;
        const int month = 1 + static_cast<int>(i / (300 * 28)) % 12;
        char time[40];
        std::snprintf(time, sizeof time, "2026-%02d-%02dT%02d:%02d:00+01:00", month, day,
                      static_cast<int>(i % 24), static_cast<int>(i % 60));
        history += HistoryLine(game, time) + "\n";
    }
    return history;
}

void Review(const std::string& input, const std::string& out) {
    const History history = ReadHistory(ReadWholeFile(input));
    const auto today = std::chrono::sys_days(std::chrono::year(2027) / 1 / 1);
    const std::vector<ReviewWord> words = ScheduleReview(history.games, today, 60);
    dict::WriteFolder(out, dict::DictionaryFolderFiles(dict::ReviewFolderLines(words)),
                      dict::ExistingFolder::Replace);
    if (history.games.size() != kGames || words.size() != 60) std::abort();
}

void ParseWithJsonAlone(const std::string& input) {
    size_t objects = 0;
    ForEachLine(ReadWholeFile(input), LineEnds::CrLfOrLf,
                [&](std::string_view line) { objects += nlohmann::json::parse(line).is_object(); });
    if (objects != kGames) std::abort();
}

}  // namespace
}  // namespace lexo::bench

int main() {
    using namespace lexo::bench;
    lexo::test::TempDir dir;
    const std::string input = dir.File("history.jsonl");
    std::ofstream(input, std::ios::binary) << MakeHistory();
    const std::vector<double> least = LeastOfRounds(kRounds, std::chrono::milliseconds(200), [&] {
        return std::vector<double>{
            MedianSeconds(kRepetitions, [&] { Review(input, dir.File("review")); }),
            MedianSeconds(kRepetitions, [&] { ParseWithJsonAlone(input); })};
    });
    PrintInformation("review", least[0] * 1e3, least[1] * 1e3, "ms");
    return 0;
}
