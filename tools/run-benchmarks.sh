#!/usr/bin/env bash
# Runs every benchmark of an optimised build, in the build folder (beside the core files).
set -euo pipefail
build=${1:-build}
cd "$build"
shopt -s nullglob
found=0
for b in bench-*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $b"
  "./$b" --benchmark_min_time=0.2
done
[ "$found" -eq 1 ] || { echo "no benchmarks built" >&2; exit 1; }
