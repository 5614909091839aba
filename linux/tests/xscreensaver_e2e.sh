#!/usr/bin/env bash
# End to end with the real XScreenSaver daemon on Xvfb: the installed hack is started on
# --activate, shows Sinuet's bands, and ends by SIGTERM on --deactivate. The daemon will
# not start hacks as root, so everything runs as a throwaway user made and removed here.
#   xscreensaver_e2e.sh BUILD_DIR      (exit 77: skipped, with the reason)
# SINUET_SCREENSHOT=FILE keeps the screenshot taken while the hack runs.
set -uo pipefail
build=$(realpath "$1")
source "$(dirname "$0")/shell_test_helpers.sh"

[ "$(id -u)" = 0 ] || skip "needs root to create a throwaway user"
for tool in Xvfb xscreensaver xscreensaver-command useradd userdel runuser import; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

stage=$(mktemp -d /tmp/sinuet-e2e.XXXXXX)
chmod 755 "$stage"
user="sinuet-e2e-$$"
daemon=""
cleanup() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null
    pkill -KILL -u "$user" 2>/dev/null
    stop_xvfb
    userdel -r "$user" >/dev/null 2>&1
    rm -rf "$stage"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null || fail "cmake --install"
hack="$stage/usr/libexec/xscreensaver/sinuet"
[ -x "$hack" ] || fail "no installed hack at $hack"

useradd -m -d "$stage/home" "$user" || skip "useradd failed"
home="$stage/home"
log="$home/xscreensaver.log"

TEST_LOG="$log"
start_xvfb 110 1024x768 -ac

cat >"$home/.xscreensaver" <<CONF
mode:		one
selected:	0
lock:		False
splash:		False
fade:		False
unfade:		False
dpmsEnabled:	False
cycle:		0:00:00
timeout:	0:30:00
programs:	"Sinuet" $hack --root --count 12 \n\\
CONF
chown "$user" "$home/.xscreensaver"

as_user() {
    runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" PATH="$PATH" "$@"
}
# The pid of the newest hack the daemon's log says it started.
started_hack() {
    sed -n 's/.*forked ".*sinuet[^"]*" in pid \([0-9]*\) .*/\1/p' "$log" | tail -1
}
# True once the log names a hack started after the one given (none: any); sets hack_pid.
new_hack_since() {
    hack_pid=$(started_hack)
    [ -n "$hack_pid" ] && [ "$hack_pid" != "$1" ]
}

# The daemon can take long to come up on a loaded machine: wait for its log to say that
# it runs, then for it to answer.
as_user xscreensaver --no-splash --verbose --log "$log" &
daemon=$!
wait_for 120 "the daemon's log says it runs" grep -q "running in process" "$log"
wait_for 60 "the daemon answers" as_user xscreensaver-command --time
as_user xscreensaver-command --activate >/dev/null || fail "--activate"
wait_for 60 "the daemon's log names the hack it started" new_hack_since ""

# The innermost band keeps the full default colour #8000FF.
shot="$stage/shot.png"
wait_for 60 "Sinuet's bands on the screen" screen_shows "$shot" '#8000FF' 2000
[ -n "${SINUET_SCREENSHOT:-}" ] && cp "$shot" "$SINUET_SCREENSHOT"
echo "pixels of the innermost band's colour on screen: $SHOWN"

# --select ends the running hack with SIGTERM and starts it again; the log then says how
# the old one ended.
as_user xscreensaver-command --select 1 >/dev/null || fail "--select"
wait_for 60 "the daemon's log says how the hack ended" \
    grep -q "child pid $hack_pid (.*sinuet) exited" "$log"
grep -q "child pid $hack_pid (.*sinuet) exited normally with SIGTERM" "$log" ||
    fail "the daemon's log does not say the hack ended by SIGTERM"
wait_for 60 "the daemon's log names the hack it started again" new_hack_since "$hack_pid"

as_user xscreensaver-command --deactivate >/dev/null || fail "--deactivate"
wait_for 60 "the hack ends on --deactivate" gone "$hack_pid"
grep -q "killing pid $hack_pid " "$log" || fail "--deactivate did not stop the hack"
as_user xscreensaver-command --exit >/dev/null 2>&1
if grep -qi "sinuet) exited abnormally\|sinuet) crashed\|sinuet) dumped core" "$log"; then
    fail "the daemon saw the hack end abnormally"
fi
echo "ok: started on --activate, bands on screen, ended by SIGTERM on --select and --deactivate"
