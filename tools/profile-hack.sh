#!/usr/bin/env bash
# Profiles the Linux hack beside the Windows saver under Wine, on one 1920x1080 virtual
# screen in one run: 50 figures, 10 loops a minute, tilted view, frog and fade on. Each
# side runs alone on the whole screen (the hack with --root on the root window, the saver
# full screen with "/s"), settles, then the CPU time (user + system, from /proc) of the
# program and of the X server is read over the measured span; wineserver's time is shown
# for the saver, since part of its drawing cost lands there. A screenshot of each run is
# kept to show that the figures were drawn. A benchmark, not a test.
#
#   tools/profile-hack.sh [NATIVE_BUILD_DIR [WINDOWS_BUILD_DIR]]
#       (defaults: build/native and build/windows; built if needed)
# SECONDS_MEASURED (default 30) and SETTLE_SECONDS (default 5) change the spans;
# OUT_DIR (default NATIVE_BUILD_DIR/profile) receives the screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
native=$(realpath -m "${1:-build/native}")
windows=$(realpath -m "${2:-build/windows}")
source tools/profile-common.sh
profile_spans "$native"
build_hack "$native"
[ -f "$windows/CMakeCache.txt" ] || cmake --preset windows -B "$windows" >/dev/null
cmake --build "$windows" --target sinuet >/dev/null
hack="$native/linux/sinuet"
saver="$windows/bin/sinuet.scr"

export SINUET_SCREEN=1920x1080
source tools/wine-session.sh
running=""
finish() {
    if [ -n "$running" ]; then
        kill "$running" 2>/dev/null || true
        wait "$running" 2>/dev/null || true
    fi
    wine_session_stop
}
trap finish EXIT
wine_session_start "$windows"
clock_ticks=$(getconf CLK_TCK)

# Measures the program started last ($running) with the X server and, for the saver, the
# wineserver; prints one row.
measure() { # name
    local name=$1 server="${2:-0}"
    sleep "$settle"
    if ! kill -0 "$running" 2>/dev/null; then
        echo "$name: not running" >&2
        exit 1
    fi
    measure_cpu "$running" "$server" "$measured" "$out/$name.png"
    kill "$running" 2>/dev/null || true
    wait "$running" 2>/dev/null || true
    running=""
    awk -v n="$name" -v p="$cpu_program" -v x="$cpu_xvfb" -v w="$cpu_server" \
        -v hz="$clock_ticks" -v span="$cpu_span" 'BEGIN {
        printf "%-14s program %.3f s/s  Xvfb %.3f s/s  wineserver %.3f s/s  together %.3f s/s  over %.1f s\n",
            n, p / hz / span, x / hz / span, w / hz / span, (p + x + w) / hz / span, span
    }'
}

echo "CPU time per second, 1920x1080, 50 figures, 10 loops, tilted; ${measured} s after ${settle} s:"
"$hack" --root --count 50 --loops 10 --3d --frog --fade &
running=$!
measure linux-hack

set_settings 50 10 1
wine "$saver" /s >/dev/null 2>&1 &
running=$!
sleep 1
measure windows-saver "$(server_pid)"
echo "Screenshots: $out/linux-hack.png, $out/windows-saver.png"
