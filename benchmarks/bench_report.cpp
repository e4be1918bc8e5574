#include "bench_report.h"

#include <benchmark/benchmark.h>

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

namespace {

// Keeps the median Google Benchmark computes over the repetitions (or the one run, when there
// is one: no statistics are made of it), and prints nothing: ./bench prints its own lines.
class MedianReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || run.run_type == Run::RT_Iteration) {
                seconds = run.GetAdjustedRealTime() / 1e9;
            }
        }
    }
    double seconds = 0;
};

}  // namespace

double MedianSeconds(size_t repetitions, const std::function<void()>& run,
                     const std::function<void()>& prepare) {
    if (repetitions == 0) return 0;
    benchmark::ClearRegisteredBenchmarks();
    // One call an iteration, timed here so that `prepare` stays outside the figure.
    benchmark::RegisterBenchmark("figure",
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         if (prepare) prepare();
                                         const double start = Now();
                                         run();
                                         state.SetIterationTime(Now() - start);
                                     }
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kNanosecond)
        ->Iterations(1)
        ->Repetitions(static_cast<int>(repetitions))
        ->ReportAggregatesOnly(repetitions > 1);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::ClearRegisteredBenchmarks();
    return reporter.seconds;
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
    std::snprintf(line, sizeof line, "bench %s: %.4g %s vs floor %.4g %s = ratio %.2f ",
                  figure.name.c_str(), figure.value, figure.unit.c_str(), figure.floor,
                  figure.unit.c_str(), ratio);
    char target[64];
    if (figure.information) {
        std::snprintf(target, sizeof target, "(information)");
    } else {
        std::snprintf(target, sizeof target, "(target <= %g)", figure.target);
    }
    return std::string(line) + target;
}

void PrintFigure(const Figure& figure) {
    std::printf("%s\n", FormatFigure(figure).c_str());
    std::fflush(stdout);
}

void PrintInformation(const std::string& name, double value, double floor,
                      const std::string& unit) {
    PrintFigure({name, value, floor, unit, 0, true});
}

void KeepAlive(const void* pointer) { asm volatile("" : : "g"(pointer) : "memory"); }

}  // namespace lexo::bench
