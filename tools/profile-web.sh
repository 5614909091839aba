#!/usr/bin/env bash
# Profiles the web page in Debian's Chromium beside the Linux hack, one after the other in
# one run on the same machine: 1920x1080, 50 figures, 10 loops a minute, tilted view, frog
# and fade on. Rows: the hack on the root window of a 1920x1080 Xvfb screen; Chromium in
# kiosk mode (full screen) on that screen; headless Chromium with a 1920x1080 window. For
# Chromium the CPU time (user + system, from /proc) of all its processes is summed (browser,
# renderer, GPU and utility processes), and the renderer's, which runs the page, is shown
# on its own. A benchmark, not a test.
#
#   tools/profile-web.sh [NATIVE_BUILD_DIR [WEB_DIR | NAME=WEB_DIR ...]]
#       (defaults: build/native and build/web; the hack and build/web are built if needed)
# With several pages (say before=OLD_SITE after=build/web) each round runs the hack, then
# every page in turn, so that other load on the machine falls on all of them alike; at the
# end the means per row, and each kiosk row's share of the first page's and its multiple of
# the hack's (each with its X server). ROUNDS (default 1) sets the rounds, HEADLESS=0 leaves
# the headless rows out, SECONDS_MEASURED (default 30) and SETTLE_SECONDS (default 5) change
# the spans; OUT_DIR (default NATIVE_BUILD_DIR/profile) receives the screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
native=$(realpath -m "${1:-build/native}")
shift || true
[ $# -gt 0 ] || set -- build/web
page_names=()
page_dirs=()
for arg in "$@"; do
    name=$(basename "$(dirname "$(realpath -m "${arg#*=}")")")
    [[ "$arg" == *=* ]] && name=${arg%%=*}
    page_names+=("$name")
    page_dirs+=("$(realpath -m "${arg#*=}")")
    if [ "${page_dirs[-1]}" = "$root/build/web" ]; then
        cmake --preset web >/dev/null
        cmake --build --preset web >/dev/null
    fi
done
rounds=${ROUNDS:-1}
source tools/profile-common.sh
profile_spans "$native"
named_builds native "$native"

export SINUET_SCREEN=1920x1080
source tools/wine-session.sh
clock_ticks=$(getconf CLK_TCK)
profile=$(mktemp -d)
servers=()
urls=()
running=""
finish() {
    [ -n "$running" ] && kill "$running" 2>/dev/null && wait "$running" 2>/dev/null
    kill "${servers[@]}" 2>/dev/null || true
    wine_session_stop
    rm -rf "$profile"
}
trap finish EXIT
wine_session_start_xvfb
for k in "${!page_dirs[@]}"; do
    python3 -u -m http.server --bind 127.0.0.1 --directory "${page_dirs[$k]}" 0 \
        >"$profile/server$k.log" 2>&1 &
    servers+=($!)
    for _ in $(seq 100); do
        grep -q 'port' "$profile/server$k.log" && break
        sleep 0.1
    done
    port=$(grep -o 'port [0-9]*' "$profile/server$k.log" | head -1 | cut -d' ' -f2)
    urls+=("http://127.0.0.1:$port/?count=50&loops=10&view3d=1&frog=1&fade=1&panel=0&seed=7")
done

# The process and every process below it.
tree_pids() {
    local pid
    echo "$1"
    for pid in $(ps -o pid= --ppid "$1" 2>/dev/null); do
        tree_pids "$pid"
    done
}

# CPU ticks of the processes given, and of those among them that are renderers.
tree_ticks() {
    local all=0 renderer=0 pid t
    for pid in "$@"; do
        t=$(cpu_ticks "$pid")
        all=$((all + t))
        if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -- '--type=renderer'; then
            renderer=$((renderer + t))
        fi
    done
    echo "$all $renderer"
}

row() { # name ticks_all ticks_renderer ticks_xvfb span
    awk -v n="$1" -v a="$2" -v r="$3" -v x="$4" -v span="$5" -v hz="$clock_ticks" 'BEGIN {
        printf "%-26s all processes %.3f s/s  renderer %.3f s/s  Xvfb %.3f s/s  together %.3f s/s  over %.1f s\n",
            n, a / hz / span, r / hz / span, x / hz / span, (a + x) / hz / span, span
    }' | tee -a "$profile/rows"
}

measure() { # name
    sleep "$settle"
    kill -0 "$running" 2>/dev/null || { echo "$1: not running" >&2; exit 1; }
    local pids t0 x0 before after span
    pids=$(tree_pids "$running")
    t0=$(date +%s.%N)
    before=$(tree_ticks $pids)
    x0=$(cpu_ticks "$wine_session_xvfb_pid")
    sleep "$measured"
    pids=$(echo "$pids" $(tree_pids "$running") | tr ' ' '\n' | sort -u)
    after=$(tree_ticks $pids)
    local x1
    x1=$(cpu_ticks "$wine_session_xvfb_pid")
    span=$(awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    import -display "$DISPLAY" -window root "$out/$1.png" 2>/dev/null || true
    kill "$running" 2>/dev/null || true
    wait "$running" 2>/dev/null || true
    running=""
    set -- "$1" $before $after
    row "$1" $(($4 - $2)) $(($5 - $3)) $((x1 - x0)) "$span"
}

chromium_args=(--no-sandbox --disable-gpu --disable-quic --no-first-run
    --disable-background-networking --disable-component-update --disable-sync
    --window-size=1920,1080 --window-position=0,0)

echo "CPU time per second, 1920x1080, 50 figures, 10 loops, tilted; ${measured} s after ${settle} s:"
for round in $(seq "$rounds"); do
    "$native/linux/sinuet" --root --count 50 --loops 10 --3d --frog --fade --seed 7 &
    running=$!
    measure linux-hack
    for k in "${!page_dirs[@]}"; do
        chromium "${chromium_args[@]}" --kiosk --user-data-dir="$profile/kiosk-$round-$k" "${urls[$k]}" \
            >/dev/null 2>&1 &
        running=$!
        measure "chromium-kiosk-${page_names[$k]}"
        [ "${HEADLESS:-1}" = 1 ] || continue
        chromium "${chromium_args[@]}" --headless --user-data-dir="$profile/headless-$round-$k" \
            "${urls[$k]}" >/dev/null 2>&1 &
        running=$!
        measure "chromium-headless-${page_names[$k]}"
    done
done
echo "Means over $rounds round(s), CPU s/s with its X server (kiosk: share of the first page's, multiple of the hack's):"
awk -v first="chromium-kiosk-${page_names[0]}" '{ sum[$1] += $(NF - 4); n[$1]++; if (!($1 in order)) order[$1] = ++rows; name[rows] = $1 }
    END {
        for (k = 1; k <= rows; k++) {
            r = name[k]; mean = sum[r] / n[r]
            printf "%-26s %.3f s/s", r, mean
            if (r ~ /^chromium-kiosk/)
                printf "  %.2f of %s  %.1f x the hack", mean / (sum[first] / n[first]), first, mean / (sum["linux-hack"] / n["linux-hack"])
            printf "\n"
        }
    }' "$profile/rows"
echo "Screenshots: $out/linux-hack.png, $out/chromium-kiosk-NAME.png from the last round (the headless ones show nothing)"
