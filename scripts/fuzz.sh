#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a given time.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
# SECONDS per target (default 600). TARGET is one of project_file,
# default_data, units_file, bar_file, settings, open_solve (default: all).
# CALVIX_FUZZ_JOBS targets run at once (default 1, at most 2 on a shared
# 2-core machine); CALVIX_FUZZ_DIR is the build folder (default build-fuzz).
# Each target starts from its seeds in fuzz/corpus/<target>/ and keeps what it
# learns in <build>/corpus/<target>/; a crash, leak or time-out is written to
# <build>/artifacts/<target>/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(project_file default_data units_file bar_file settings open_solve)
fi
jobs="${CALVIX_FUZZ_JOBS:-1}"
build_dir="${CALVIX_FUZZ_DIR:-build-fuzz}"

# clang 14 cannot compile the program-folder generator, so the generated
# files come from a small build with the default compiler.
cmake -S . -B "$build_dir/program-files" -DCALVIX_BUILD_DESKTOP=OFF >/dev/null
cmake --build "$build_dir/program-files" --target calvix_program_files -j2 >/dev/null
program_dir="$(cd "$build_dir/program-files/bin" && pwd)"

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCALVIX_BUILD_DESKTOP=OFF -DCALVIX_FUZZ=ON \
  -DCALVIX_FUZZ_PROGRAM_DIR="$program_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j2 --target "${targets[@]/%/_fuzz}"

run_one() {
  local target="$1"
  local corpus="$build_dir/corpus/$target"
  local artifacts="$build_dir/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  local status=0
  nice "$build_dir/bin/${target}_fuzz" "$corpus" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" >"$build_dir/$target.log" 2>&1 || status=$?
  echo "$target: exit $status, $(grep -E '^stat::number_of_executed_units' "$build_dir/$target.log" |
    awk '{print $2}') runs, log $build_dir/$target.log"
  return "$status"
}

failed=0
running=0
for target in "${targets[@]}"; do
  if ((running >= jobs)); then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_one "$target" &
  running=$((running + 1))
done
while ((running > 0)); do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
