#!/usr/bin/env bash
# Runs a command on an X server with several monitors: three joined by Xinerama, or with
# --randr the layout two on RandR, whose outputs the command may change (and leaves as it
# found them). That is the server SINUET_MONITORS_DISPLAY (SINUET_MONITORS_RANDR_DISPLAY)
# names, started once for a whole test run, else an Xorg server of its own, stopped
# afterwards. Exits 77 (skipped) where that cannot be had: Xorg with the dummy driver needs
# root.
#   run_on_monitors.sh [--randr] COMMAND [ARGS...]
set -uo pipefail
layout=three way=xinerama given=${SINUET_MONITORS_DISPLAY:-}
if [ "${1:-}" = --randr ]; then
    shift
    layout=two way=randr given=${SINUET_MONITORS_RANDR_DISPLAY:-}
    export SINUET_MONITORS_WAY=randr
fi
if [ -n "$given" ]; then
    DISPLAY=$given exec "$@"
fi
if [ "$(id -u)" != 0 ] || ! command -v Xorg >/dev/null; then
    echo "skipped: an X server with several monitors is Xorg with the dummy driver, run as root"
    exit 77
fi
source "$(dirname "$0")/../../tools/monitors-session.sh"
trap monitors_stop EXIT
monitors_start "$layout" "$way" || exit 1
"$@"
