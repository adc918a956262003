#pragma once
// The figures a benchmark run reports: each measured median beside the
// median of its baseline from the same run, their ratio, and whether the
// figure meets its target. Benchmark names tie a figure to its measurements.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// A bound on a figure: its value, its ratio to the baseline, or both.
struct Target {
    std::optional<double> maxValue;
    std::optional<double> maxRatio;
};

struct Figure {
    std::string label;          // what was measured
    std::string measured;       // benchmark name of the figure
    std::string baselineLabel;  // what it is compared with
    std::string baseline;       // benchmark name of the baseline
    std::string unit = "ms";
    Target target;
    // The counter that holds the value, or empty for the time per iteration.
    std::string counter;
};

// Medians by benchmark name: the time per iteration in milliseconds and the
// medians of the benchmark's counters.
struct Medians {
    std::map<std::string, double> milliseconds;
    std::map<std::string, std::map<std::string, double>> counters;

    std::optional<double> valueOf(const std::string& benchmark, const std::string& counter) const;
};

enum class Verdict { Met, Missed, NoTarget, NotMeasured };

struct FigureRow {
    const Figure* figure = nullptr;
    std::optional<double> value;
    std::optional<double> baseline;
    std::optional<double> ratio;
    Verdict verdict = Verdict::NotMeasured;
};

// A figure measured as time per iteration, in milliseconds.
inline Figure timed(std::string label, std::string measured, std::string baselineLabel, std::string baseline,
                    Target target = {})
{
    return Figure{std::move(label), std::move(measured), std::move(baselineLabel), std::move(baseline), "ms",
                  target, ""};
}

FigureRow evaluate(const Figure& figure, const Medians& medians);

// "<= 0.2 ms, <= 0.05 x" and the like; "-" without a target.
std::string targetText(const Figure& figure);

// A plain-text table, one row per figure, with a title line above it.
std::string formatTable(const std::string& title, const std::vector<Figure>& figures, const Medians& medians);

}  // namespace bench
