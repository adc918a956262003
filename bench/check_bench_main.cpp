// The content check's figure: tervok-check's work on a folder of 1,000 maps
// with their scripts, 100 player files and 100 shot files, beside reading
// every file of that folder:
//     tervok_bench_check <scratch-folder> [benchmark options]
// The folder is written first (and replaced when it exists).
#include "bench/check_folder_data.h"
#include "bench/figure_table.h"
#include "bench/table_reporter.h"
#include "common/files/file_io.h"
#include "tools/check/content_check.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>

namespace bench {
namespace {

namespace fs = std::filesystem;

fs::path checkFolder;

// A fresh view each time: the check lists the folders too.
void content_check(benchmark::State& state)
{
    for (auto _ : state) {
        const check::CheckResult result = check::checkContent(check::DiskFolder(checkFolder));
        benchmark::DoNotOptimize(result.findings.all().data());
        state.counters["files"] = static_cast<double>(result.filesChecked);
    }
}

// Every regular file of the folder read whole, as the check reads them.
void read_every_file(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(checkFolder))
            if (entry.is_regular_file())
                bytes += tervok::readWholeFile(entry.path()).valueOr(std::string()).size();
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK(content_check)->MinTime(0.2)->Unit(benchmark::kMillisecond);
BENCHMARK(read_every_file)->MinTime(0.2)->Unit(benchmark::kMillisecond);

std::vector<Figure> checkFigures()
{
    return {timed("check of 1,000 maps with scripts, 100 players, 100 shots", "content_check",
                  "reading every file", "read_every_file", {1000.0, 5.0})};
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: tervok_bench_check <scratch-folder> [benchmark options]\n";
        return 2;
    }
    bench::checkFolder = argv[1];
    std::error_code error;
    std::filesystem::remove_all(bench::checkFolder, error);
    if (!bench::writeCheckFolder(bench::checkFolder)) {
        std::cerr << "tervok_bench_check: cannot write " << argv[1] << "\n";
        return 1;
    }
    argv[1] = argv[0];
    return bench::runWithTable(argc - 1, argv + 1, "The content check", bench::checkFigures(), 5);
}
