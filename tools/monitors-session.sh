# Sourced by test scripts: an X server with several monitors, for the saver and the hack
# on more than one screen. Xvfb cannot place its screens side by side, so this runs Xorg
# with the dummy video driver, in one of two ways:
#   xinerama  one screen per monitor joined by Xinerama, RandR off: the way 32-bit Wine
#             takes the monitors (64-bit Wine 8 sees a single monitor there)
#   randr     one screen (at most 2048x1536) whose RandR outputs DUMMY0.. xrandr arranges,
#             no Xinerama: the way 64-bit Wine takes them, and the only one whose monitors
#             can change while programs run
# Needs root, xserver-xorg-core, xserver-xorg-video-dummy and, for randr, xrandr
# (x11-xserver-utils).
#   monitors_start LAYOUT [WAY]  starts a server and exports DISPLAY; WAY is xinerama
#                           (the default) or randr; LAYOUT is one of
#                           two    1024x768 primary, 800x600 right of it
#                           three  1024x768 primary, 800x600 left of it, 640x480 below it
#   monitors_heads          prints the heads as Xinerama reports them: "W H X Y" per line
#                           (on the randr way RandR answers for Xinerama)
#   monitors_change CHANGE  changes the layout two of the randr way while programs run:
#                           off   DUMMY1 (the 800x600) switched off: the root shrinks
#                                 to 1024x768
#                           on    the layout two again
#                           move  DUMMY1 moved down by 168 at the same root size
#                           swap  the two change places at the same root size: DUMMY1 at
#                                 (0, 0), the primary DUMMY0 right of it at (800, 0)
#                           and returns once the server reports the new heads
#   monitors_stop           stops every server this session started
# The first screen (on the randr way, the primary output) is the monitor Wine makes its
# primary at (0, 0).

source "$(dirname "${BASH_SOURCE[0]}")/free-display.sh"

monitors_xorg_pid="" # the server started last
monitors_dir=""
monitors_xorg_pids=() # every server this session started, and their folders
monitors_dirs=()

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

# The outputs of a layout on the randr way, one per line: OUTPUT SIZE X Y, the primary first.
monitors_outputs() {
    case $1 in
        two)
            echo 'DUMMY0 1024x768 0 0'
            echo 'DUMMY1 800x600 1024 0'
            ;;
        three)
            echo 'DUMMY0 1024x768 800 0'
            echo 'DUMMY1 800x600 0 0'
            echo 'DUMMY2 640x480 800 768'
            ;;
        *)
            echo "monitors_start: unknown layout $1" >&2
            return 1
            ;;
    esac
}

# gtf's timings of a size, as xrandr --newmode takes them: "WxH CLOCK H... V... FLAGS".
monitors_mode() {
    gtf "${1%x*}" "${1#*x}" 60 | awk -v n="$1" '/Modeline/ {$1 = ""; $2 = n; print}'
}

monitors_config_randr() {
    cat <<EOF
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 64000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EOF
    gtf 1024 768 60 | awk '/Modeline/ {$2 = "\"1024x768\""; print "   ", $0}'
    cat <<EOF
EndSection
Section "Screen"
    Identifier "s0"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1024x768"
        Virtual 2048 1536
    EndSubSection
EndSection
EOF
}

# Gives every output of the layout its mode and place, the first one primary, on a root
# as large as their bounding box.
monitors_arrange() {
    local output size x y width=0 height=0 args=() primary=""
    while read -r output size x y; do
        # shellcheck disable=SC2046
        xrandr --newmode $(monitors_mode "$size") 2>/dev/null # "already exists" later on
        xrandr --addmode "$output" "$size" || return 1
        args+=(--output "$output" --mode "$size" --pos "${x}x$y")
        [ -n "$primary" ] || primary=$output
        width=$((x + ${size%x*} > width ? x + ${size%x*} : width))
        height=$((y + ${size#*x} > height ? y + ${size#*x} : height))
    done < <(monitors_outputs "$1")
    xrandr --fb "${width}x$height" "${args[@]}" --output "$primary" --primary
}

# Waits until the server reports exactly the heads given ("W H X Y" each, in any order).
monitors_await_heads() {
    local expected
    expected=$(printf '%s\n' "$@" | sort)
    for _ in $(seq 300); do
        [ "$(monitors_heads | sort)" = "$expected" ] && return 0
        sleep 0.1
    done
    echo "monitors: the server reports [$(monitors_heads | paste -sd ';')], not [$(printf '%s;' "$@")]" >&2
    return 1
}

monitors_change() {
    case $1 in
        off) xrandr --output DUMMY1 --off && monitors_await_heads '1024 768 0 0' ;;
        on) monitors_arrange two && monitors_await_heads '1024 768 0 0' '800 600 1024 0' ;;
        move)
            xrandr --fb 1824x768 --output DUMMY0 --pos 0x0 --output DUMMY1 --pos 1024x168 &&
                monitors_await_heads '1024 768 0 0' '800 600 1024 168'
            ;;
        swap)
            xrandr --fb 1824x768 --output DUMMY0 --pos 800x0 --output DUMMY1 --pos 0x0 &&
                monitors_await_heads '1024 768 800 0' '800 600 0 0'
            ;;
        *)
            echo "monitors_change: unknown change $1" >&2
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
    local layout=$1 way=${2:-xinerama} n expected heads
    monitors_dir=$(mktemp -d /tmp/sinuet-monitors.XXXXXX)
    monitors_dirs+=("$monitors_dir")
    if [ "$way" = randr ]; then
        monitors_outputs "$layout" >/dev/null || return 1
        monitors_config_randr >"$monitors_dir/xorg.conf"
        expected=1 # the one output the driver starts with
    else
        monitors_config "$layout" >"$monitors_dir/xorg.conf" || return 1
        expected=$(monitors_layout "$layout" | wc -l)
    fi
    n=$(free_display 150)
    Xorg ":$n" -config "$monitors_dir/xorg.conf" -noreset -nolisten tcp -ac \
        -logfile "$monitors_dir/xorg.log" >/dev/null 2>&1 &
    monitors_xorg_pid=$!
    monitors_xorg_pids+=("$monitors_xorg_pid")
    export DISPLAY=":$n"
    # Ready once Xinerama reports every head; a generous limit for a loaded machine.
    for _ in $(seq 300); do
        if [ "$(monitors_heads | wc -l)" = "$expected" ]; then
            [ "$way" = randr ] || return 0
            monitors_arrange "$layout" || break
            # A full query makes the server probe its outputs: a Wine prefix made without
            # it was seen to keep seeing one 1024x768 monitor.
            xrandr >/dev/null
            mapfile -t heads < <(monitors_outputs "$layout" |
                awk '{split($2, s, "x"); print s[1], s[2], $3, $4}')
            monitors_await_heads "${heads[@]}" && return 0
            break
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
    local pid
    for pid in "${monitors_xorg_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [ ${#monitors_dirs[@]} = 0 ] || rm -rf "${monitors_dirs[@]}"
    monitors_xorg_pid="" monitors_dir="" monitors_xorg_pids=() monitors_dirs=()
}
