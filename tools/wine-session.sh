# Sourced by the run and test scripts: one Xvfb display and, per Wine prefix, one
# persistent wineserver, with the prefix inside the build tree, shared by everything the
# script runs.
#   wine_session_start BUILD_DIR [win64]
#                        exports DISPLAY, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and
#                        WINEARCH (win32, or win64 for the x86_64 build's prefix);
#                        starts Xvfb unless this session's display already runs, so a 64-bit
#                        prefix can join the display of a 32-bit one (each keeps its server),
#                        or SINUET_DISPLAY names a display that runs already (an Xorg server
#                        with several monitors, say), which it joins and never stops
#   wine_session_stop_wine  stops every wineserver this session started; the display stays
#   wine_session_stop    stops every wineserver and the Xvfb this session started
# SINUET_SCREEN (default 1024x768) sets the virtual screen's size.

source "$(dirname "${BASH_SOURCE[0]}")/free-display.sh"

wine_session_xvfb_pid=""
wine_session_prefixes=()

wine_session_start_xvfb() {
    local n
    n=$(free_display 90)
    # -noreset: programs that connect one after another would otherwise find the server
    # resetting, and refusing connections, whenever the last one has left.
    Xvfb ":$n" -screen 0 "${SINUET_SCREEN:-1024x768}x24" -nolisten tcp -ac -noreset >/dev/null 2>&1 &
    wine_session_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

wine_session_start() {
    local build_dir=$1
    mkdir -p "$build_dir"
    export WINEPREFIX
    WINEPREFIX="$(cd "$build_dir" && pwd)/wineprefix"
    # The 32-bit build runs in a 32-bit prefix, as on 32-bit Windows (with wine64 installed
    # Wine would otherwise make a WoW64 one); the x86_64 build in a 64-bit one. A prefix of
    # the other kind, left in the build tree by an older session, is made anew: all in it
    # belongs to the tests.
    export WINEARCH=${2:-win32}
    # Debian's wine wrapper starts the 32-bit loader first, which some machines cannot run.
    wine_session_loader=wine
    if [ "$WINEARCH" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
        wine_session_loader=/usr/lib/wine/wine64
    fi
    if [ -f "$WINEPREFIX/system.reg" ] && ! grep -qx "#arch=$WINEARCH" "$WINEPREFIX/system.reg"; then
        rm -rf "$WINEPREFIX"
    fi
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -n "${SINUET_DISPLAY:-}" ]; then
        export DISPLAY=$SINUET_DISPLAY
    elif [ -z "$wine_session_xvfb_pid" ] || ! kill -0 "$wine_session_xvfb_pid" 2>/dev/null; then
        wine_session_start_xvfb || return 1
    fi
    mkdir -p "$WINEPREFIX"
    wineserver -p
    wine_session_prefixes+=("$WINEPREFIX")
    # Creates the prefix on first use (15-20 s); later runs find it ready.
    "$wine_session_loader" wineboot --init >/dev/null 2>&1 || true
    # Keeps Wine's desktop up between test programs, so that each does not wait ~10 s
    # for it to start again; stopping the wineserver ends it.
    if [ -x "$build_dir/bin/desktop_holder.exe" ]; then
        "$wine_session_loader" "$build_dir/bin/desktop_holder.exe" >/dev/null 2>&1 &
    fi
}

wine_session_stop_wine() {
    local prefix
    for prefix in "${wine_session_prefixes[@]}"; do
        WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    done
    wine_session_prefixes=()
}

wine_session_stop() {
    wine_session_stop_wine
    if [ -n "$wine_session_xvfb_pid" ]; then
        kill "$wine_session_xvfb_pid" 2>/dev/null || true
        wait "$wine_session_xvfb_pid" 2>/dev/null || true
        wine_session_xvfb_pid=""
    fi
}
