#!/usr/bin/env bash
# The arm64 hack, run under qemu-user with Debian's arm64 libraries, draws on an Xvfb
# display what the x86-64 hack draws for the same seed: the frog and the bands at the same
# places in the same colours (compare_pictures.py says what is compared), and ends by
# SIGTERM as the x86-64 one does.
#   arm64_hack_under_qemu.sh EMULATOR ARM64_HACK AMD64_HACK FROG_BMP   (exit 77: skipped)
set -uo pipefail
here=$(dirname "$0")
source "$here/shell_test_helpers.sh"
emulator=$1
arm64=$2
amd64=$3
frog=$4
for tool in Xvfb qemu-aarch64 xwininfo import convert python3; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -e /lib/ld-linux-aarch64.so.1 ] || skip "no arm64 C library (libc6:arm64) to run it with"

stage=$(mktemp -d /tmp/sinuet-arm64.XXXXXX)
trap 'stop_xvfb; rm -rf "$stage"' EXIT
# -noreset: the x86-64 hack, the arm64 one and the xwininfo checks connect one after
# another, and a server that resets when its last client leaves refuses them meanwhile.
start_xvfb 170 1024x768 -noreset

# True while a window named Sinuet exists; its id is left in window.
own_window() {
    window=$(xwininfo -name Sinuet 2>/dev/null | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$window" ]
}

# run_hack NAME COMMAND...: the hack in its own window until the innermost band shows,
# the window saved as NAME.ppm; then SIGTERM must end it by the signal.
run_hack() {
    local name=$1
    shift
    TEST_LOG="$stage/$name.stderr"
    "$@" --seed 7 --count 10 --loops 1 2>"$TEST_LOG" &
    local pid=$!
    wait_for 120 "the $name hack's window" own_window
    wait_for 120 "the $name hack's bands" screen_shows "$stage/$name.png" '#8000FF' 3000 "$window"
    convert "$stage/$name.png" "$stage/$name.ppm" || fail "convert"
    kill -TERM "$pid"
    wait "$pid"
    local status=$?
    [ "$status" = $((128 + 15)) ] || fail "the $name hack ended with status $status, not by SIGTERM"
    [ -s "$TEST_LOG" ] && fail "the $name hack wrote to its standard error"
    wait_for 30 "the $name hack's window is gone" eval '! own_window'
    echo "$name: ended by SIGTERM"
}

run_hack amd64 "$amd64"
run_hack arm64 "$emulator" "$arm64"
convert "$frog" "$stage/frog.ppm" || fail "convert $frog"
python3 "$here/compare_pictures.py" "$stage/amd64.ppm" "$stage/arm64.ppm" "$stage/frog.ppm" ||
    fail "the arm64 hack's picture differs from the x86-64 one's"
echo "ok: the same frog and bands, both ended by SIGTERM"
