#pragma once
// What the editor benchmarks share: how each is registered, and the two map
// files the map benchmarks load in turn.
#include <benchmark/benchmark.h>

namespace bench {

// Short repetitions: the median over many of them is what is reported.
#define TERVOK_BENCHMARK(function) BENCHMARK(function)->MinTime(0.1)->Unit(benchmark::kMicrosecond)

// Map A is the folder's map1; map B is map A moved one column left, so that
// loading the other one changes every cell.
constexpr const char* kMapA = "benchA";
constexpr const char* kMapB = "benchB";

// Writes maps A and B into the data folder (the working directory).
bool writeMapVariants();

}  // namespace bench
