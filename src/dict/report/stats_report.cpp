#include "dict/report/stats_report.h"

#include <algorithm>
#include <array>
#include <map>

#include "dict/diagnostics/diagnostics.h"
#include "dict/read/html_text.h"
#include "dict/report/page_texts.h"
#include "dict/report/time_chart.h"
#include "history/review_schedule.h"
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
    std::vector<ChartSeries> scores;    // by dictionary and mode
    std::vector<ChartSeries> mastered;  // by dictionary
    sys_days first;
    sys_days last;
};

LearnerCharts Charts(const std::vector<HistoryGame>& games, const std::string& language) {
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
    std::map<std::string, ChartSeries> mastered;
    for (const MasteredAfterGame& after : MasteredOverGames(games)) {
        ChartSeries& series = mastered[after.dictionary];
        series.name = Printable(after.dictionary, 24);
        series.points.push_back(
            {at.at(after.game), static_cast<int64_t>(after.words),
             FormatHistoryDay(after.game->day) + " · " + Printable(after.dictionary) + " · " +
                 Say(PageText::Mastered, language) + " " + std::to_string(after.words)});
    }
    for (auto& [key, series] : scores) charts.scores.push_back(std::move(series));
    for (auto& [key, series] : mastered) charts.mastered.push_back(std::move(series));
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

// A learner's part of the page, its headings at `level` (2 on the player's own page).
std::string LearnerPart(const LearnerHistory& learner, const std::string& language, int level) {
    if (learner.games.empty()) return "<p>" + Say(PageText::NoGame, language) + "</p>\n";
    const std::string open = "<h" + std::to_string(level) + ">";
    const std::string close = "</h" + std::to_string(level) + ">\n";
    const LearnerCharts charts = Charts(learner.games, language);
    return PlayTable(SummariseHistory(learner.games), language) + open +
           Say(PageText::ScoreOverTime, language) + close +
           TimeChart(charts.scores, charts.first, charts.last, false,
                     Say(PageText::ScoreOverTime, language)) +
           open + Say(PageText::WordsMastered, language) + close +
           TimeChart(charts.mastered, charts.first, charts.last, true,
                     Say(PageText::WordsMastered, language)) +
           open + Say(PageText::MostMissedWords, language) + close +
           MissedWordsTable(learner.games, language);
}

// The words mastered now, over all the dictionaries.
size_t MasteredNow(const std::vector<HistoryGame>& games) {
    std::map<std::string, size_t> latest;
    for (const MasteredAfterGame& after : MasteredOverGames(games))
        latest[after.dictionary] = after.words;
    size_t words = 0;
    for (const auto& [dictionary, mastered] : latest) words += mastered;
    return words;
}

// The class at a glance: a row for each learner, linked to their part.
std::string ClassTable(const std::vector<LearnerHistory>& learners, const std::string& language) {
    std::string table =
        "<table>\n" + HeadingRow({PageText::Learner, PageText::Games, PageText::Best,
                                  PageText::Latest, PageText::LastPlayed, PageText::Mastered},
                                 language);
    for (size_t i = 0; i < learners.size(); ++i) {
        const LearnerHistory& learner = learners[i];
        table += "<tr><td><a href=\"#learner-" + std::to_string(i + 1) + "\">" +
                 EscapeHtml(Printable(learner.name)) + "</a></td>" +
                 Cell(std::to_string(learner.games.size()), true);
        if (learner.games.empty()) {
            table += "<td></td><td></td><td></td><td></td></tr>\n";
            continue;
        }
        const std::vector<const HistoryGame*> played = InPlayOrder(learner.games);
        int64_t best = played.front()->score;
        for (const HistoryGame* game : played) best = std::max(best, game->score);
        table += Cell(std::to_string(best), true) +
                 Cell(std::to_string(played.back()->score), true) +
                 Cell(FormatHistoryDay(played.back()->day)) +
                 Cell(std::to_string(MasteredNow(learner.games)), true) + "</tr>\n";
    }
    return table + "</table>\n";
}

}  // namespace

std::string StatsPage(const std::vector<LearnerHistory>& learners, const std::string& source,
                      const std::string& language) {
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
    if (!classPage) return page + LearnerPart(learners.front(), language, 2) + "</body>\n</html>\n";
    page += ClassTable(learners, language);
    for (size_t i = 0; i < learners.size(); ++i) {
        page += "<section id=\"learner-" + std::to_string(i + 1) + "\">\n<h2>" +
                EscapeHtml(Printable(learners[i].name)) + "</h2>\n" +
                LearnerPart(learners[i], language, 3) + "</section>\n";
    }
    return page + "</body>\n</html>\n";
}

}  // namespace lexo::dict
