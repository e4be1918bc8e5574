#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace lexo::dict {

// A point of a chart: when (in days from the epoch, a fraction placing it within its day), its
// value, and the text shown on hover.
struct ChartPoint {
    double day = 0;
    int64_t value = 0;
    std::string hover;
};

struct ChartSeries {
    std::string name;
    std::vector<ChartPoint> points;  // in time order
};

// A chart of values over the calendar days, as inline SVG: the days from `first` to `last` on
// the axis, labelled with their dates, a line and a dot with a hover text for every point of
// each series; `steps` holds a value until the next point (a count), else the points are joined
// straight. The texts are escaped here.
std::string TimeChart(const std::vector<ChartSeries>& series, std::chrono::sys_days first,
                      std::chrono::sys_days last, bool steps, const std::string& label);

}  // namespace lexo::dict
