#!/usr/bin/env bash
# Runs the whole suite of a test build; the window tests get an X server of their own.
# A test that fails is run once more, so that a lost X connection on a starved
# machine is not taken for a fault; one that fails twice fails the suite.
set -euo pipefail
build=${1:-build/asan}
cd "$build"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j 2 --repeat until-pass:2
fi
exec ctest --output-on-failure -j 2 --repeat until-pass:2
