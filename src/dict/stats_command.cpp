#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/report/history_input.h"
#include "dict/report/stats_report.h"
#include "dict/write/folder_writer.h"
#include "history/history_file.h"
#include "history/memory_parameters.h"
#include "history/memory_states.h"
#include "text/player_language.h"

namespace lexo::dict {
namespace {

constexpr const char* kUsage = R"(usage: lexodrome-dict stats [--html FILE] [--history FILE]
       lexodrome-dict stats [--html FILE] [--by YYYY-MM-DD] HISTORY...

Prints the progress kept in the history, one row per dictionary and mode: the games, the best
and the latest score, the words shot and missed over all games, and the ten most-missed words
with how often each was missed. Given the HISTORY files of a class, one a learner, it prints
each learner's rows under their name (the file's name without its extension), and the page is
one page for the class, a row and a part for each learner.

options:
  --html FILE      also write FILE, one self-contained HTML page: the table, the score of
                   every game over the days played, the words known in each dictionary over
                   the days (the sum over the words played of the chance of recall the
                   memory model gives them), the true retention (the share of reviews a day
                   or more after the one before that were not missed), the model's
                   predictions in tenths against what happened, and the ten most-missed
                   words with their translations, in the desktop's language as the game's
                   windows speak it; a class page has, for each learner, the words known
                   and the retention
  --by DAY         on a class page, also the twenty words of the class most likely
                   forgotten by DAY (YYYY-MM-DD)
  --history FILE   read FILE instead of the game's history
                   ($XDG_STATE_HOME/lexodrome/history.jsonl)
  --help           this text

exit status: 0 shown, 2 usage or file error
)";

std::string StatsProblem(const Arguments& arguments) {
    const auto by = arguments.Value("--by");
    if (by && !ParseDay(*by)) return "--by needs a day such as 2026-12-09";
    if (by && arguments.positional.empty()) return "--by is for the class page of HISTORY files";
    if (!arguments.Value("--history") || arguments.positional.empty()) return "";
    return "give HISTORY files or --history FILE, not both";
}

// The player's own history; before the first game there is none, which is no fault.
Outcome<HistoryInput> PlayersHistory(const Arguments& arguments) {
    const std::optional<std::string> path = HistoryFilePath();
    std::error_code unknown;
    if (!arguments.Value("--history") && path && !std::filesystem::exists(*path, unknown) &&
        !unknown) {
        return HistoryInput{};
    }
    return LoadHistory(arguments.Value("--history"), "stats");
}

void PrintTable(const std::vector<HistoryGame>& games) {
    const std::vector<PlayStats> stats = SummariseHistory(games);
    std::cout << (stats.empty() ? "no game kept yet\n" : StatsTable(stats));
}

}  // namespace

int RunStats(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed =
        ReadCommandLine({"stats", kUsage, {"--html", "--history", "--by"}, {}}, args, StatsProblem);
    if (!parsed) return Finish(parsed.error());

    std::vector<LearnerHistory> learners;
    std::string source;
    if (parsed->positional.empty()) {
        Outcome<HistoryInput> input = PlayersHistory(*parsed);
        if (!input) return Finish(input.error());
        std::cerr << input->warnings;
        learners.push_back({"", std::move(input->history.games)});
        const std::optional<std::string> player = HistoryFilePath();
        if (!parsed->Value("--history") && player) {
            if (const auto fitted = ReadFittedParameters(MemoryParametersPath(*player)))
                learners.back().parameters = fitted->w;
        }
        source = parsed->Value("--history").value_or(HistoryFilePath().value_or(""));
        PrintTable(learners.back().games);
    } else {
        for (const std::string& file : parsed->positional) {
            Outcome<HistoryInput> input = LoadHistoryFile(file, "stats");
            if (!input) return Finish(input.error());
            std::cerr << input->warnings;
            learners.push_back(
                {std::filesystem::path(file).stem().string(), std::move(input->history.games)});
            source += (source.empty() ? "" : ", ") + file;
            std::cout << (learners.size() > 1 ? "\n" : "") << learners.back().name << ":\n";
            PrintTable(learners.back().games);
        }
    }
    const auto html = parsed->Value("--html");
    const auto byText = parsed->Value("--by");
    const std::optional<std::chrono::sys_days> by = byText ? ParseDay(*byText) : std::nullopt;
    const std::string language =
        ChoosePlayerLanguage([](const char* name) { return std::getenv(name); }).code;
    if (!html) return kSuccess;
    const Outcome<void> written =
        WriteWholeFile(*html, StatsPage(learners, source, language, {ReviewToday(), by}));
    return written ? kSuccess : Finish(written.error());
}

}  // namespace lexo::dict
