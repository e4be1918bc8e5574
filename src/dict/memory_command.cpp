#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/report/history_input.h"
#include "history/history_file.h"
#include "history/memory_fit.h"
#include "history/memory_parameters.h"
#include "history/memory_states.h"

namespace lexo::dict {
namespace {

using std::chrono::sys_days;

constexpr const char* kUsage =
    R"(usage: lexodrome-dict memory [--history FILE] [--today YYYY-MM-DD]
                             [--parameters default|fitted] [--json]
       lexodrome-dict memory --fit [--if-grown] [--history FILE]

Tells, for every word the games have played, what the memory model (FSRS-6) makes of its
reviews: each game that played a word is one review of it, graded Again (1) to Easy (4) from
how it was typed; a word played twice in one game is one review graded by the worse. A day
starts at 4 in the morning. Stability is the days until the chance of recall falls to 90 %,
difficulty runs from 1 to 10, retrievability is the chance of recall today, and the word is
due on the day it falls to 90 %.

With --fit, fits the model's 21 parameters to the reviews made a day or more after the one
before (at least 400 of them), and prints them, then the log loss and the binned RMSE of the
predictions with the default parameters and with the fitted ones. For the game's own history
the fitted parameters are kept beside it, in memory-parameters.txt, and used from then on.

options:
  --history FILE       read FILE instead of the game's history
                       ($XDG_STATE_HOME/lexodrome/history.jsonl)
  --today YYYY-MM-DD   the day retrievability is told for (default: today)
  --parameters WHICH   default: fsrs-rs's; fitted: those the last fit kept for the game's
                       own history (the default; fsrs-rs's while there are none, when the
                       file is damaged, and for a history given by --history)
  --json               one JSON object a word and a line: dictionary, word, reviews as
                       [rating, days since the previous review], last, stability,
                       difficulty, retrievability, due
  --fit                fit the parameters
  --if-grown           with --fit, fit only when the reviews have grown by a fifth since
                       the last fit kept (or none was and there are enough), else do nothing
                       and say nothing; the game runs this after every game
  --help               this text

exit status: 0 shown or fitted, 2 usage or file error, 3 too few reviews to fit
)";

std::string MemoryProblem(const Arguments& parsed) {
    const std::string unexpected = NoPositionalArguments(parsed);
    if (!unexpected.empty()) return unexpected;
    const auto today = parsed.Value("--today");
    if (today && !ParseDay(*today)) return "--today needs a day such as 2026-12-09";
    const auto which = parsed.Value("--parameters");
    if (which && *which != "default" && *which != "fitted")
        return "--parameters is default or fitted";
    if (parsed.Flag("--if-grown") && !parsed.Flag("--fit")) return "--if-grown goes with --fit";
    return "";
}

// Where the player's fitted parameters are kept; nothing when the history is another file.
std::optional<std::string> PlayersParametersPath(const Arguments& parsed) {
    const std::optional<std::string> history = HistoryFilePath();
    if (parsed.Value("--history") || !history) return std::nullopt;
    return MemoryParametersPath(*history);
}

FsrsParameters ChosenParameters(const Arguments& parsed) {
    if (parsed.Value("--parameters").value_or("fitted") == "default") return kDefaultFsrsParameters;
    const std::optional<std::string> path = PlayersParametersPath(parsed);
    const std::optional<FittedParameters> fitted =
        path ? ReadFittedParameters(*path) : std::nullopt;
    return fitted ? fitted->w : kDefaultFsrsParameters;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Whether --if-grown finds the reviews too few, or not grown enough since the last fit kept.
bool FitNotNeeded(const Arguments& parsed, size_t reviews) {
    if (reviews < kFewestFitReviews) return true;
    const std::optional<std::string> path = PlayersParametersPath(parsed);
    const std::optional<FittedParameters> last = path ? ReadFittedParameters(*path) : std::nullopt;
    return last && reviews * 5 < last->reviews * 6;
}

int Fit(const Arguments& parsed, const std::vector<WordHistory>& words) {
    const MemoryReviews reviews(words);
    if (parsed.Flag("--if-grown") && FitNotNeeded(parsed, reviews.Count())) return kSuccess;
    if (reviews.Count() < kFewestFitReviews) {
        return Finish({kTooFewReviews, "lexodrome-dict memory: " + std::to_string(reviews.Count()) +
                                           " reviews a day or more after the one before; a fit "
                                           "needs at least " +
                                           std::to_string(kFewestFitReviews) +
                                           ", so the default parameters stay\n"});
    }
    const FsrsParameters fitted = FitParameters(reviews);
    const Prediction before = reviews.Evaluate(kDefaultFsrsParameters);
    const Prediction after = reviews.Evaluate(fitted);
    std::cout << "parameters:";
    for (const double value : fitted) std::cout << ' ' << Fixed(value, 4);
    std::cout << "\nlog loss: " << Fixed(before.logLoss, 4) << " -> " << Fixed(after.logLoss, 4)
              << "\nRMSE (bins): " << Fixed(before.rmseBins, 4) << " -> "
              << Fixed(after.rmseBins, 4) << '\n';
    const std::optional<std::string> path = PlayersParametersPath(parsed);
    if (!path) return kSuccess;
    if (const auto error = WriteFittedParameters(*path, {fitted, reviews.Count()}))
        return Finish(FileSystemEnd(*path + ": " + *error));
    return kSuccess;
}

void PrintJson(const WordHistory& word, const WordMemory& memory) {
    nlohmann::ordered_json line;
    line["dictionary"] = word.dictionary;
    line["word"] = word.word;
    nlohmann::json reviews = nlohmann::json::array();
    for (size_t i = 0; i < word.reviews.size(); ++i) {
        reviews.push_back({static_cast<int>(word.reviews[i].rating), ReviewGap(word.reviews, i)});
    }
    line["reviews"] = reviews;
    line["last"] = FormatHistoryDay(memory.last);
    line["stability"] = memory.state.stability;
    line["difficulty"] = memory.state.difficulty;
    line["retrievability"] = memory.retrievability;
    line["due"] = FormatHistoryDay(memory.due);
    // Words as a hand-edited history may hold them: not UTF-8 becomes U+FFFD.
    std::cout << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void PrintRow(const WordHistory& word, const WordMemory& memory) {
    std::cout << word.dictionary << '\t' << word.word << '\t' << word.reviews.size() << '\t'
              << FormatHistoryDay(memory.last) << '\t' << Fixed(memory.state.stability, 2) << '\t'
              << Fixed(memory.state.difficulty, 2) << '\t' << Fixed(memory.retrievability, 3)
              << '\t' << FormatHistoryDay(memory.due) << '\n';
}

}  // namespace

int RunMemory(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed = ReadCommandLine({"memory",
                                                       kUsage,
                                                       {"--history", "--today", "--parameters"},
                                                       {"--json", "--fit", "--if-grown"}},
                                                      args, MemoryProblem);
    if (!parsed) return Finish(parsed.error());
    const Outcome<HistoryInput> input = LoadHistory(parsed->Value("--history"), "memory");
    if (!input) return Finish(input.error());
    std::cerr << input->warnings;
    const std::vector<WordHistory> words = WordHistories(input->history.games);
    if (parsed->Flag("--fit")) return Fit(*parsed, words);

    const FsrsParameters w = ChosenParameters(*parsed);
    const auto todayText = parsed->Value("--today");
    const sys_days today = todayText ? *ParseDay(*todayText) : ReviewToday();
    const bool json = parsed->Flag("--json");
    if (!json)
        std::cout
            << "dictionary\tword\treviews\tlast\tstability\tdifficulty\tretrievability\tdue\n";
    for (const WordHistory& word : words) {
        const WordMemory memory = MemoryOn(w, word, today);
        json ? PrintJson(word, memory) : PrintRow(word, memory);
    }
    return kSuccess;
}

}  // namespace lexo::dict
