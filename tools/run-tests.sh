#!/usr/bin/env bash
# Runs the whole suite of a test build; each window test gets an X server of its own.
# A test that fails is run once more, so that a lost X connection on a starved
# machine is not taken for a fault; one that fails twice fails the suite.
set -euo pipefail
build=${1:-build/asan}
cd "$build"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Window tests start their own X servers; no test may reach the user's display.
exec env -u DISPLAY -u WAYLAND_DISPLAY ctest --output-on-failure -j 2 --repeat until-pass:2
