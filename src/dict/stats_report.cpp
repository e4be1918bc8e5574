#include "dict/stats_report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "dict/diagnostics.h"
#include "dict/html_text.h"

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

// Characters, not bytes: the names are UTF-8.
size_t Width(const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Text columns (the first two) lean left, numbers right.
void AddCell(std::string& line, const std::string& cell, size_t column, size_t width) {
    const std::string padding(width - Width(cell), ' ');
    line += column < 2 ? cell + padding : padding + cell;
    line += "  ";
}

}  // namespace

std::string StatsTable(const std::vector<PlayStats>& stats) {
    std::array<size_t, kHeadings.size()> widths{};
    for (size_t column = 0; column < kHeadings.size(); ++column)
        widths[column] = Width(kHeadings[column]);
    for (const PlayStats& row : stats) {
        const auto cells = Cells(row);
        for (size_t column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], Width(cells[column]));
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

constexpr int kChartWidth = 640;
constexpr int kChartHeight = 220;
constexpr int kMargin = 40;
constexpr std::array<const char*, 3> kModeColours = {"#1f6fb4", "#d9661f", "#3a9a3a"};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// One SVG chart: a line of the scores for each mode of the dictionary, game by game.
std::string Chart(const std::string& dictionary, const std::vector<const PlayStats*>& modes) {
    size_t games = 1;
    int64_t top = 1;
    for (const PlayStats* mode : modes) {
        games = std::max(games, mode->scores.size());
        for (int64_t score : mode->scores) top = std::max(top, score);
    }
    const double plotWidth = kChartWidth - 2 * kMargin;
    const double plotHeight = kChartHeight - 2 * kMargin;
    auto x = [&](size_t game) {
        return kMargin + (games > 1 ? plotWidth * game / (games - 1) : plotWidth / 2);
    };
    auto y = [&](int64_t score) {
        return kMargin + plotHeight -
               plotHeight * static_cast<double>(std::max<int64_t>(score, 0)) / top;
    };
    std::string svg = "<svg width=\"" + std::to_string(kChartWidth) + "\" height=\"" +
                      std::to_string(kChartHeight) +
                      "\" role=\"img\" aria-label=\"score over games, " + EscapeHtml(dictionary) +
                      "\">\n";
    svg += "<line x1=\"" + Number(kMargin) + "\" y1=\"" + Number(y(0)) + "\" x2=\"" +
           Number(kMargin + plotWidth) + "\" y2=\"" + Number(y(0)) + "\" class=\"axis\"/>\n";
    svg += "<line x1=\"" + Number(kMargin) + "\" y1=\"" + Number(y(top)) + "\" x2=\"" +
           Number(kMargin) + "\" y2=\"" + Number(y(0)) + "\" class=\"axis\"/>\n";
    svg += "<text x=\"4\" y=\"" + Number(y(top) + 4) + "\">" + std::to_string(top) + "</text>\n";
    svg += "<text x=\"4\" y=\"" + Number(y(0) + 4) + "\">0</text>\n";
    svg += "<text x=\"" + Number(kMargin) + "\" y=\"" + Number(kChartHeight - 12) +
           "\">game 1</text>\n";
    if (games > 1) {
        svg += "<text x=\"" + Number(kMargin + plotWidth - 50) + "\" y=\"" +
               Number(kChartHeight - 12) + "\">game " + std::to_string(games) + "</text>\n";
    }
    for (size_t m = 0; m < modes.size(); ++m) {
        const char* colour = kModeColours[m % kModeColours.size()];
        std::string points;
        for (size_t game = 0; game < modes[m]->scores.size(); ++game)
            points += Number(x(game)) + "," + Number(y(modes[m]->scores[game])) + " ";
        // A single game is a line of no length, which round caps show as a dot.
        if (modes[m]->scores.size() == 1) points += points;
        svg += "<polyline fill=\"none\" stroke=\"" + std::string(colour) +
               "\" stroke-width=\"2\" stroke-linecap=\"round\" points=\"" + points + "\"><title>" +
               EscapeHtml(Printable(modes[m]->mode)) + "</title></polyline>\n";
        svg += "<text x=\"" + Number(kMargin + 10 + 130 * m) + "\" y=\"20\" fill=\"" + colour +
               "\">" + EscapeHtml(Printable(modes[m]->mode)) + "</text>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace

std::string StatsPage(const std::vector<PlayStats>& stats, const std::string& source) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Lexodrome progress</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; }\n"
        "table { border-collapse: collapse; }\n"
        "th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; }\n"
        "td.n { text-align: right; }\n"
        "svg text { font-size: 12px; }\n.axis { stroke: #666; }\n"
        "</style>\n</head>\n<body>\n<h1>Lexodrome progress</h1>\n<p>From " +
        EscapeHtml(source) + ".</p>\n";
    if (stats.empty()) return page + "<p>No game kept yet.</p>\n</body>\n</html>\n";
    page += "<table>\n<tr>";
    for (const char* heading : kHeadings) page += std::string("<th>") + heading + "</th>";
    page += "<th>most missed</th></tr>\n";
    std::map<std::string, std::vector<const PlayStats*>> byDictionary;
    for (const PlayStats& row : stats) {
        page += "<tr>";
        const auto cells = Cells(row);
        for (size_t column = 0; column < cells.size(); ++column)
            page +=
                (column < 2 ? "<td>" : "<td class=\"n\">") + EscapeHtml(cells[column]) + "</td>";
        page += "<td>" + EscapeHtml(MostMissed(row)) + "</td></tr>\n";
        byDictionary[row.dictionary].push_back(&row);
    }
    page += "</table>\n";
    for (const auto& [dictionary, modes] : byDictionary) {
        page += "<h2>" + EscapeHtml(Printable(dictionary)) + "</h2>\n" +
                Chart(Printable(dictionary), modes);
    }
    return page + "</body>\n</html>\n";
}

}  // namespace lexo::dict
