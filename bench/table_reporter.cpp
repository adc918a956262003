#include "bench/table_reporter.h"

#include <cstdio>
#include <iostream>

namespace bench {
namespace {

double toMilliseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond: return value / 1e6;
    case benchmark::kMicrosecond: return value / 1e3;
    case benchmark::kMillisecond: return value;
    case benchmark::kSecond: return value * 1e3;
    }
    return value;
}

}  // namespace

bool TableReporter::ReportContext(const Context& context)
{
    std::cerr << "Running " << title_ << " on " << context.cpu_info.num_cpus << " cores";
    if (context.cpu_info.scaling == benchmark::CPUInfo::ENABLED)
        std::cerr << " (CPU frequency scaling is on: expect noise)";
    std::cerr << std::endl;
    return true;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        const std::string& name = run.run_name.function_name;
        if (run.error_occurred) {
            std::cerr << "  " << name << ": " << run.error_message << std::endl;
            continue;
        }
        // A benchmark run once reports no aggregates; its run is its median.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single)
            continue;
        const double ms = toMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
        medians_.milliseconds[name] = ms;
        for (const auto& [counter, value] : run.counters)
            medians_.counters[name][counter] = value.value;
        char line[64];
        std::snprintf(line, sizeof line, "%.4f ms", ms);
        std::cerr << "  " << name << ": " << line;
        for (const auto& [counter, value] : run.counters)
            std::cerr << ", " << counter << " " << value.value;
        std::cerr << std::endl;
    }
}

void TableReporter::Finalize()
{
    std::cout << formatTable(title_, figures_, medians_) << std::endl;
}

int runWithTable(int argc, char** argv, const std::string& title, std::vector<Figure> figures, int repetitions)
{
    std::vector<std::string> arguments(argv, argv + argc);
    bool repetitionsGiven = false;
    for (const std::string& argument : arguments)
        repetitionsGiven = repetitionsGiven || argument.rfind("--benchmark_repetitions", 0) == 0;
    if (!repetitionsGiven)
        arguments.push_back("--benchmark_repetitions=" + std::to_string(repetitions));
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    int count = static_cast<int>(pointers.size());
    pointers.push_back(nullptr);
    benchmark::Initialize(&count, pointers.data());
    if (benchmark::ReportUnrecognizedArguments(count, pointers.data()))
        return 2;
    TableReporter reporter(title, std::move(figures));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
