#!/usr/bin/env bash
# Runs every test: the native unit suite, then the Windows build's unit suite and the
# Win32 test programs under Wine on a virtual display.
# SINUET_BUILD_ROOT (default: build) chooses where both builds live.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${SINUET_BUILD_ROOT:-$root/build}

bash tools/setup-debian.sh

echo "== native build and unit tests"
cmake --preset native -B "$build/native" >/dev/null
cmake --build "$build/native"
ctest --test-dir "$build/native" --output-on-failure -j 2 --no-tests=error

# Benchmarks are not timed tests: one short row, only to see that the suite runs.
if [ -x "$build/native/bench/sinuet-bench" ]; then
    echo "== benchmark smoke run"
    "$build/native/bench/sinuet-bench" --benchmark_filter='640x480/count:10/loops:10/flat'
fi

echo "== windows build"
cmake --preset windows -B "$build/windows" >/dev/null
cmake --build "$build/windows"

echo "== tests under Wine"
source tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$build/windows"
ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error
