# Shared by the hack's shell tests (source it): the verdicts, waiting for an event with a
# generous limit, an Xvfb of the test's own and counting a colour on the screen.
# A test sets TEST_LOG to the file `fail` prints (a daemon's log, say).

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/free-display.sh"

# Exit status 77: ctest counts the test as skipped.
skip() {
    echo "skipped: $*"
    exit 77
}

fail() {
    echo "FAILED: $*"
    if [ -n "${TEST_LOG:-}" ]; then
        echo "--- $TEST_LOG:"
        cat "$TEST_LOG" 2>/dev/null
    fi
    exit 1
}

# wait_for SECONDS WHAT COMMAND [ARGS...]: runs the command every 0.2 s until it succeeds;
# fails naming WHAT once SECONDS have passed without. Call it from the test's own shell, not
# from a $(...), so that the failure ends the test.
wait_for() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$what: not within $limit s"
        sleep 0.2
    done
}

# True when the process has ended (a child of ours not yet waited for counts as ended).
gone() {
    ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1")" = Z ]
}

# start_xvfb FIRST WIDTHxHEIGHT [XVFB OPTIONS...]: an Xvfb on the first free display number
# from FIRST on; exports DISPLAY, sets XVFB_PID. A server that loses its display number to
# another one starting at the same moment exits, and the next number is tried.
start_xvfb() {
    local n=$1 size=$2
    shift 2
    for _ in $(seq 20); do
        n=$(free_display "$n")
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp "$@" >/dev/null 2>&1 &
        XVFB_PID=$!
        local deadline=$((SECONDS + 60))
        while kill -0 "$XVFB_PID" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
            # Ours once its socket is there and the lock file holds its process id.
            if [ -e "/tmp/.X11-unix/X$n" ] &&
                [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        n=$((n + 1))
    done
    fail "no Xvfb could be started"
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    fi
}

# screen_shows FILE COLOUR MINIMUM [WINDOW]: a screenshot of the window (default: the
# root) into FILE (.png); true when at least MINIMUM of its pixels have the colour
# (#RRGGBB). The count is left in SHOWN.
screen_shows() {
    SHOWN=0
    import -window "${4:-root}" "$1" 2>/dev/null || return 1
    SHOWN=$(convert "$1" -depth 8 txt:- | grep -ci "$2")
    [ "$SHOWN" -ge "$3" ]
}
