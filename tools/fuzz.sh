#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs each for SECONDS
# (default 60), starting from the seed corpus in tests/fuzz/corpus/. Inputs
# that fail are saved as build-fuzz/findings/<target>-*; any finding makes the
# script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
tools/setup.sh clang libclang-rt-14-dev
# Absolute paths: the targets that write result files work in a folder of their own.
build_dir=$PWD/build-fuzz
CXX=clang++ cmake -S . -B "$build_dir" -DVORLANE_FUZZ=ON -DVORLANE_TESTS=OFF -DVORLANE_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(list_file scan_file kernels records)
cmake --build "$build_dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# Longest inputs: list files whose lines pass the 4096-byte cap; the rest
# stays small, so that runs go through many inputs. No input may make the
# code ask for more than 64 MiB at once.
declare -A max_len=([list_file]=10000 [scan_file]=4096 [kernels]=4096 [records]=512)
mkdir -p "$build_dir/findings"
for target in "${targets[@]}"; do
  # New inputs go into the working corpus, never into the committed seeds.
  work="$build_dir/corpus/$target"
  mkdir -p "$work"
  echo "fuzzing $target for ${seconds}s"
  "$build_dir/fuzz_$target" "$work" "$PWD/tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -max_len="${max_len[$target]}" -rss_limit_mb=1024 -malloc_limit_mb=64 -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$build_dir/findings/$target-" 2>"$build_dir/$target.log" ||
    { tail -n 40 "$build_dir/$target.log"; echo "fuzz_$target: finding, see $build_dir/findings/"; exit 1; }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$build_dir/$target.log" | sed "s/^/  /"
done
echo "fuzzing done: no finding"
