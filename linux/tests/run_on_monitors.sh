#!/usr/bin/env bash
# Runs a command on an X server with three monitors: the one SINUET_MONITORS_DISPLAY names
# (started once for a whole test run), else an Xorg server of its own, stopped afterwards.
# Exits 77 (skipped) where that cannot be had: Xorg with the dummy driver needs root.
#   run_on_monitors.sh COMMAND [ARGS...]
set -uo pipefail
if [ -n "${SINUET_MONITORS_DISPLAY:-}" ]; then
    DISPLAY=$SINUET_MONITORS_DISPLAY exec "$@"
fi
if [ "$(id -u)" != 0 ] || ! command -v Xorg >/dev/null; then
    echo "skipped: an X server with several monitors is Xorg with the dummy driver, run as root"
    exit 77
fi
source "$(dirname "$0")/../../tools/monitors-session.sh"
trap monitors_stop EXIT
monitors_start three || exit 1
"$@"
