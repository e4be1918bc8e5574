#include "dict/report/stats_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "dict/diagnostics/diagnostics.h"
#include "dict/read/html_text.h"
#include "dict/report/confusions_section.h"
#include "dict/report/page_texts.h"
#include "dict/report/time_chart.h"
#include "history/memory_progress.h"
#include "history/memory_states.h"
#include "text/unicode_text.h"

namespace lexo::dict {
namespace {

constexpr std::array<const char*, 7> kHeadings = {"dictionary", "mode", "games", "best",
                                                  "latest",     "shot", "missed"};

// A row's cells; the most-missed words go after them.
std::array<std::string, kHeadings.size()> Cells(const PlayStats& row) {
    return {Printable(row.dictionary), Printable(row.mode),        std::to_string(row.games),
            std::to_string(row.best),  std::to_string(row.latest), std::to_string(row.shot),
            std::to_string(row.missed)};
}

std::string MostMissed(const PlayStats& row) {
    std::string text;
    for (const auto& [word, times] : row.mostMissed) {
        if (!text.empty()) text += ", ";
        text += Printable(word) + " " + std::to_string(times);
    }
    return text;
}

// Text columns (the first two) lean left, numbers right.
void AddCell(std::string& line, const std::string& cell, size_t column, size_t width) {
    // Characters, not bytes: the names are UTF-8.
    const std::string padding(width - CharacterCount(cell), ' ');
    line += column < 2 ? cell + padding : padding + cell;
    line += "  ";
}

}  // namespace

std::string StatsTable(const std::vector<PlayStats>& stats) {
    std::array<size_t, kHeadings.size()> widths{};
    for (size_t column = 0; column < kHeadings.size(); ++column)
        widths[column] = CharacterCount(kHeadings[column]);
    for (const PlayStats& row : stats) {
        const auto cells = Cells(row);
        for (size_t column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], CharacterCount(cells[column]));
    }
    std::string table;
    for (size_t column = 0; column < kHeadings.size(); ++column)
        AddCell(table, kHeadings[column], column, widths[column]);
    table += "most missed\n";
    for (const PlayStats& row : stats) {
        const auto cells = Cells(row);
        for (size_t column = 0; column < cells.size(); ++column)
            AddCell(table, cells[column], column, widths[column]);
        table += MostMissed(row);
        // No padding left at the end of a row without missed words.
        table.erase(table.find_last_not_of(' ') + 1);
        table += '\n';
    }
    return table;
}

