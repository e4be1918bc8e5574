#include <iostream>
#include <optional>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/report/history_input.h"
#include "dict/review_folder.h"
#include "dict/write/folder_writer.h"
#include "history/history_file.h"
#include "history/memory_parameters.h"
#include "history/memory_states.h"

namespace lexo::dict {
namespace {

constexpr size_t kDefaultMax = 60;

constexpr const char* kUsage =
    R"(usage: lexodrome-dict review --out FOLDER [--max N] [--force] [--history FILE]

Makes a dictionary folder of the words to practise, from the games kept in the history: the
words whose chance of recall today, as the memory model tells it (see lexodrome-dict memory),
is below 90 %, the lowest first. The model uses the parameters the last fit kept for the
game's own history, else its defaults. A word no game kept a translation of is left out.
The folder is written whole or not at all; placed beside the game, it is a dictionary like
any other.

options:
  --out FOLDER     the dictionary folder to make (required)
  --max N          at most N words (default 60)
  --force          replace FOLDER if it exists and holds only a dictionary's files
  --history FILE   read FILE instead of the game's history
                   ($XDG_STATE_HOME/lexodrome/history.jsonl)
  --help           this text

exit status: 0 written, 2 usage or file error, 3 no word is due today (nothing written)
)";

// What is wrong with the arguments, or "".
std::string ReviewProblem(const Arguments& parsed) {
    const std::string unexpected = NoPositionalArguments(parsed);
    if (!unexpected.empty()) return unexpected;
    if (!parsed.Value("--out")) return "--out FOLDER is needed";
    const auto maxText = parsed.Value("--max");
    if (maxText && !CountOption(*maxText)) return "--max needs a whole number above 0";
    return "";
}

}  // namespace

int RunReview(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed = ReadCommandLine(
        {"review", kUsage, {"--out", "--max", "--history"}, {"--force"}}, args, ReviewProblem);
    if (!parsed) return Finish(parsed.error());
    const auto maxText = parsed->Value("--max");
    const size_t max = maxText ? *CountOption(*maxText) : kDefaultMax;
    const Outcome<HistoryInput> input = LoadHistory(parsed->Value("--history"), "review");
    if (!input) return Finish(input.error());
    std::cerr << input->warnings;
    const History& history = input->history;

    const std::optional<std::string> player = HistoryFilePath();
    const std::optional<FittedParameters> fitted =
        parsed->Value("--history") || !player ? std::nullopt
                                              : ReadFittedParameters(MemoryParametersPath(*player));
    const std::vector<ReviewWord> words = ScheduleReview(
        history.games, ReviewToday(), max, fitted ? fitted->w : kDefaultFsrsParameters);
    if (words.empty()) {
        std::cout << "lexodrome-dict review: no word is due today; nothing written\n";
        return kNothingDue;
    }
    const DictionaryLines lines = ReviewFolderLines(words);
    const std::string out = *parsed->Value("--out");
    const Outcome<void> written =
        WriteFolder(out, DictionaryFolderFiles(lines),
                    parsed->Flag("--force") ? ExistingFolder::Replace : ExistingFolder::Keep);
    if (!written) return Finish(written.error());
    std::cout << out << ": " << lines.names.size() << (lines.names.size() == 1 ? " word" : " words")
              << " due today\n";
    return kSuccess;
}

}  // namespace lexo::dict
