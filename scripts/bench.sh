#!/usr/bin/env bash
# Builds the benchmark (optimised, with debug information) and times:
#   - the Solve command per design method and the full text report
#     (Google Benchmark, medians of 10 repetitions);
#   - calvix-cli solve of each example as a whole process (hyperfine, or a
#     plain loop where hyperfine is missing).
#   bash scripts/bench.sh
# CALVIX_BENCH_DIR is the build folder (default build-bench).
# Budgets (medians on a 2-core machine): working-stress solve < 50 us,
# strength solve < 1 ms, full report < 5 ms, calvix-cli solve < 30 ms,
# a calculation package PDF of at least ten pages < 300 ms.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${CALVIX_BENCH_DIR:-build-bench}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVIX_BUILD_DESKTOP=OFF \
  -DCALVIX_BENCHMARK=ON >/dev/null
cmake --build "$build_dir" -j2 --target calvix_bench calvix_sweep_bench calvix_package_bench calvix-cli

"$build_dir/bin/calvix_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2

# The design sweep (walls per second on one thread and on every core; budgets
# 5,000 walls/s working stress, 500 walls/s strength design, default sweep < 1 s).
"$build_dir/bin/calvix_sweep_bench" --benchmark_repetitions=10 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.2

QT_QPA_PLATFORM=offscreen "$build_dir/bin/calvix_package_bench" --benchmark_repetitions=10 \
  --benchmark_report_aggregates_only=true

cli="$build_dir/bin/calvix-cli"
for example in examples/*.cxl; do
  command="$cli solve $example --json /dev/null"
  if command -v hyperfine >/dev/null; then
    # calvix-cli exits 1 when the design is refused; time it all the same.
    hyperfine --warmup 5 --runs 100 --ignore-failure --style basic \
      --export-json "$build_dir/hyperfine.json" "$command"
    median=$(grep -o '"median": *[0-9.e-]*' "$build_dir/hyperfine.json" | grep -o '[0-9.e-]*$')
    echo "  median: $(awk -v s="$median" 'BEGIN { printf "%.2f ms", s * 1000 }')"
  else
    runs=100
    start=$(date +%s%N)
    for ((i = 0; i < runs; ++i)); do $command >/dev/null || true; done
    end=$(date +%s%N)
    echo "$command: mean $(((end - start) / runs / 1000)) us over $runs runs"
  fi
done
