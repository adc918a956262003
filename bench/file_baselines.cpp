#include "bench/file_baselines.h"

#include "common/files/file_io.h"
#include "common/files/game_path.h"

#include <fstream>

namespace bench {

void readFileBaseline(benchmark::State& state, const std::string& gamePath)
{
    const std::filesystem::path path = tervok::nativePath(gamePath);
    for (auto _ : state) {
        tervok::Result<std::string> bytes = tervok::readWholeFile(path);
        benchmark::DoNotOptimize(bytes);
    }
}

void writeFileBaseline(benchmark::State& state, const std::string& gamePath)
{
    const std::filesystem::path path = tervok::nativePath(gamePath);
    const tervok::Result<std::string> bytes = tervok::readWholeFile(path);
    if (!bytes) {
        state.SkipWithError(("cannot read " + gamePath).c_str());
        return;
    }
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    }
}

}  // namespace bench
