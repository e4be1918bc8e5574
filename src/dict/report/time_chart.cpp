#include "dict/report/time_chart.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "dict/read/html_text.h"
#include "history/history_reader.h"

namespace lexo::dict {
namespace {

constexpr int kWidth = 680;
constexpr int kPlotHeight = 180;
constexpr int kLeft = 48;
constexpr int kRight = 24;
constexpr int kBottom = 32;
// The legend: names of series in rows above the plot.
constexpr size_t kLegendColumns = 3;
constexpr int kLegendRow = 16;
constexpr double kLegendWidth = 200;
// Dates are about 70 pixels wide: at most this many fit under the axis.
constexpr int kMostDateLabels = 6;
constexpr std::array<const char*, 8> kColours = {"#1f6fb4", "#d9661f", "#3a9a3a", "#b8336a",
                                                 "#7a5cc2", "#8c6d1f", "#2a9d9d", "#555555"};

// Whatever the locale: SVG wants a full stop before the decimals.
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
}

std::string Text(double x, double y, const std::string& text, const char* extra = "") {
    return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\"" + extra + ">" + text +
           "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const char* type) {
    return "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) +
           "\" y2=\"" + Number(y2) + "\" class=\"" + type + "\"/>\n";
}

}  // namespace

std::string TimeChart(const std::vector<ChartSeries>& series, std::chrono::sys_days first,
                      std::chrono::sys_days last, bool steps, const std::string& label) {
    const int days = static_cast<int>((last - first).count()) + 1;
    int64_t highest = 1;
    for (const ChartSeries& one : series) {
        for (const ChartPoint& point : one.points) highest = std::max(highest, point.value);
    }
    const int legendRows = static_cast<int>((series.size() + kLegendColumns - 1) / kLegendColumns);
    const int top = kLegendRow * legendRows + 16;
    const int height = top + kPlotHeight + kBottom;
    const double plotWidth = kWidth - kLeft - kRight;
    const double plotHeight = kPlotHeight;
    const double firstDay = first.time_since_epoch().count();
    auto x = [&](double day) { return kLeft + plotWidth * (day - firstDay) / days; };
    auto y = [&](int64_t value) {
        return top + plotHeight -
               plotHeight * static_cast<double>(std::max<int64_t>(value, 0)) /
                   static_cast<double>(highest);
    };

    std::string svg = "<svg width=\"" + std::to_string(kWidth) + "\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " +
                      std::to_string(height) + "\" role=\"img\" aria-label=\"" + EscapeHtml(label) +
                      "\">\n";
    // The value axis: nought, the middle and the top, each with a faint line across.
    for (const int64_t value : {int64_t{0}, highest / 2, highest}) {
        if (value == highest / 2 && (value == 0 || value == highest)) continue;
        svg += Line(kLeft, y(value), kLeft + plotWidth, y(value), value == 0 ? "axis" : "grid");
        svg += Text(kLeft - 6, y(value) + 4, std::to_string(value), " text-anchor=\"end\"");
    }
    svg += Line(kLeft, top, kLeft, y(0), "axis");
    // The date axis: a tick at the start of every step-th day, with its date.
    const int step = (days + kMostDateLabels - 1) / kMostDateLabels;
    for (int day = 0; day <= days; day += step) {
        const double at = x(firstDay + day);
        svg += Line(at, y(0), at, y(0) + 5, "axis");
        if (day < days)
            svg += Text(at, height - 10, FormatHistoryDay(first + std::chrono::days(day)),
                        " text-anchor=\"middle\"");
    }
    for (size_t s = 0; s < series.size(); ++s) {
        const std::string colour = kColours[s % kColours.size()];
        std::string points;
        for (size_t p = 0; p < series[s].points.size(); ++p) {
            const ChartPoint& point = series[s].points[p];
            if (steps && p > 0)
                points +=
                    Number(x(point.day)) + "," + Number(y(series[s].points[p - 1].value)) + " ";
            points += Number(x(point.day)) + "," + Number(y(point.value)) + " ";
        }
        svg += "<polyline fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2\" points=\"" +
               points + "\"/>\n";
        for (const ChartPoint& point : series[s].points) {
            svg += "<circle cx=\"" + Number(x(point.day)) + "\" cy=\"" + Number(y(point.value)) +
                   "\" r=\"4\" fill=\"" + colour + "\"><title>" + EscapeHtml(point.hover) +
                   "</title></circle>\n";
        }
        svg += Text(kLeft + kLegendWidth * static_cast<double>(s % kLegendColumns),
                    kLegendRow * static_cast<double>(s / kLegendColumns + 1),
                    EscapeHtml(series[s].name), (" fill=\"" + colour + "\"").c_str());
    }
    return svg + "</svg>\n";
}

}  // namespace lexo::dict
