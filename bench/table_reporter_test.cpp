#include "bench/table_reporter.h"

#include <gtest/gtest.h>

namespace bench {
namespace {

using BenchRun = benchmark::BenchmarkReporter::Run;

// A run of `iterations` iterations of `each` (in `unit`) apiece.
BenchRun run(const std::string& name, double each, long iterations, benchmark::TimeUnit unit, int repetitions,
             const std::string& aggregate = "")
{
    BenchRun r;
    r.run_name.function_name = name;
    r.real_accumulated_time = each * static_cast<double>(iterations) * (unit == benchmark::kMicrosecond ? 1e-6 : 1e-3);
    r.iterations = iterations;
    r.time_unit = unit;
    r.repetitions = repetitions;
    if (!aggregate.empty()) {
        r.run_type = BenchRun::RT_Aggregate;
        r.aggregate_name = aggregate;
    }
    return r;
}

// Only the median of repeated runs counts, whatever its time unit; a run
// made once is its own median.
TEST(TableReporter, KeepsTheMedianOfEachBenchmarkInMilliseconds)
{
    TableReporter reporter("t", {});
    BenchRun median = run("redraw", 150, 1000, benchmark::kMicrosecond, 9, "median");
    median.counters["widgets_painted"] = benchmark::Counter(1);
    reporter.ReportRuns({run("redraw", 900, 1000, benchmark::kMicrosecond, 9),
                         run("redraw", 300, 1000, benchmark::kMicrosecond, 9, "mean"), median,
                         run("start", 40, 1, benchmark::kMillisecond, 1)});
    EXPECT_NEAR(reporter.medians().milliseconds.at("redraw"), 0.15, 1e-9);
    EXPECT_NEAR(reporter.medians().milliseconds.at("start"), 40, 1e-9);
    EXPECT_DOUBLE_EQ(reporter.medians().counters.at("redraw").at("widgets_painted"), 1);
}

TEST(TableReporter, AFailedBenchmarkLeavesNoMedian)
{
    TableReporter reporter("t", {});
    BenchRun failed = run("load", 1, 1, benchmark::kMillisecond, 1);
    failed.error_occurred = true;
    reporter.ReportRuns({failed});
    EXPECT_TRUE(reporter.medians().milliseconds.empty());
}

}  // namespace
}  // namespace bench
