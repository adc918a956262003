// Start-up of the four editors against a bare Qt Widgets window, each started
// as a fresh process in the data folder (Qt's offscreen platform):
//     tervok_bench_startup <launcher-folder> <data-folder> <title> [benchmark options]
// Time runs from just before the fork to the first painted frame; memory is
// the process's peak resident set. Launches of the programs are interleaved
// at random so that a change in the machine's load hits all of them alike.
#include "bench/figure_table.h"
#include "bench/launch_timing.h"
#include "bench/table_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace bench {
namespace {

namespace fs = std::filesystem;

const char* const kPrograms[] = {"terraloom", "figureloom", "boltloom", "sparkloom"};

void registerLaunch(const std::string& name, const fs::path& launcher, const fs::path& dataFolder)
{
    benchmark::RegisterBenchmark(("start_" + name).c_str(),
                                 [launcher, dataFolder](benchmark::State& state) {
                                     long peak = 0;
                                     for (auto _ : state) {
                                         std::string error;
                                         const std::optional<Launch> launch = launchOnce(launcher, dataFolder, error);
                                         if (!launch) {
                                             state.SkipWithError(error.c_str());
                                             break;
                                         }
                                         state.SetIterationTime(launch->seconds);
                                         peak = launch->peakKilobytes;
                                     }
                                     state.counters["peak_rss_mb"] = static_cast<double>(peak) / 1024.0;
                                 })
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

std::vector<Figure> startupFigures()
{
    std::vector<Figure> figures;
    for (const char* program : kPrograms)
        figures.push_back({std::string(program) + " start-up to first frame", std::string("start_") + program,
                           "bare Qt window", "start_bare_window", "ms", {{}, 1.5}, ""});
    for (const char* program : kPrograms)
        figures.push_back({std::string(program) + " peak memory", std::string("start_") + program, "bare Qt window",
                           "start_bare_window", "MB", {{}, 1.3}, "peak_rss_mb"});
    return figures;
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: tervok_bench_startup <launcher-folder> <data-folder> <title> [benchmark options]\n";
        return 2;
    }
    const std::filesystem::path launchers = std::filesystem::absolute(argv[1]);
    const std::filesystem::path data = std::filesystem::absolute(argv[2]);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    bench::registerLaunch("bare_window", launchers / "launch_bare_window", data);
    for (const char* program : bench::kPrograms)
        bench::registerLaunch(program, launchers / (std::string("launch_") + program), data);

    const std::string title = std::string("Start-up on ") + argv[3];
    argv[3] = argv[0];
    std::vector<char*> arguments(argv + 3, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    arguments.push_back(interleave.data());
    return bench::runWithTable(static_cast<int>(arguments.size()), arguments.data(), title,
                               bench::startupFigures(), 15);
}
