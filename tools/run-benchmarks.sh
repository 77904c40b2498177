#!/usr/bin/env bash
# Runs every benchmark of an optimised build, in the build folder (beside the
# core files). The window benchmarks get an X server of their own.
set -euo pipefail
build=${1:-build}
tools=$(cd "$(dirname "$0")" && pwd)
cd "$build"
shopt -s nullglob
found=0
for b in bench-*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $b"
  case "$b" in
    bench-reader-window|bench-window-paint)
      LUMIVRA_TEST_LIMIT=900 "$tools/with-xvfb.sh" "./$b" --benchmark_min_time=0.2 ;;
    *)
      "./$b" --benchmark_min_time=0.2 ;;
  esac
done
[ "$found" -eq 1 ] || { echo "no benchmarks built" >&2; exit 1; }
