# Sourced by the run and test scripts: one Xvfb display and one persistent wineserver,
# with a Wine prefix inside the build tree, shared by everything the script runs.
#   wine_session_start BUILD_DIR   exports DISPLAY, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES
#   wine_session_stop              stops the wineserver and the Xvfb this session started
# SINUET_SCREEN (default 1024x768) sets the virtual screen's size.

wine_session_xvfb_pid=""

wine_session_free_display() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    echo "$n"
}

wine_session_start_xvfb() {
    local n
    n=$(wine_session_free_display)
    Xvfb ":$n" -screen 0 "${SINUET_SCREEN:-1024x768}x24" -nolisten tcp -ac >/dev/null 2>&1 &
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
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine_session_start_xvfb
    mkdir -p "$WINEPREFIX"
    wineserver -p
    # Creates the prefix on first use (15-20 s); later runs find it ready.
    wine wineboot --init >/dev/null 2>&1 || true
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$wine_session_xvfb_pid" ]; then
        kill "$wine_session_xvfb_pid" 2>/dev/null || true
        wait "$wine_session_xvfb_pid" 2>/dev/null || true
        wine_session_xvfb_pid=""
    fi
}
