#!/usr/bin/env bash
# The setup program under Wine (setup_test.py): x86 in a 32-bit prefix, x64 in a 64-bit one,
# each made anew in the release build tree (setup-wine-x86, setup-wine-x64), so that every run
# starts from a Windows that never had Sinuet and the other suites' prefixes stay untouched.
# One virtual display for both, one wineserver per prefix.
#   run_setup_tests.sh RELEASE_BUILD_DIR WINDOWS_BUILD_DIR
# The Windows (i686) build provides saver_round_trip.exe and desktop_holder.exe.
set -euo pipefail
release=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
setup=$(ls "$release"/sinuet-*-setup.exe)
version=$(basename "$setup" -setup.exe)
version=${version#sinuet-}

source "$here/../../../tools/wine-session.sh"
trap wine_session_stop EXIT
status=0
for arch in x86 x64; do
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
exit $status
