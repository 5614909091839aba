#!/usr/bin/env bash
# Runs every test: the native unit suite, the same under ASan and UBSan, the Linux hack on
# Xvfb and under XScreenSaver, short fuzz runs, then the Windows build's unit suite and the
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
ctest --test-dir "$build/native" --output-on-failure -j 2 --no-tests=error -LE 'x11|e2e'

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-sanitize -B "$build/native-sanitize" >/dev/null
cmake --build "$build/native-sanitize"
ctest --test-dir "$build/native-sanitize" --output-on-failure -j 2 --no-tests=error -LE 'x11|e2e'

# ---- Linux hack (linux/): the sinuet XScreenSaver hack on X servers of its own ----
# Each X11 test starts its own Xvfb; the end-to-end test runs the real XScreenSaver daemon
# on the installed hack as a throwaway user (it needs root and skips otherwise).
echo "== Linux hack on Xvfb, and the sanitizer build of it"
ctest --test-dir "$build/native" --output-on-failure --no-tests=error -L x11
ctest --test-dir "$build/native-sanitize" --output-on-failure --no-tests=error -L x11
echo "== Linux hack end to end under XScreenSaver"
ctest --test-dir "$build/native" --output-on-failure --no-tests=error -L e2e
# ---- end of the Linux hack section ----

echo "== short fuzz runs (SINUET_FUZZ_SECONDS per target)"
SINUET_BUILD_ROOT="$build" bash tools/fuzz.sh

# Benchmarks are not timed tests: one short row, only to see that the suite runs.
if [ -x "$build/native/bench/sinuet-bench" ]; then
    echo "== benchmark smoke run"
    "$build/native/bench/sinuet-bench" --benchmark_filter='640x480/count:10/loops:10/flat'
fi

echo "== windows build"
cmake --preset windows -B "$build/windows" >/dev/null
cmake --build "$build/windows"

echo "== tests under Wine"
# A program that fails is run once more: window timing under Wine on a bare X server can
# still vary, and a real fault fails both times. Every failure is printed either way.
source tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$build/windows"
ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -LE screen1920

# The long run wants a 1920x1080 screen; the other suites are written for the default one.
echo "== long run under Wine on a 1920x1080 screen"
wine_session_stop
SINUET_SCREEN=1920x1080 wine_session_start "$build/windows"
ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -L screen1920
