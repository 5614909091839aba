#!/usr/bin/env bash
# Runs a Win32 program under Wine for ctest. The prefix defaults to one inside the
# build tree so that tests never touch the user's own prefix.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/windows/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
