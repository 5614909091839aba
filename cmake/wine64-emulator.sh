#!/usr/bin/env bash
# Runs a 64-bit Win32 program under 64-bit Wine for ctest (see wine-emulator.sh).
export SINUET_WINE_ARCH=win64
exec "$(dirname "$0")/wine-emulator.sh" "$@"
