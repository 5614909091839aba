#!/usr/bin/env bash
# The X server goes away under the running hack: it ends at once with one line and exit
# status 1, never a hang. Starts and stops an Xvfb of its own (exit 77: skipped).
#   lost_display.sh HACK
set -uo pipefail
hack=$1
command -v Xvfb >/dev/null || {
    echo "Xvfb is not installed: skipped"
    exit 77
}
source "$(dirname "$0")/../../tools/free-display.sh"
n=$(free_display 120)
Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done
errors=$(mktemp)
trap 'kill $xvfb 2>/dev/null; rm -f "$errors"' EXIT
DISPLAY=":$n" "$hack" 2>"$errors" &
pid=$!
# Connected once its own window exists.
for _ in $(seq 100); do
    DISPLAY=":$n" xwininfo -name Sinuet >/dev/null 2>&1 && break
    sleep 0.1
done
kill -0 "$pid" || {
    echo "FAILED: the hack did not start"
    cat "$errors"
    exit 1
}
kill "$xvfb"
wait "$xvfb" 2>/dev/null
for _ in $(seq 30); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    echo "FAILED: the hack still runs 3 s after its display went away"
    exit 1
fi
wait "$pid"
status=$?
echo "exit status $status; stderr:"
cat "$errors"
[ "$status" = 1 ] || exit 1
[ "$(wc -l <"$errors")" = 1 ] && grep -q "^sinuet: lost the connection to the X display$" "$errors"
