#!/usr/bin/env bash
# Builds sinuet.scr and starts it full screen under Wine.
#   With a usable X display ($DISPLAY): runs there until a key press or mouse move closes it.
#   Without one: runs on a virtual display, saves a screenshot after a few seconds to
#   build/sinuet-screenshot.png and stops.
# Environment: SINUET_BUILD_ROOT (default build), SINUET_SHOT_DELAY (seconds, default 4),
# SINUET_SKIP_SETUP=1 skips installing the Debian packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${SINUET_BUILD_ROOT:-$root/build}

if [ "${SINUET_SKIP_SETUP:-0}" != 1 ]; then
    bash tools/setup-debian.sh
fi
cmake --preset windows -B "$build/windows" >/dev/null
cmake --build "$build/windows" --target sinuet
saver="$build/windows/bin/sinuet.scr"

if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then
    export WINEPREFIX="$build/windows/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    echo "Starting the saver on $DISPLAY; move the mouse or press a key to close it."
    wine "$saver" /s
    exit 0
fi

source tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$build/windows"
wine "$saver" /s &
saver_pid=$!
sleep "${SINUET_SHOT_DELAY:-4}"
shot="$build/sinuet-screenshot.png"
xwd -root -silent | convert xwd:- "$shot"
kill "$saver_pid" 2>/dev/null || true
wait "$saver_pid" 2>/dev/null || true
echo "No display: the saver ran on a virtual one. Screenshot: $shot"
