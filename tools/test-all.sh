#!/usr/bin/env bash
# Runs every test: the native unit suite, the same under ASan and UBSan, short fuzz runs,
# then the Windows build's unit suite and the Win32 test programs under Wine on a virtual
# display, and the same for the x86_64 build under 64-bit Wine (without the cases that need
# the Windows 95/98/Me family, which has no 64-bit version).
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

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-sanitize -B "$build/native-sanitize" >/dev/null
cmake --build "$build/native-sanitize"
ctest --test-dir "$build/native-sanitize" --output-on-failure -j 2 --no-tests=error

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

# ---- x86_64: the same saver and Win32 test programs, built natively for 64-bit Windows.
echo "== windows64 build"
cmake --preset windows64 -B "$build/windows64" >/dev/null
cmake --build "$build/windows64"

echo "== tests under Wine"
# A program that fails is run once more: window timing under Wine on a bare X server can
# still vary, and a real fault fails both times. Every failure is printed either way.
source tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$build/windows"
ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -LE screen1920

# ---- x86_64: the 64-bit suites under 64-bit Wine, on the same display with a wineserver
# and prefix of their own. The 32-bit server ends first, so that its desktop cannot take
# the focus from the 64-bit saver's windows.
echo "== 64-bit tests under 64-bit Wine"
wine_session_stop_wine
wine_session_start "$build/windows64" win64
ctest --test-dir "$build/windows64" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -LE "screen1920|win9x"

# The long run wants a 1920x1080 screen; the other suites are written for the default one.
echo "== long run under Wine on a 1920x1080 screen"
wine_session_stop
SINUET_SCREEN=1920x1080 wine_session_start "$build/windows"
ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -L screen1920

# ---- x86_64: the long run of the 64-bit saver on the same 1920x1080 display.
echo "== 64-bit long run under 64-bit Wine on a 1920x1080 screen"
wine_session_stop_wine
wine_session_start "$build/windows64" win64
ctest --test-dir "$build/windows64" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -L screen1920
