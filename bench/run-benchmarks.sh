#!/usr/bin/env bash
# Runs every benchmark of a build on the bundled sample data and on the
# generated worst case, and prints one table per run: each figure's median
# beside its baseline's median from the same run, their ratio and the target.
#   bench/run-benchmarks.sh <build-dir> [Google Benchmark options]
# Progress goes to standard error; the tables also land in
# <build-dir>/bench-run/results.txt.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  echo "usage: bench/run-benchmarks.sh <build-dir> [benchmark options]" >&2
  exit 2
fi
build="$(cd "$1" && pwd)"
shift
tools="$build/bench"
for tool in tervok_bench_editors tervok_bench_startup tervok_bench_tools tervok_bench_check make_worst_case; do
  if [ ! -x "$tools/$tool" ]; then
    echo "$tools/$tool is missing: build $build with TERVOK_BUILD_BENCH=ON first" >&2
    exit 1
  fi
done
if [ ! -d "$build/sample-data" ]; then
  echo "$build/sample-data is missing: build the sample_data target first" >&2
  exit 1
fi

# The save benchmarks and tervok-render's picture write into their data
# folder, so each run gets a copy.
work="$build/bench-run"
rm -rf "$work"
mkdir -p "$work"
cp -r "$build/sample-data" "$work/sample"
"$tools/make_worst_case" "$work/worst"

export QT_QPA_PLATFORM=offscreen
results="$work/results.txt"
: > "$results"
run() {
  "$@" | tee -a "$results"
}
run "$tools/tervok_bench_startup" "$tools" "$work/sample" "the sample data" "$@"
run "$tools/tervok_bench_startup" "$tools" "$work/worst" "the worst case" "$@"
run "$tools/tervok_bench_editors" "$work/sample" "the sample data" "$@"
run "$tools/tervok_bench_editors" "$work/worst" "the worst case" "$@"
run "$tools/tervok_bench_tools" "$work/sample" "the sample data" "$@"
run "$tools/tervok_bench_tools" "$work/worst" "the worst case" "$@"
run "$tools/tervok_bench_check" "$work/check" "$@"
echo "Tables saved in $results" >&2
