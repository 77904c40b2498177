#!/usr/bin/env bash
# Runs a window test against an X server of its own. Tests run side by side
# then never take focus or activation from each other. Listing a test
# executable's cases needs no server.
set -uo pipefail
for arg in "$@"; do
  if [ "$arg" = --gtest_list_tests ]; then exec "$@"; fi
done

dir=$(mktemp -d "${TMPDIR:-/tmp}/lumivra-x.XXXXXX")
xpid=
tpid=
cleanup() {
  if [ -n "$tpid" ]; then kill -9 "$tpid" 2>/dev/null; fi
  if [ -n "$xpid" ]; then kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; fi
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# The server picks a free display itself and writes its number once it
# accepts connections; -terminate ends it when its last client goes, should
# this script be killed before it can.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -terminate 3>"$dir/display" \
  >"$dir/server.log" 2>&1 &
xpid=$!
ready=$((SECONDS + 20))
while [ "$SECONDS" -lt "$ready" ] && kill -0 "$xpid" 2>/dev/null; do
  if grep -q '^[0-9]' "$dir/display" 2>/dev/null; then break; fi
  sleep 0.05
done
display=$(head -n 1 "$dir/display" 2>/dev/null)
if ! [[ "$display" =~ ^[0-9]+$ ]]; then
  echo "with-xvfb: the X server did not start" >&2
  cat "$dir/server.log" >&2
  exit 1
fi

# A test still running after LUMIVRA_TEST_LIMIT seconds (60 by default) has
# its threads' stacks printed, then is ended; both fit within the suite's own
# limit of 90 s.
limit=${LUMIVRA_TEST_LIMIT:-60}
DISPLAY=":$display" "$@" &
tpid=$!
end=$((SECONDS + limit))
while [ "$SECONDS" -lt "$end" ] && kill -0 "$tpid" 2>/dev/null; do
  sleep 0.1
done
if kill -0 "$tpid" 2>/dev/null; then
  echo "with-xvfb: still running after ${limit} s; its stacks:" >&2
  if command -v gdb >/dev/null; then
    timeout 25 gdb -p "$tpid" -batch -nx -ex "thread apply all bt 25" 2>&1 | grep -E '^(#|Thread)' >&2
  fi
  kill -9 "$tpid" 2>/dev/null
fi
wait "$tpid"
status=$?
tpid=
exit "$status"
