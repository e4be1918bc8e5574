#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace lexo::bench {

// Seconds as a double, from a steady clock.
double Now();

// The median of the samples (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> samples);

// Times `run` `repetitions` times, one sample per call, and returns the median in seconds.
// `prepare`, when given, runs before each timed call and is not timed.
double MedianSeconds(size_t repetitions, const std::function<void()>& run,
                     const std::function<void()>& prepare = {});

// One figure beside its floor, both in `unit`, as the line ./bench prints:
//   bench NAME: VALUE UNIT vs floor VALUE UNIT = ratio R (target <= T)
struct Figure {
    std::string name;
    double value = 0;
    double floor = 0;
    std::string unit;
    double target = 0;
};
std::string FormatFigure(const Figure& figure);
void PrintFigure(const Figure& figure);

// Keeps the compiler from dropping a computation whose result is otherwise unused.
void KeepAlive(const void* pointer);

}  // namespace lexo::bench
