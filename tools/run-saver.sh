#!/usr/bin/env bash
# Builds sinuet.scr and starts it full screen under Wine: the i686 saver under 32-bit
# Wine, or, on a machine that runs no 32-bit programs (tools/machine.sh), the x86_64 saver
# under 64-bit Wine.
#   With a usable X display ($DISPLAY): runs there until a key press or mouse move closes it.
#   Without one: runs on a virtual display, waits for its window and a picture with bands
#   and the frog, saves that screenshot to build/sinuet-screenshot.png and stops; fails
#   when the window or the picture does not come.
# Environment: SINUET_BUILD_ROOT (default build), SINUET_SKIP_SETUP=1 skips installing the
# Debian packages, SINUET_NO_32BIT=1 takes the 64-bit way on any machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${SINUET_BUILD_ROOT:-$root/build}

if [ "${SINUET_SKIP_SETUP:-0}" != 1 ]; then
    bash tools/setup-debian.sh
fi
source tools/machine.sh
source tools/wine-session.sh
machine_windows_build
if [ "$arch" = win64 ]; then
    echo "32-bit programs do not run here$([ "${SINUET_NO_32BIT:-0}" = 1 ] &&
        echo " (SINUET_NO_32BIT=1)"): running the 64-bit saver under 64-bit Wine."
fi
cmake --preset "$preset" -B "$build/$preset" >/dev/null
cmake --build "$build/$preset" --target sinuet
saver="$build/$preset/bin/sinuet.scr"

if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then
    export WINEPREFIX="$build/$preset/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    [ "$arch" = win32 ] || wine_use_arch "$arch"
    mkdir -p "$WINEPREFIX"
    echo "Starting the saver on $DISPLAY; move the mouse or press a key to close it."
    wine "$saver" /s
    exit 0
fi

# What the screenshot lacks, if anything: the frog at its place (the middle of the screen,
# or a quarter of the height above it in the tilted view), nine in ten of its pixels
# exact, and band pixels beside it over at least a fortieth of the screen.
lit_pixels() { # IMAGE [ImageMagick options...]
    convert "$@" -colorspace gray -threshold 0 -format '%[fx:round(mean * w * h)]' info:
}
picture_problem() { # PNG
    local frog=resources/frog.bmp w h x y frog_lit matched best=0 lit box
    read -r w h < <(identify -format '%w %h' "$1")
    frog_lit=$(lit_pixels "$frog")
    x=$((w / 2 - 94))
    for y in $((h / 2 - 74)) $((h / 2 - 74 - h / 4)); do
        # Pixels equal to the frog's own (difference 0) where the frog is not black.
        matched=$(lit_pixels \( "$1" -crop "188x149+$x+$y" +repage \) "$frog" \
            -compose difference -composite -colorspace gray -threshold 0 -negate \
            \( "$frog" -colorspace gray -threshold 0 \) -compose multiply -composite)
        [ "$matched" -gt "$best" ] && best=$matched
        [ $((10 * best)) -ge $((9 * frog_lit)) ] && break
    done
    lit=$(lit_pixels "$1")
    box=$(lit_pixels "$1" -crop "188x149+$x+$y" +repage)
    if [ "$lit" = 0 ]; then
        echo "the screen is all black"
    elif [ $((10 * best)) -lt $((9 * frog_lit)) ]; then
        echo "no frog in the middle (at best $best of its $frog_lit pixels)"
    elif [ $((40 * (lit - box))) -lt $((w * h)) ]; then
        echo "too few band pixels ($((lit - box)) beside the frog)"
    fi
}

trap wine_session_stop EXIT
wine_session_start "$build/$preset" "$arch"
wine "$saver" /s &
saver_pid=$!
shot="$build/sinuet-screenshot.png"
rm -f "$shot"
# The window, then a picture that has it all, within a minute; each try takes a screenshot.
problem="its window did not appear within a minute"
deadline=$((SECONDS + 60))
while [ "$SECONDS" -lt "$deadline" ]; do
    if ! kill -0 "$saver_pid" 2>/dev/null; then
        problem="it ended before showing a picture"
        break
    fi
    if xwininfo -root -tree 2>/dev/null | grep -qF '"Screen Saver":'; then
        xwd -root -silent | convert xwd:- "$shot"
        problem=$(picture_problem "$shot")
        [ -z "$problem" ] && break
    fi
    sleep 0.2
done
kill "$saver_pid" 2>/dev/null || true
wait "$saver_pid" 2>/dev/null || true
if [ -n "$problem" ]; then
    echo "No display: the saver ran on a virtual one, but $problem.$([ -f "$shot" ] &&
        echo " Last screenshot: $shot")" >&2
    exit 1
fi
echo "No display: the saver ran on a virtual one. Screenshot: $shot"
