#!/usr/bin/env bash
# Times the whole process `olvar-tool search WORD` against `grep -c -i -F WORD`
# over a text file of the same records ("chapter|verse|text", one a line).
# Run from a build folder holding olvar-tool and the core files.
set -euo pipefail
word=${1:-mercy}
runs=${2:-50}
build=${3:-.}
cd "$build"
[ -x ./olvar-tool ] && [ -f ETRRef32.dll ] || { echo "run it in a build folder with olvar-tool and ETRRef32.dll" >&2; exit 1; }

records=$(mktemp)
trap 'rm -f "$records"' EXIT
for n in $(seq 1 114); do
  ./olvar-tool resource ETRRef32.dll "ETR$n" | tr -d '\r' | awk -v c="$n" '{ print c "|" NR "|" $0 }'
done > "$records"

now() { date +%s%N; }
time_runs() {
  local start end
  start=$(now)
  for _ in $(seq 1 "$runs"); do "$@" > /dev/null; done
  end=$(now)
  echo $(( (end - start) / runs ))
}

tool_count=$(./olvar-tool search "$word" | sed -n 1p)
grep_count=$(LC_ALL=C grep -c -i -F "$word" "$records")
tool_ns=$(time_runs ./olvar-tool search "$word")
grep_ns=$(time_runs env LC_ALL=C grep -c -i -F "$word" "$records")

echo "records: $(wc -l < "$records") lines, $(wc -c < "$records") bytes"
echo "olvar-tool search $word: $tool_count  $(awk -v n="$tool_ns" 'BEGIN { printf "%.2f ms", n / 1e6 }') a run"
echo "grep -c -i -F $word:      $grep_count lines  $(awk -v n="$grep_ns" 'BEGIN { printf "%.2f ms", n / 1e6 }') a run"
echo "ratio olvar-tool / grep: $(awk -v a="$tool_ns" -v b="$grep_ns" 'BEGIN { printf "%.2f", a / b }')"
