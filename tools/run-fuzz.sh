#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for SECONDS each, starting from
# the committed seeds (tests/fuzz/corpus/NAME) and the inputs that once failed
# (tests/fuzz/regressions/NAME). Inputs the fuzzer adds go to the build folder;
# a failing input is kept in BUILD/artifacts and fails the run.
set -euo pipefail
build=${1:-build/fuzz}
seconds=${2:-60}
source=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
found=0
for target in "$build"/fuzz-*; do
  [ -x "$target" ] || continue
  found=1
  name=${target##*/fuzz-}
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/artifacts"
  dirs=("$work" "$source/tests/fuzz/corpus/$name")
  [ -d "$source/tests/fuzz/regressions/$name" ] && dirs+=("$source/tests/fuzz/regressions/$name")
  log="$build/$name.log"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" "${dirs[@]}" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz $name: FAILED; the input is in $build/artifacts" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz $name: ${runs:-?} inputs in $seconds s, no failure"
done
[ "$found" -eq 1 ] || { echo "no fuzz targets built in $build" >&2; exit 1; }
