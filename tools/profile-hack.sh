#!/usr/bin/env bash
# Profiles the Linux hack on one 1920x1080 virtual screen: 50 figures, 10 loops a minute,
# tilted view, frog and fade on, the hack with --root on the root window. Each program
# runs alone on the whole screen, settles, then the CPU time (user + system, from /proc)
# of the program and of the X server is read over the measured span. A screenshot of each
# run is kept to show that the figures were drawn. A benchmark, not a test.
#
#   tools/profile-hack.sh [NATIVE_BUILD_DIR [WINDOWS_BUILD_DIR]]
#       the hack beside the Windows saver full screen ("/s") under Wine, whose wineserver
#       time is shown too, since part of its drawing cost lands there (defaults:
#       build/native and build/windows, or build/windows64 where 32-bit programs do not
#       run; built if needed)
#   tools/profile-hack.sh NAME=NATIVE_BUILD_DIR NAME=NATIVE_BUILD_DIR ...
#       hack builds against each other (say before and after a change): each round
#       profiles every build in turn, so that the machine's changing load falls on all of
#       them alike; then the means per build and each one's share of the first build's.
#       ROUNDS (default 1) sets the number of rounds.
# SECONDS_MEASURED (default 30) and SETTLE_SECONDS (default 5) change the spans;
# OUT_DIR (default: the first build's profile/ folder) receives the screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
rounds=${ROUNDS:-1}
hack_settings=(--count 50 --loops 10 --3d --frog --fade)

export SINUET_SCREEN=1920x1080
source tools/wine-session.sh
source tools/profile-common.sh
running=""
finish() {
    if [ -n "$running" ]; then
        kill "$running" 2>/dev/null || true
        wait "$running" 2>/dev/null || true
    fi
    wine_session_stop
}
trap finish EXIT
clock_ticks=$(getconf CLK_TCK)

# Measures the program started last ($running) with the X server and, for the saver, the
# wineserver; prints one row.
measure() { # name [wineserver_pid]
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

# The hack builds in turn, ROUNDS times, then their means.
compare_hacks() {
    named_builds native "$@"
    profile_spans "${build_dirs[0]}"
    wine_session_start_xvfb
    echo "CPU time per second, 1920x1080, 50 figures, 10 loops, tilted; ${measured} s after ${settle} s:"
    local rows k
    rows=$(mktemp)
    for round in $(seq "$rounds"); do
        for k in "${!build_dirs[@]}"; do
            "${build_dirs[$k]}/linux/sinuet" --root "${hack_settings[@]}" &
            running=$!
            measure "${build_names[$k]}" | tee -a "$rows"
        done
    done
    echo "Means over $rounds round(s), CPU s/s (share of the first build's together):"
    awk '{ if (!($1 in c)) names[++n] = $1
           p[$1] += $3; x[$1] += $6; t[$1] += $12; c[$1]++ }
         END { first = t[names[1]] / c[names[1]]
               for (k = 1; k <= n; k++) { b = names[k]
                 printf "%-14s program %.3f  Xvfb %.3f  together %.3f  (%.2f)  %d runs\n", b,
                     p[b] / c[b], x[b] / c[b], t[b] / c[b], t[b] / c[b] / first, c[b] } }' "$rows"
    rm -f "$rows"
    echo "Screenshots: $out/NAME.png, from the last round"
}

# The hack, then the Windows saver under Wine.
hack_beside_saver() {
    local native windows hack saver
    native=$(realpath -m "${1:-build/native}")
    windows=$(realpath -m "${2:-build/$windows_preset}")
    profile_spans "$native"
    named_builds native "$native"
    named_builds "$windows_preset" "$windows"
    hack="$native/linux/sinuet"
    saver="$windows/bin/sinuet.scr"
    wine_session_start "$windows" "$wine_arch"

    echo "CPU time per second, 1920x1080, 50 figures, 10 loops, tilted; ${measured} s after ${settle} s:"
    "$hack" --root "${hack_settings[@]}" &
    running=$!
    measure linux-hack

    set_settings 50 10 1
    wine "$saver" /s >/dev/null 2>&1 &
    running=$!
    sleep 1
    measure windows-saver "$(server_pid)"
    echo "Screenshots: $out/linux-hack.png, $out/windows-saver.png"
}

if [[ "${1:-}" == *=* ]]; then
    compare_hacks "$@"
else
    hack_beside_saver "$@"
fi
