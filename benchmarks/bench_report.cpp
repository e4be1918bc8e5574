#include "bench_report.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace lexo::bench {

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    const size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + middle, samples.end());
    if (samples.size() % 2 == 1) return samples[middle];
    const double upper = samples[middle];
    const double lower = *std::max_element(samples.begin(), samples.begin() + middle);
    return (lower + upper) / 2;
}

double MedianSeconds(size_t repetitions, const std::function<void()>& run,
                     const std::function<void()>& prepare) {
    std::vector<double> samples;
    samples.reserve(repetitions);
    for (size_t i = 0; i < repetitions; ++i) {
        if (prepare) prepare();
        const double start = Now();
        run();
        samples.push_back(Now() - start);
    }
    return Median(std::move(samples));
}

std::vector<double> LeastOfRounds(int rounds, std::chrono::milliseconds pause,
                                  const std::function<std::vector<double>()>& measureRound) {
    std::vector<double> least;
    for (int round = 0; round < rounds; ++round) {
        if (round > 0) std::this_thread::sleep_for(pause);
        const std::vector<double> figures = measureRound();
        if (least.empty()) least = figures;
        for (size_t i = 0; i < least.size() && i < figures.size(); ++i) {
            least[i] = std::min(least[i], figures[i]);
        }
    }
    return least;
}

std::string FormatFigure(const Figure& figure) {
    const double ratio = figure.floor > 0 ? figure.value / figure.floor : 0;
    char line[512];
    std::snprintf(line, sizeof line,
                  "bench %s: %.4g %s vs floor %.4g %s = ratio %.2f (target <= %g)",
                  figure.name.c_str(), figure.value, figure.unit.c_str(), figure.floor,
                  figure.unit.c_str(), ratio, figure.target);
    return line;
}

void PrintFigure(const Figure& figure) {
    std::printf("%s\n", FormatFigure(figure).c_str());
    std::fflush(stdout);
}

void KeepAlive(const void* pointer) { asm volatile("" : : "g"(pointer) : "memory"); }

}  // namespace lexo::bench
