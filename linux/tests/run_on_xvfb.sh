#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display of its own, then stops that server.
# Exits 77 (skipped) where Xvfb is not installed.
#   run_on_xvfb.sh WIDTHxHEIGHT COMMAND [ARGS...]
set -uo pipefail
if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: skipped"
    exit 77
fi
size=$1
shift
source "$(dirname "$0")/../../tools/free-display.sh"
n=$(free_display 100)
# -noreset: the tests connect one after another, and a server that resets when its last
# client leaves refuses connections meanwhile.
Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null' EXIT
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done
DISPLAY=":$n" "$@"
