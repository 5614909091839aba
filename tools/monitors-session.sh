# Sourced by test scripts: an X server with several monitors, for the saver and the hack
# on more than one screen. Xvfb cannot place its screens side by side, so this runs Xorg
# with the dummy video driver, one screen per monitor joined by Xinerama (RandR off, so
# that Wine takes the monitors from Xinerama). Needs root, xserver-xorg-core and
# xserver-xorg-video-dummy.
#   monitors_start LAYOUT   starts the server and exports DISPLAY; LAYOUT is one of
#                           two    1024x768 primary, 800x600 right of it
#                           three  1024x768 primary, 800x600 left of it, 640x480 below it
#   monitors_heads          prints the heads as Xinerama reports them: "W H X Y" per line
#   monitors_stop           stops the server this session started
# The first screen is Xinerama's head 0, which Wine makes the primary monitor at (0, 0).

source "$(dirname "${BASH_SOURCE[0]}")/free-display.sh"

monitors_xorg_pid=""
monitors_dir=""

# The screens of a layout, one per line: NAME SIZE PLACEMENT (as ServerLayout takes it).
monitors_layout() {
    case $1 in
        two)
            echo 's0 1024x768 0 0'
            echo 's1 800x600 RightOf "s0"'
            ;;
        three)
            echo 's0 1024x768 800 0'
            echo 's1 800x600 LeftOf "s0"'
            echo 's2 640x480 Below "s0"'
            ;;
        *)
            echo "monitors_start: unknown layout $1" >&2
            return 1
            ;;
    esac
}

monitors_config() {
    local layout=$1 name size placement sizes
    sizes=$(monitors_layout "$layout" | awk '{print $2}' | sort -u) || return 1
    cat <<EOF
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
    Option "Xinerama" "true"
EndSection
Section "Extensions"
    Option "RANDR" "Disable"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 32000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EOF
    for size in $sizes; do
        # gtf names its mode WxH_60.00; the screens ask for WxH.
        gtf "${size%x*}" "${size#*x}" 60 | awk -v n="\"$size\"" '/Modeline/ {$2 = n; print "   ", $0}'
    done
    echo 'EndSection'
    monitors_layout "$layout" | while read -r name size placement; do
        cat <<EOF
Section "Screen"
    Identifier "$name"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "$size"
        Virtual ${size%x*} ${size#*x}
    EndSubSection
EndSection
EOF
    done
    echo 'Section "ServerLayout"'
    echo '    Identifier "layout"'
    monitors_layout "$layout" | while read -r name size placement; do
        echo "    Screen \"$name\" $placement"
    done
    echo 'EndSection'
}

monitors_heads() {
    xdpyinfo -ext XINERAMA 2>/dev/null |
        sed -n 's/^ *head #[0-9]*: \([0-9]*\)x\([0-9]*\) @ \([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p'
}

monitors_start() {
    local layout=$1 n expected
    monitors_dir=$(mktemp -d /tmp/sinuet-monitors.XXXXXX)
    monitors_config "$layout" >"$monitors_dir/xorg.conf" || return 1
    expected=$(monitors_layout "$layout" | wc -l)
    n=$(free_display 150)
    Xorg ":$n" -config "$monitors_dir/xorg.conf" -noreset -nolisten tcp -ac \
        -logfile "$monitors_dir/xorg.log" >/dev/null 2>&1 &
    monitors_xorg_pid=$!
    export DISPLAY=":$n"
    # Ready once Xinerama reports every head; a generous limit for a loaded machine.
    for _ in $(seq 300); do
        if [ "$(monitors_heads | wc -l)" = "$expected" ]; then
            return 0
        fi
        kill -0 "$monitors_xorg_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xorg with the layout $layout did not come up on :$n; its log:" >&2
    cat "$monitors_dir/xorg.log" >&2
    monitors_stop
    return 1
}

monitors_stop() {
    if [ -n "$monitors_xorg_pid" ]; then
        kill "$monitors_xorg_pid" 2>/dev/null || true
        wait "$monitors_xorg_pid" 2>/dev/null || true
        monitors_xorg_pid=""
    fi
    [ -n "$monitors_dir" ] && rm -rf "$monitors_dir"
    monitors_dir=""
}
