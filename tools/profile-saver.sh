#!/usr/bin/env bash
# Profiles the real saver under Wine: CPU time per second of wall time of the saver
# process, full screen on a 1920x1080 virtual screen, in two settings:
#   heavy: 50 figures, 10 loops a minute, tilted view
#   light: 10 figures, 2 loops a minute, flat view
# Each run sets the settings in the Wine prefix's registry, starts "sinuet.scr /s", lets
# it settle, then reads the process's CPU time (user + system, from /proc) over the
# measured span; the X server's and wineserver's CPU time over the same span are shown
# beside it, since part of the drawing's cost lands there. A screenshot of each run is
# kept to show that the figures were drawn.
#
#   tools/profile-saver.sh [BUILD_DIR]     (default: build/windows, or build/windows64 where
#                                           32-bit programs do not run; built if needed)
#   tools/profile-saver.sh NAME=BUILD_DIR NAME=BUILD_DIR ...
# With several builds (for example before and after a change), each round profiles every
# build in turn, so that the machine's changing load falls on all of them alike; the
# means per build and setting follow the rounds. ROUNDS (default 1) sets their number.
# SECONDS_MEASURED (default 30) and SETTLE_SECONDS (default 5) change the spans;
# OUT_DIR (default BUILD_DIR/profile) receives the screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
measured=${SECONDS_MEASURED:-30}
settle=${SETTLE_SECONDS:-5}
rounds=${ROUNDS:-1}

export SINUET_SCREEN=1920x1080
source tools/wine-session.sh
source tools/profile-common.sh
[ $# -gt 0 ] || set -- "build/$windows_preset"
named_builds "$windows_preset" "$@"
saver_pid=""
finish() {
    if [ -n "$saver_pid" ]; then
        kill "$saver_pid" 2>/dev/null || true
        wait "$saver_pid" 2>/dev/null || true
    fi
    wine_session_stop
}
trap finish EXIT

clock_ticks=$(getconf CLK_TCK)

profile() { # name count loops view3D   (with build, saver, label and out set)
    local name=$1
    set_settings "$2" "$3" "$4"
    wine "$saver" /s >/dev/null 2>&1 &
    saver_pid=$!
    sleep "$settle"
    if ! kill -0 "$saver_pid" 2>/dev/null; then
        echo "$name: the saver is not running" >&2
        exit 1
    fi
    local server
    server=$(server_pid)
    measure_cpu "$saver_pid" "${server:-0}" "$measured" "$out/$name.png"
    kill "$saver_pid" 2>/dev/null || true
    wait "$saver_pid" 2>/dev/null || true
    saver_pid=""
    awk -v b="$label" -v n="$name" -v c="$2" -v l="$3" -v v="$4" -v s="$cpu_program" \
        -v x="$cpu_xvfb" -v w="$cpu_server" -v hz="$clock_ticks" -v span="$cpu_span" 'BEGIN {
        printf "%-8s %-6s count %2d loops %2d %-6s  saver %.3f s/s (%.1f ms CPU per 40 ms)  Xvfb %.3f s/s  wineserver %.3f s/s  over %.1f s\n",
            b, n, c, l, (v ? "tilted" : "flat"), s / hz / span, 40 * s / hz / span, x / hz / span,
            w / hz / span, span
    }'
}

echo "Saver CPU time per second, 1920x1080, measured over ${measured} s after ${settle} s:"
rows=$(mktemp)
for round in $(seq "$rounds"); do
    for k in "${!build_dirs[@]}"; do
        label=${build_names[$k]}
        build=${build_dirs[$k]}
        saver="$build/bin/sinuet.scr"
        out=${OUT_DIR:-$build/profile}
        mkdir -p "$out"
        wine_session_start "$build" "$wine_arch"
        profile heavy 50 10 1 | tee -a "$rows"
        profile light 10 2 0 | tee -a "$rows"
        wine_session_stop
    done
done
echo "Means over $rounds round(s), saver CPU s/s (Xvfb, wineserver):"
awk '{ key = $1 " " $2; if (!(key in c)) names[++n] = key
       s[key] += $9; x[key] += $18; w[key] += $21; c[key]++ }
     END { for (k = 1; k <= n; k++) { key = names[k]
             printf "%-15s saver %.3f  Xvfb %.3f  wineserver %.3f  (%d runs)\n", key,
                 s[key] / c[key], x[key] / c[key], w[key] / c[key], c[key] } }' "$rows"
rm -f "$rows"
echo "Screenshots: heavy.png and light.png in each build's profile/ folder"
