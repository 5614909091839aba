#!/usr/bin/env bash
# The setup program under Wine (setup_test.py): x86 in a 32-bit prefix, x64 in a 64-bit one,
# then its 64-bit test builds across restarts in a 64-bit prefix, each made anew in the release
# build tree (setup-wine-x86, setup-wine-x64, setup-wine-restart), so that every run starts
# from a Windows that never had Sinuet and the other suites' prefixes stay untouched. One
# virtual display for all, one wineserver per prefix. The setup program is a 32-bit program:
# where 32-bit programs do not run, only the restart sequences run.
#   run_setup_tests.sh RELEASE_BUILD_DIR WINDOWS_BUILD_DIR
# The Windows (i686) build provides saver_round_trip.exe and desktop_holder.exe.
set -euo pipefail
release=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
setup=$(ls "$release"/sinuet-*-setup.exe)
version=$(basename "$setup" -setup.exe)
version=${version#sinuet-}

source "$here/../../../tools/machine.sh"
source "$here/../../../tools/wine-session.sh"
trap wine_session_stop EXIT
status=0
for arch in x86 x64; do
    if ! machine_runs_32bit; then
        machine_skip "setup program round trips under $arch Wine" \
            "the setup program is a 32-bit program, and this machine runs none"
        continue
    fi
    echo "== setup program under $arch Wine"
    rm -rf "$release/setup-wine-$arch"
    if [ "$arch" = x86 ]; then
        wine_session_start "$release/setup-wine-$arch"
    else
        wine_session_start "$release/setup-wine-$arch" win64
    fi
    # Keeps Wine's desktop up, so that it starts once for the saver's run.
    wine "$windows/bin/desktop_holder.exe" >/dev/null 2>&1 &
    python3 "$here/setup_test.py" "$arch" "$release" "$version" \
        "$windows/bin/saver_round_trip.exe" || status=1
    wine_session_stop_wine
done

# Debian's wine wrapper needs the 32-bit loader; the 64-bit one runs everywhere.
echo "== the setup program's 64-bit test builds across restarts under 64-bit Wine"
rm -rf "$release/setup-wine-restart"
wine_session_start "$release/setup-wine-restart" win64
export WINE64=/usr/lib/wine/wine64
"$WINE64" wineboot --init >/dev/null 2>&1 || true
python3 "$here/setup_test.py" restart "$release" "$version" || status=1
wine_session_stop_wine
exit $status
