#!/usr/bin/env bash
# End to end with the real XScreenSaver daemon on Xvfb: the installed hack is started on
# --activate, shows Sinuet's bands, and ends by SIGTERM on --deactivate. The daemon will
# not start hacks as root, so everything runs as a throwaway user made and removed here.
#   xscreensaver_e2e.sh BUILD_DIR      (exit 77: skipped, with the reason)
# SINUET_SCREENSHOT=FILE keeps the screenshot taken while the hack runs.
set -uo pipefail
build=$(realpath "$1")

skip() {
    echo "skipped: $*"
    exit 77
}
[ "$(id -u)" = 0 ] || skip "needs root to create a throwaway user"
for tool in Xvfb xscreensaver xscreensaver-command useradd userdel runuser import; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

stage=$(mktemp -d /tmp/sinuet-e2e.XXXXXX)
chmod 755 "$stage"
user="sinuet-e2e-$$"
xvfb=""
daemon=""
cleanup() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null
    pkill -KILL -u "$user" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    userdel -r "$user" >/dev/null 2>&1
    rm -rf "$stage"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    echo "--- daemon log:"
    cat "$stage/home/xscreensaver.log" 2>/dev/null
    exit 1
}

cmake --install "$build" --prefix "$stage/usr" >/dev/null || fail "cmake --install"
hack="$stage/usr/libexec/xscreensaver/sinuet"
[ -x "$hack" ] || fail "no installed hack at $hack"

useradd -m -d "$stage/home" "$user" || skip "useradd failed"
home="$stage/home"
log="$home/xscreensaver.log"

n=110
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done
export DISPLAY=":$n"

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
# The pid of the hack the daemon runs, once it runs (empty after 5 s without one).
wait_for_hack() {
    local pid=""
    for _ in $(seq 50); do
        pid=$(pgrep -u "$user" -f "^$hack" | head -1)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    echo "$pid"
}

as_user xscreensaver --no-splash --verbose --log "$log" &
daemon=$!
for _ in $(seq 50); do
    as_user xscreensaver-command --time >/dev/null 2>&1 && break
    sleep 0.2
done
as_user xscreensaver-command --activate >/dev/null || fail "--activate"

hack_pid=$(wait_for_hack)
[ -n "$hack_pid" ] || fail "the daemon did not start the hack"
# The innermost band keeps the full default colour #8000FF.
shot="$stage/shot.png"
for _ in $(seq 10); do
    sleep 1
    import -window root "$shot" 2>/dev/null || fail "no screenshot"
    band=$(convert "$shot" -depth 8 txt:- | grep -ci '#8000FF')
    [ "$band" -gt 2000 ] && break
done
[ -n "${SINUET_SCREENSHOT:-}" ] && cp "$shot" "$SINUET_SCREENSHOT"
echo "pixels of the innermost band's colour on screen: $band"
[ "$band" -gt 2000 ] || fail "Sinuet's bands are not on the screen"

# --select ends the running hack with SIGTERM and starts it again; the log then says how
# the old one ended.
as_user xscreensaver-command --select 1 >/dev/null || fail "--select"
for _ in $(seq 100); do
    grep -q "child pid $hack_pid (.*sinuet) exited" "$log" && break
    sleep 0.1
done
grep -q "child pid $hack_pid (.*sinuet) exited normally with SIGTERM" "$log" ||
    fail "the daemon's log does not say the hack ended by SIGTERM"
hack_pid=$(wait_for_hack)
[ -n "$hack_pid" ] || fail "no hack runs after --select"

as_user xscreensaver-command --deactivate >/dev/null || fail "--deactivate"
for _ in $(seq 50); do
    kill -0 "$hack_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$hack_pid" 2>/dev/null && fail "the hack still runs after --deactivate"
grep -q "killing pid $hack_pid " "$log" || fail "--deactivate did not stop the hack"
as_user xscreensaver-command --exit >/dev/null 2>&1
if grep -qi "sinuet) exited abnormally\|sinuet) crashed\|sinuet) dumped core" "$log"; then
    fail "the daemon saw the hack end abnormally"
fi
echo "ok: started on --activate, bands on screen, ended by SIGTERM on --select and --deactivate"
