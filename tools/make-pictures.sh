#!/usr/bin/env bash
# Records the real sinuet.scr under Wine on a virtual 640x480 display and writes the
# README's pictures:
#   saver-default.gif  full screen, default settings (10 figures, loops 2, flat, fade, frog)
#   saver-tilted.gif   full screen, 50 figures, loops 10, tilted view, fade, frog
#   dialog.png         the configuration dialog (the dialog_screenshot test program)
#   preview.png        the preview at the control panel's 152 x 112, started by
#                      tools/preview-host
#   saver-monitors.png full screen on two monitors, 1024x768 and 800x600 right of it, on
#                      an Xorg server of its own (tools/monitors-session.sh: needs root);
#                      the part of the screen that no monitor shows is grey
# The i686 saver under 32-bit Wine makes them, or on a machine that runs no 32-bit programs
# (tools/machine.sh) the x86_64 saver under 64-bit Wine, which draws the same pixels; there
# the two-monitor picture is left out, since 64-bit Wine sees a single monitor on the
# server that monitors-session.sh makes.
# The animations are GIFs of SINUET_PICTURE_FRAMES frames (default 125: 5 s) at the saver's
# own 25 frames per second, with a palette made from their own frames.
#
# Usage: bash tools/make-pictures.sh [OUTPUT_DIR]      (default: docs/)
# Environment: SINUET_BUILD_ROOT (default build). Needs the packages of
# tools/setup-debian.sh. The settings are written into a Wine prefix of its own
# (build/pictures/wineprefix), so no other run's registry is touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${SINUET_BUILD_ROOT:-$root/build}
out=$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)
frames=${SINUET_PICTURE_FRAMES:-125}

source tools/machine.sh
machine_windows_build
cmake --preset "$preset" -B "$build/$preset" >/dev/null
cmake --build "$build/$preset" --target sinuet preview-host dialog_screenshot desktop_holder
bin="$build/$preset/bin"
scratch="$build/pictures"
mkdir -p "$scratch"

source tools/wine-session.sh
trap wine_session_stop EXIT
SINUET_SCREEN=640x480 wine_session_start "$scratch" "$arch"
# The desktop stays up between the programs started below.
wine "$bin/desktop_holder.exe" >/dev/null 2>&1 &

# Replaces the settings key by one with the values given (NAME=TEXT), or removes it (the
# defaults) when none are given, through a .reg file that regedit imports.
set_settings() {
    {
        printf 'REGEDIT4\r\n\r\n[-HKEY_CURRENT_USER\\SinuetSet9]\r\n'
        if [ $# -gt 0 ]; then
            printf '\r\n[HKEY_CURRENT_USER\\SinuetSet9]\r\n'
            for value in "$@"; do
                printf '"%s"="%s"\r\n' "${value%%=*}" "${value#*=}"
            done
        fi
    } >"$scratch/settings.reg"
    wine regedit /S "$(winepath -w "$scratch/settings.reg")" >/dev/null 2>&1
}

# Waits until an X window with the given name exists; prints its id.
wait_for_window() {
    for _ in $(seq 100); do
        local id
        id=$(xwininfo -root -tree 2>/dev/null | grep -m1 -F "\"$1\":" | awk '{ print $1 }' || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window named $1 appeared" >&2
    return 1
}

# Ends a Wine program started in the background and waits for it.
stop_program() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Runs the saver full screen with the settings given and records it into the GIF named.
record_saver() {
    local gif=$1
    shift
    set_settings "$@"
    wine "$bin/sinuet.scr" /s >/dev/null 2>&1 &
    local saver=$!
    wait_for_window "Screen Saver" >/dev/null
    sleep 1 # the first ticks: the window is up and the figures begin to swing
    ffmpeg -loglevel error -y -f x11grab -framerate 25 -video_size 640x480 -i "$DISPLAY" \
        -filter_complex "[0:v]trim=end_frame=$frames,setpts=N/(25*TB),split[a][b];[a]palettegen=stats_mode=full[p];[b][p]paletteuse=dither=none" \
        -loop 0 "$out/$gif"
    stop_program "$saver"
    echo "$out/$gif: $(du -k "$out/$gif" | cut -f1) kB"
}

record_saver saver-default.gif
record_saver saver-tilted.gif N=50 LM=10 DF=1 FA=1 VI=1

# The dialog test program writes dialog.png into the build tree.
wine "$bin/dialog_screenshot.exe" --gtest_brief=1 >/dev/null
cp "$build/$preset/dialog.png" "$out/dialog.png"
echo "$out/dialog.png"

# The preview with the default settings, at the control panel's 152 x 112. Under Wine the
# preview host's own window cannot show what the saver draws in it, so the host starts the
# preview in the desktop window of a screen that size.
set_settings
wine_session_stop
SINUET_SCREEN=152x112 wine_session_start "$scratch" "$arch"
wine "$bin/desktop_holder.exe" >/dev/null 2>&1 &
wine "$bin/preview-host.exe" --desktop >/dev/null 2>&1
wait_for_window "Preview" >/dev/null
sleep 3 # a few seconds of swinging
xwd -root -silent | convert xwd:- "$out/preview.png"
echo "$out/preview.png"

# Two monitors side by side, as Wine sees an Xorg server with two heads. Only the heads are
# taken from the screenshot: the rest of the root is backed by no monitor.
wine_session_stop
if [ "$arch" = win64 ]; then
    machine_skip "the two-monitor picture saver-monitors.png" \
        "no 32-bit Wine here, and 64-bit Wine sees one monitor on the Xinerama server"
    exit 0
fi
source tools/monitors-session.sh
trap 'wine_session_stop; monitors_stop' EXIT
monitors_start two
SINUET_DISPLAY=$DISPLAY wine_session_start "$scratch"
wine "$bin/desktop_holder.exe" >/dev/null 2>&1 &
set_settings N=10 LM=6
wine "$bin/sinuet.scr" /s >/dev/null 2>&1 &
saver=$!
wait_for_window "Screen Saver" >/dev/null
sleep 3 # the arcs grow to their length
import -display "$DISPLAY" -window root "$scratch/monitors-root.png"
stop_program "$saver"
heads=()
while read -r w h x y; do
    heads+=("(" "$scratch/monitors-root.png" -crop "${w}x${h}+${x}+${y}" +repage ")"
        -geometry "+${x}+${y}" -composite)
done < <(monitors_heads)
convert -size "$(identify -format %wx%h "$scratch/monitors-root.png")" xc:'#404040' \
    "${heads[@]}" "$out/saver-monitors.png"
monitors_stop
echo "$out/saver-monitors.png"
