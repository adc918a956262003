#pragma once
// The plain file work the load and save figures are compared with: reading
// a file whole, and writing its bytes in place without a temporary file or a
// flush to the disk.
#include <benchmark/benchmark.h>

#include <string>

namespace bench {

void readFileBaseline(benchmark::State& state, const std::string& gamePath);
void writeFileBaseline(benchmark::State& state, const std::string& gamePath);

}  // namespace bench
