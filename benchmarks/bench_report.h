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

// Times `run` `repetitions` times with Google Benchmark, one repetition of one call each, and
// returns the median of the calls in seconds. `prepare`, when given, runs before each timed call
// and is not timed.
double MedianSeconds(size_t repetitions, const std::function<void()>& run,
                     const std::function<void()>& prepare = {});

// Measures `rounds` times, `pause` apart, and keeps the least of each figure a round gives.
// Load from outside the process (another virtual machine on the same host) comes and goes over
// seconds and only ever adds time; the least is the code's own figure. Floors are measured
// in the same rounds and kept the same way.
std::vector<double> LeastOfRounds(int rounds, std::chrono::milliseconds pause,
                                  const std::function<std::vector<double>()>& measureRound);

// One figure beside its floor, both in `unit`, as the line ./bench prints:
//   bench NAME: VALUE UNIT vs floor VALUE UNIT = ratio R (target <= T)
// or, for a figure kept for information only, with no target:
//   bench NAME: VALUE UNIT vs floor VALUE UNIT = ratio R (information)
struct Figure {
    std::string name;
    double value = 0;
    double floor = 0;
    std::string unit;
    double target = 0;
    bool information = false;
};
std::string FormatFigure(const Figure& figure);
void PrintFigure(const Figure& figure);
// PrintFigure of a figure without a target.
void PrintInformation(const std::string& name, double value, double floor, const std::string& unit);

// Keeps the compiler from dropping a computation whose result is otherwise unused.
void KeepAlive(const void* pointer);

}  // namespace lexo::bench
