#!/usr/bin/env bash
# Runs a Win32 program under Wine for ctest. The prefix defaults to one inside the
# build tree so that tests never touch the user's own prefix. SINUET_WINE_ARCH=win64
# (set by wine64-emulator.sh) runs a 64-bit program under 64-bit Wine.
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${SINUET_WINE_ARCH:-win32}" = win64 ]; then
    export WINEPREFIX="${WINEPREFIX:-$here/build/windows64/wineprefix}"
    export WINEARCH=win64
else
    export WINEPREFIX="${WINEPREFIX:-$here/build/windows/wineprefix}"
    export WINEARCH=win32
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Debian's wine wrapper starts the 32-bit loader first, which some machines cannot run.
if [ "$WINEARCH" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
    exec /usr/lib/wine/wine64 "$@"
fi
exec wine "$@"