namespace {

using std::chrono::sys_days;

std::string Say(PageText text, const std::string& language) {
    return std::string(PageString(text, language));
}

std::string Cell(const std::string& text, bool number = false) {
    return (number ? "<td class=\"n\">" : "<td>") + EscapeHtml(text) + "</td>";
}

std::string HeadingRow(const std::vector<PageText>& headings, const std::string& language) {
    std::string row = "<tr>";
    for (const PageText heading : headings) row += "<th>" + Say(heading, language) + "</th>";
    return row + "</tr>\n";
}

std::string PlayTable(const std::vector<PlayStats>& stats, const std::string& language) {
    std::string table =
        "<table>\n" +
        HeadingRow({PageText::Dictionary, PageText::Mode, PageText::Games, PageText::Best,
                    PageText::Latest, PageText::Shot, PageText::Missed, PageText::MostMissed},
                   language);
    for (const PlayStats& row : stats) {
        const auto cells = Cells(row);
        table += "<tr>" + Cell(cells[0]) + Cell(std::string(ModeName(cells[1], language)));
        for (size_t column = 2; column < cells.size(); ++column) table += Cell(cells[column], true);
        table += Cell(MostMissed(row)) + "</tr>\n";
    }
    return table + "</table>\n";
}

// Where each game sits on the date axis: on its own calendar day, the games of a day spread
// across it in the order they were played.
std::map<const HistoryGame*, double> DayPositions(const std::vector<const HistoryGame*>& played) {
    std::map<sys_days, size_t> perDay;
    for (const HistoryGame* game : played) ++perDay[game->day];
    std::map<sys_days, size_t> placed;
    std::map<const HistoryGame*, double> positions;
    for (const HistoryGame* game : played) {
        const double within = (static_cast<double>(placed[game->day]++) + 0.5) /
                              static_cast<double>(perDay[game->day]);
        positions[game] = static_cast<double>(game->day.time_since_epoch().count()) + within;
    }
    return positions;
}

struct LearnerCharts {
    std::vector<ChartSeries> scores;  // by dictionary and mode
    std::vector<ChartSeries> known;   // by dictionary
    sys_days first;
    sys_days last;
};

LearnerCharts Charts(const LearnerHistory& learner, const std::string& language) {
    const std::vector<HistoryGame>& games = learner.games;
    const std::vector<const HistoryGame*> played = InPlayOrder(games);
    const std::map<const HistoryGame*, double> at = DayPositions(played);
    LearnerCharts charts;
    charts.first = played.front()->day;
    charts.last = played.front()->day;
    std::map<std::pair<std::string, std::string>, ChartSeries> scores;
    for (const HistoryGame* game : played) {
        charts.first = std::min(charts.first, game->day);
        charts.last = std::max(charts.last, game->day);
        const std::string mode(ModeName(Printable(game->mode), language));
        ChartSeries& series = scores[{game->dictionary, game->mode}];
        series.name = Printable(game->dictionary, 16) + " (" + mode + ")";
        series.points.push_back({at.at(game), game->score,
                                 FormatHistoryDay(game->day) + " · " + Printable(game->dictionary) +
                                     " (" + mode + ") · " + Say(PageText::Score, language) + " " +
                                     std::to_string(game->score)});
    }
    std::map<std::string, ChartSeries> known;
    for (const KnownAfterGame& after : KnownOverDays(games, learner.parameters)) {
        ChartSeries& series = known[after.dictionary];
        series.name = Printable(after.dictionary, 24);
        const int64_t words = std::llround(after.words);
        series.points.push_back(
            {at.at(after.game), words,
             FormatHistoryDay(after.game->day) + " · " + Printable(after.dictionary) + " · " +
                 Say(PageText::WordsKnown, language) + " " + std::to_string(words)});
    }
    for (auto& [key, series] : scores) charts.scores.push_back(std::move(series));
    for (auto& [key, series] : known) charts.known.push_back(std::move(series));
    return charts;
}

std::string MissedWordsTable(const std::vector<HistoryGame>& games, const std::string& language) {
    const std::vector<ReviewWord> words = MostMissedWords(games);
    if (words.empty()) return "<p>" + Say(PageText::NoWordMissed, language) + "</p>\n";
    std::string table = "<table>\n" + HeadingRow({PageText::Word, PageText::Translation,
                                                  PageText::Dictionary, PageText::TimesMissed},
                                                 language);
    for (const ReviewWord& word : words) {
        table += "<tr>" + Cell(Printable(word.word)) + Cell(Printable(word.translation)) +
                 Cell(Printable(word.dictionary)) + Cell(std::to_string(word.misses), true) +
                 "</tr>\n";
    }
    return table + "</table>\n";
}

std::string Percent(double share) { return std::to_string(std::lround(share * 100)) + " %"; }

std::string RetentionShare(const Retention& retention) {
    return retention.reviews == 0
               ? ""
               : Percent(static_cast<double>(retention.recalled) / retention.reviews);
}

std::string RetentionLine(const Retention& retention, const std::string& language) {
    if (retention.reviews == 0) return "";
    return "<p>" + Say(PageText::RetentionLine, language) + " " + RetentionShare(retention) + " (" +
           std::to_string(retention.recalled) + " / " + std::to_string(retention.reviews) +
           ")</p>\n";
}

std::string Bar(double share) {
    return "<td><span style=\"display:inline-block;height:0.8em;background:#48c;width:" +
           std::to_string(std::lround(share * 100)) + "px\"></span></td>";
}

// A row for each tenth of R the model predicted: how many reviews, the mean prediction and the
// share recalled, each with a bar, to set side by side.
std::string CalibrationTable(const std::vector<WordHistory>& words, const FsrsParameters& w,
                             const std::string& language) {
    const auto bins = Calibration(words, w);
    std::string rows;
    for (size_t i = 0; i < bins.size(); ++i) {
        const CalibrationBin& bin = bins[i];
        if (bin.reviews == 0) continue;
        const double predicted = bin.predicted / static_cast<double>(bin.reviews);
        const double recalled =
            static_cast<double>(bin.recalled) / static_cast<double>(bin.reviews);
        const std::string upper = i == 9 ? "1" : "0." + std::to_string(i + 1);
        rows += "<tr>" + Cell("0." + std::to_string(i) + "–" + upper) +
                Cell(std::to_string(bin.reviews), true) + Cell(Percent(predicted), true) +
                Bar(predicted) + Cell(Percent(recalled), true) + Bar(recalled) + "</tr>\n";
    }
    if (rows.empty()) return "";
    return "<table>\n<tr><th>R</th><th>" + Say(PageText::Reviews, language) +
           "</th><th colspan=\"2\">" + Say(PageText::Predicted, language) +
           "</th><th colspan=\"2\">" + Say(PageText::Recalled, language) + "</th></tr>\n" + rows +
           "</table>\n";
}

// Per dictionary, the words played and the sum of their chances of recall today.
std::string KnownNowTable(const std::vector<WordHistory>& words, const FsrsParameters& w,
                          const std::string& language, sys_days today) {
    std::map<std::string, std::pair<size_t, double>> perDictionary;
    for (const WordHistory& word : words) {
        auto& [played, known] = perDictionary[word.dictionary];
        ++played;
        known += MemoryOn(w, word, today).retrievability;
    }
    std::string table =
        "<table>\n" +
        HeadingRow({PageText::Dictionary, PageText::WordsPlayed, PageText::KnownNow}, language);
    for (const auto& [dictionary, counts] : perDictionary) {
        table += "<tr>" + Cell(Printable(dictionary)) + Cell(std::to_string(counts.first), true) +
                 Cell(std::to_string(std::lround(counts.second)), true) + "</tr>\n";
    }
    return table + "</table>\n";
}

// A learner's part of the page, its headings at `level` (2 on the player's own page).
std::string LearnerPart(const LearnerHistory& learner, const std::string& language, int level,
                        sys_days today) {
    if (learner.games.empty()) return "<p>" + Say(PageText::NoGame, language) + "</p>\n";
    const std::string open = "<h" + std::to_string(level) + ">";
    const std::string close = "</h" + std::to_string(level) + ">\n";
    const LearnerCharts charts = Charts(learner, language);
    const std::vector<WordHistory> words = WordHistories(learner.games);
    return PlayTable(SummariseHistory(learner.games), language) + open +
           Say(PageText::ScoreOverTime, language) + close +
           TimeChart(charts.scores, charts.first, charts.last, false,
                     Say(PageText::ScoreOverTime, language)) +
           open + Say(PageText::WordsKnownOverTime, language) + close +
           KnownNowTable(words, learner.parameters, language, today) +
           TimeChart(charts.known, charts.first, charts.last, true,
                     Say(PageText::WordsKnownOverTime, language)) +
           RetentionLine(TrueRetention(words), language) + open +
           Say(PageText::Calibration, language) + close +
           CalibrationTable(words, learner.parameters, language) + open +
           Say(PageText::MostMissedWords, language) + close +
           MissedWordsTable(learner.games, language) +
           ConfusionsSection(learner.games, language, level);
}

// The class at a glance: a row for each learner, linked to their part.
std::string ClassTable(const std::vector<LearnerHistory>& learners, const std::string& language,
                       sys_days today) {
    std::string table =
        "<table>\n" +
        HeadingRow({PageText::Learner, PageText::Games, PageText::Best, PageText::Latest,
                    PageText::LastPlayed, PageText::WordsKnown, PageText::TrueRetention},
                   language);
    for (size_t i = 0; i < learners.size(); ++i) {
        const LearnerHistory& learner = learners[i];
        table += "<tr><td><a href=\"#learner-" + std::to_string(i + 1) + "\">" +
                 EscapeHtml(Printable(learner.name)) + "</a></td>" +
                 Cell(std::to_string(learner.games.size()), true);
        if (learner.games.empty()) {
            table += "<td></td><td></td><td></td><td></td><td></td></tr>\n";
            continue;
        }
        const std::vector<const HistoryGame*> played = InPlayOrder(learner.games);
        const std::vector<WordHistory> words = WordHistories(learner.games);
        int64_t best = played.front()->score;
        for (const HistoryGame* game : played) best = std::max(best, game->score);
        table +=
            Cell(std::to_string(best), true) + Cell(std::to_string(played.back()->score), true) +
            Cell(FormatHistoryDay(played.back()->day)) +
            Cell(std::to_string(std::lround(KnownOn(words, learner.parameters, today))), true) +
            Cell(RetentionShare(TrueRetention(words)), true) + "</tr>\n";
    }
    return table + "</table>\n";
}

// The twenty words of the class with the lowest chance of recall on `by`, with whose they are.
std::string ForgottenTable(const std::vector<LearnerHistory>& learners, const std::string& language,
                           sys_days by) {
    struct Forgotten {
        double chance;
        size_t learner;
        WordHistory word;
    };
    std::vector<Forgotten> words;
    for (size_t i = 0; i < learners.size(); ++i) {
        for (WordHistory& word : WordHistories(learners[i].games)) {
            const double chance = MemoryOn(learners[i].parameters, word, by).retrievability;
            words.push_back({chance, i, std::move(word)});
        }
    }
    const size_t shown = std::min<size_t>(words.size(), 20);
    std::partial_sort(words.begin(), words.begin() + shown, words.end(),
                      [](const Forgotten& a, const Forgotten& b) { return a.chance < b.chance; });
    std::string table = "<h2>" + Say(PageText::ForgottenBy, language) + " " + FormatHistoryDay(by) +
                        "</h2>\n<table>\n" +
                        HeadingRow({PageText::Learner, PageText::Word, PageText::Translation,
                                    PageText::Dictionary, PageText::Chance},
                                   language);
    for (size_t i = 0; i < shown; ++i) {
        const Forgotten& forgotten = words[i];
        table += "<tr>" + Cell(Printable(learners[forgotten.learner].name)) +
                 Cell(Printable(forgotten.word.word)) +
                 Cell(Printable(forgotten.word.translation)) +
                 Cell(Printable(forgotten.word.dictionary)) +
                 Cell(Percent(forgotten.chance), true) + "</tr>\n";
    }
    return table + "</table>\n";
}

}  // namespace

