#pragma once
// A Google Benchmark reporter that keeps the median of every benchmark (its
// time per iteration and its counters), shows one progress line per
// benchmark on standard error and prints the figure table at the end.
#include "bench/figure_table.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace bench {

class TableReporter : public benchmark::BenchmarkReporter {
public:
    TableReporter(std::string title, std::vector<Figure> figures)
        : title_(std::move(title)), figures_(std::move(figures))
    {
    }

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    const Medians& medians() const { return medians_; }

private:
    std::string title_;
    std::vector<Figure> figures_;
    Medians medians_;
};

// Runs the benchmarks chosen on the command line with the table reporter.
// Repetitions default to `repetitions` unless the command line names them.
int runWithTable(int argc, char** argv, const std::string& title, std::vector<Figure> figures, int repetitions);

}  // namespace bench
