#!/usr/bin/env bash
# End to end with MATE's screen saver on Xvfb: the built Debian package is installed into
# the system (the daemon runs only hacks that lie in /usr/libexec/xscreensaver), Sinuet's
# theme entry is chosen through gsettings, --activate starts the hack with the bands on
# the screen, and --deactivate ends it by the daemon's SIGTERM, which strace, attached to
# the hack, sees it die of. The package is removed afterwards. Root only.
#   mate_screensaver_e2e.sh BUILD_DIR      (exit 77: skipped, with the reason)
set -uo pipefail
source "$(dirname "$0")/shell_test_helpers.sh"

# True once the daemon owns its name on the session bus.
daemon_on_bus() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.mate.ScreenSaver | grep -q true
}

# Inside the D-Bus session (see the end): the daemon's part of the test.
run_in_session() {
    TEST_LOG="$stage/daemon.log"
    gsettings set org.mate.screensaver mode single &&
        gsettings set org.mate.screensaver themes "['screensavers-sinuet']" &&
        gsettings set org.mate.screensaver lock-enabled false &&
        gsettings set org.mate.screensaver idle-activation-enabled false ||
        fail "gsettings could not choose the theme"
    mate-screensaver --no-daemon --debug >"$TEST_LOG" 2>&1 &
    local daemon=$!
    wait_for 120 "the daemon on the session bus" daemon_on_bus
    mate-screensaver-command --activate >/dev/null || fail "--activate"
    wait_for 60 "the daemon takes Sinuet's command from the theme entry" \
        grep -q "Setting command for job: '$hack --root'" "$TEST_LOG"
    wait_for 60 "the daemon starts the hack" pgrep -P "$daemon" -f "^$hack --root"
    local pid
    pid=$(pgrep -P "$daemon" -f "^$hack --root")
    strace -p "$pid" -e trace=none -e signal=SIGTERM -o "$stage/strace" 2>/dev/null &
    local tracer=$!
    wait_for 30 "strace attached to the hack" \
        grep -Eq "^TracerPid:[[:space:]]*$tracer\$" "/proc/$pid/status"

    # The innermost band keeps the full default colour #8000FF.
    wait_for 60 "Sinuet's bands on the screen" screen_shows "$stage/shot.png" '#8000FF' 2000
    echo "pixels of the innermost band's colour on screen: $SHOWN"

    mate-screensaver-command --deactivate >/dev/null || fail "--deactivate"
    wait_for 60 "the hack ends on --deactivate" gone "$tracer"
    echo "--- strace of the hack:"
    cat "$stage/strace"
    grep -q "^--- SIGTERM {si_signo=SIGTERM, si_code=SI_USER, si_pid=$daemon," "$stage/strace" ||
        fail "the daemon did not send the hack SIGTERM"
    [ "$(tail -1 "$stage/strace")" = "+++ killed by SIGTERM +++" ] ||
        fail "the hack did not end by SIGTERM"
    mate-screensaver-command --exit >/dev/null 2>&1
    wait_for 60 "the daemon ends on --exit" gone "$daemon"
    echo "ok: the theme chosen by gsettings, bands on screen, the hack ended by SIGTERM"
}
if [ "${1:-}" = --in-session ]; then
    run_in_session
    exit 0
fi

build=$(realpath "$1")
[ "$(id -u)" = 0 ] || skip "needs root to install the package into the system"
for tool in Xvfb mate-screensaver mate-screensaver-command dbus-run-session gsettings gdbus \
    strace import cpack apt-get; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
export hack=/usr/libexec/xscreensaver/sinuet
entry=/usr/share/applications/screensavers/sinuet.desktop
if dpkg-query -W sinuet >/dev/null 2>&1 || [ -e "$hack" ] || [ -e "$entry" ]; then
    skip "Sinuet is installed in /usr already; the test would replace and remove it"
fi

stage=$(mktemp -d /tmp/sinuet-mate-e2e.XXXXXX)
export stage
installed=""
cleanup() {
    stop_xvfb
    if [ -n "$installed" ]; then
        apt-get purge -y -qq -o DPkg::Lock::Timeout=300 sinuet >/dev/null 2>&1 ||
            echo "FAILED to remove the sinuet package" >&2
    fi
    rm -rf "$stage"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$stage/package" >"$stage/cpack.log" 2>&1 ||
    { TEST_LOG="$stage/cpack.log" fail "cpack"; }
package=$(ls "$stage"/package/sinuet_*.deb)
installed=1
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$package" \
    >"$stage/apt.log" 2>&1 || { TEST_LOG="$stage/apt.log" fail "installing $package"; }
[ -x "$hack" ] && [ -f "$entry" ] || fail "the package did not install $hack and $entry"

start_xvfb 130 1024x768
# A session of its own: a fresh home, settings in a key file there (dconf's service does
# not keep them here), the desktop MATE's theme entries are shown in, no accessibility bus.
mkdir "$stage/home"
HOME="$stage/home" GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=MATE NO_AT_BRIDGE=1 \
    dbus-run-session -- "$0" --in-session
status=$?
stop_xvfb
# Removed with the package: the hack and its entry.
apt-get purge -y -qq -o DPkg::Lock::Timeout=300 sinuet >/dev/null 2>&1 || fail "apt-get purge"
installed=""
[ ! -e "$hack" ] && [ ! -e "$entry" ] || fail "the hack or its entry outlived the package"
exit "$status"
