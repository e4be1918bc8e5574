#include <algorithm>
#include <charconv>
#include <iostream>
#include <iterator>
#include <optional>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/report/history_input.h"
#include "dict/review_dictionary.h"
#include "dict/write/folder_writer.h"
#include "history/history_line.h"

namespace lexo::dict {
namespace {

constexpr size_t kDefaultMax = 60;

constexpr const char* kUsage =
    R"(usage: lexodrome-dict review --out FOLDER [--max N] [--force] [--history FILE]

Makes a dictionary folder of the words to practise, from the games kept in the history.
Every word a game left on the field is scheduled by the Leitner method: a word missed goes
to box 1, which is due at once; each later hit moves it up one box, and a word in box k >= 2
is due again 2^(k-2) days after the last game it was in (box 2: the next day, box 3: two days
later, box 4: four …); a miss sends it back to box 1. The words due today come first, the
most-missed first, then the others, the soonest due first.
The folder is written whole or not at all; placed beside the game, it is a dictionary like
any other.

options:
  --out FOLDER     the dictionary folder to make (required)
  --max N          at most N words (default 60)
  --force          replace FOLDER if it exists and holds only a dictionary's files
  --history FILE   read FILE instead of the game's history
                   ($XDG_STATE_HOME/lexodrome/history.jsonl)
  --help           this text

exit status: 0 written, 2 usage or file error, 3 no word is due today: none was ever missed,
             or every missed word has climbed out of the due boxes (nothing written)
)";

std::optional<size_t> ParseMax(const std::string& text) {
    size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
    return value;
}

// What is wrong with the arguments, or "".
std::string ReviewProblem(const Arguments& parsed) {
    const std::string unexpected = NoPositionalArguments(parsed);
    if (!unexpected.empty()) return unexpected;
    if (!parsed.Value("--out")) return "--out FOLDER is needed";
    const auto maxText = parsed.Value("--max");
    if (maxText && !ParseMax(*maxText)) return "--max needs a whole number above 0";
    return "";
}

}  // namespace

int RunReview(const std::vector<std::string>& args) {
    const Outcome<Arguments> parsed = ReadCommandLine(
        {"review", kUsage, {"--out", "--max", "--history"}, {"--force"}}, args, ReviewProblem);
    if (!parsed) return Finish(parsed.error());
    const auto maxText = parsed->Value("--max");
    const size_t max = maxText ? *ParseMax(*maxText) : kDefaultMax;
    const Outcome<HistoryInput> input = LoadHistory(parsed->Value("--history"), "review");
    if (!input) return Finish(input.error());
    std::cerr << input->warnings;
    const History& history = input->history;

    const std::chrono::sys_days today = HistoryToday();
    const std::vector<ReviewWord> words = ScheduleReview(history.games, today, max);
    if (words.empty() || !IsDue(words.front(), today)) {
        std::cout << "lexodrome-dict review: no word is due today";
        if (!words.empty())
            std::cout << " (the next on " << FormatHistoryDay(words.front().dueDay) << ")";
        std::cout << "; nothing written\n";
        return kNothingDue;
    }
    const DictionaryLines lines = ReviewDictionary(words);
    const std::string out = *parsed->Value("--out");
    const Outcome<void> written =
        WriteFolder(out, DictionaryFolderFiles(lines),
                    parsed->Flag("--force") ? ExistingFolder::Replace : ExistingFolder::Keep);
    if (!written) return Finish(written.error());
    // Counted as the folder holds them: words two dictionaries share are one line.
    std::vector<ReviewWord> dueWords;
    std::copy_if(words.begin(), words.end(), std::back_inserter(dueWords),
                 [&](const ReviewWord& word) { return IsDue(word, today); });
    const size_t due = ReviewDictionary(dueWords).names.size();
    std::cout << out << ": " << lines.names.size() << (lines.names.size() == 1 ? " word" : " words")
              << ", " << due << " due today\n";
    return kSuccess;
}

}  // namespace lexo::dict