std::string StatsPage(const std::vector<LearnerHistory>& learners, const std::string& source,
                      const std::string& language, const PageDays& days) {
    const bool classPage = learners.size() != 1 || !learners.front().name.empty();
    const std::string title = Say(classPage ? PageText::ClassTitle : PageText::Title, language);
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"" + EscapeHtml(language) +
        "\">\n<head>\n<meta charset=\"utf-8\">\n"
        // The browser itself holds the page to its promise: nothing is fetched, nothing runs.
        "<meta http-equiv=\"Content-Security-Policy\" "
        "content=\"default-src 'none'; style-src 'unsafe-inline'\">\n<title>" +
        title +
        "</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; }\n"
        "table { border-collapse: collapse; margin-bottom: 1em; }\n"
        "th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; }\n"
        "td.n { text-align: right; }\n"
        "svg { display: block; }\n"
        "svg text { font-size: 12px; }\n.axis { stroke: #666; }\n.grid { stroke: #ddd; }\n"
        "circle:hover { stroke: #000; stroke-width: 2px; }\n"
        "</style>\n</head>\n<body>\n<h1>" +
        title + "</h1>\n<p>" + Say(PageText::Source, language) + " " + EscapeHtml(source) +
        "</p>\n";
    if (!classPage)
        return page + LearnerPart(learners.front(), language, 2, days.today) + "</body>\n</html>\n";
    page += ClassTable(learners, language, days.today);
    if (days.forgottenBy) page += ForgottenTable(learners, language, *days.forgottenBy);
    for (size_t i = 0; i < learners.size(); ++i) {
        page += "<section id=\"learner-" + std::to_string(i + 1) + "\">\n<h2>" +
                EscapeHtml(Printable(learners[i].name)) + "</h2>\n" +
                LearnerPart(learners[i], language, 3, days.today) + "</section>\n";
    }
    return page + "</body>\n</html>\n";
}

}  // namespace lexo::dict
