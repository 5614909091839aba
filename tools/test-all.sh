#!/usr/bin/env bash
# Runs every test: the native unit suite, the same under ASan and UBSan, the Linux hack on
# Xvfb and under XScreenSaver and MATE's screen saver, short fuzz runs, the web page in
# Chromium, the core's unit suite and trace checks cross-built for aarch64 Linux and run
# under qemu-user, then the Windows build's unit suite and the Win32 test programs under
# Wine on a virtual display, the same for the x86_64 build under 64-bit Wine (without the
# cases that need the Windows 95/98/Me family, which has no 64-bit version), the 32-bit
# saver on X servers with two and three monitors, then the README's pictures, the release
# packages (Windows ZIPs, setup program, the Linux hack's amd64 and arm64 .debs) with their
# checks, and the setup program's install and uninstall under 32- and 64-bit Wine.
# On a machine that runs no 32-bit programs (tools/machine.sh; SINUET_NO_32BIT=1 forces
# it) the parts that would run 32-bit code are skipped, each with a line that says so; the
# run ends with a summary of what ran and what was skipped.
# SINUET_BUILD_ROOT (default: build) chooses where the builds live.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${SINUET_BUILD_ROOT:-$root/build}

bash tools/setup-debian.sh
source tools/machine.sh
mkdir -p "$build"
# The section headers ("== ...") that this run printed, and what it skipped, for the summary.
exec > >(tee "$build/test-all.log")
export SINUET_SKIP_LOG="$build/test-all-skipped.txt"
: >"$SINUET_SKIP_LOG"
no32="this machine runs no 32-bit programs"
[ "${SINUET_NO_32BIT:-0}" = 1 ] && no32="SINUET_NO_32BIT=1"

echo "== native build and unit tests"
cmake --preset native -B "$build/native" >/dev/null
cmake --build "$build/native"
ctest --test-dir "$build/native" --output-on-failure -j 2 --no-tests=error -LE 'x11|e2e'

echo "== set-up's check of the apt indexes"
bash tools/tests/apt_indexes_test.sh

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-sanitize -B "$build/native-sanitize" >/dev/null
cmake --build "$build/native-sanitize"
ctest --test-dir "$build/native-sanitize" --output-on-failure -j 2 --no-tests=error -LE 'x11|e2e'

# ---- Linux hack (linux/): the sinuet XScreenSaver hack on X servers of its own ----
# Each X11 test starts its own Xvfb; the three-monitor cases of both builds share one Xorg
# server, and the cases that change the monitors with xrandr one RandR server with two (they
# need root; elsewhere they skip). The end-to-end tests run the real XScreenSaver daemon on
# the installed hack as a throwaway user, and MATE's screen saver on the .deb installed into
# the system and removed afterwards (both need root and skip otherwise).
echo "== Linux hack on Xvfb, on three monitors and on two that change, and the sanitizer build of it"
(
    if [ "$(id -u)" = 0 ]; then
        source tools/monitors-session.sh
        trap monitors_stop EXIT
        monitors_start two randr
        export SINUET_MONITORS_RANDR_DISPLAY=$DISPLAY
        monitors_start three
        export SINUET_MONITORS_DISPLAY=$DISPLAY
    fi
    ctest --test-dir "$build/native" --output-on-failure --no-tests=error -L x11
    ctest --test-dir "$build/native-sanitize" --output-on-failure --no-tests=error -L x11
)
echo "== Linux hack end to end under XScreenSaver and MATE's screen saver"
ctest --test-dir "$build/native" --output-on-failure --no-tests=error -L e2e
# ---- end of the Linux hack section ----

echo "== short fuzz runs (SINUET_FUZZ_SECONDS per target)"
SINUET_BUILD_ROOT="$build" bash tools/fuzz.sh

# Benchmarks are not timed tests: one short row, only to see that the suite runs.
if [ -x "$build/native/bench/sinuet-bench" ]; then
    echo "== benchmark smoke run"
    "$build/native/bench/sinuet-bench" --benchmark_filter='640x480/count:10/loops:10/flat'
fi

# ---- Web edition (web/): the core as WebAssembly and the page, in Debian's Chromium ----
# The tick schedule's unit test, then the browser tests: the WebAssembly core's drawing
# calls against this run's native sinuet-trace, the picture, the panel and query, full
# screen. npm ci installs playwright-core from the lock file first.
echo "== web page: WebAssembly build, schedule unit test, browser tests in Chromium"
cmake --preset web -B "$build/web-build" -DSINUET_WEB_DIR="$build/web" \
    -DSINUET_NATIVE_TRACE="$build/native/tools/trace/sinuet-trace" >/dev/null
cmake --build "$build/web-build"
ctest --test-dir "$build/web-build" --output-on-failure --no-tests=error
# ---- end of the web edition ----------------------------------------------------------------

# ---- aarch64 Linux under qemu-user -------------------------------------------------------
# The platform-free core must build for any CPU with the same doubles: its unit suite passes
# there and the golden traces and digests are byte-identical to the x86 ones. Only the
# core, its unit tests (the Linux hack's platform-free parts among them) and sinuet-trace
# are built here; the release packages below cross-build the arm64 hack and run it.
echo "== aarch64 cross build of the core, its unit tests and sinuet-trace, run under qemu"
cmake --preset aarch64 -B "$build/aarch64" >/dev/null
cmake --build "$build/aarch64" --target animation_core_test framework_rules_test \
    settings_bytes_test long_run_test hack_core_test sinuet-trace
ctest --test-dir "$build/aarch64" --output-on-failure -j 2 --no-tests=error
# ---- end of aarch64 ------------------------------------------------------------------------

# Cross-compiling runs no 32-bit code: the i686 build is made on every machine.
echo "== windows build"
cmake --preset windows -B "$build/windows" >/dev/null
cmake --build "$build/windows"

# ---- x86_64: the same saver and Win32 test programs, built natively for 64-bit Windows.
echo "== windows64 build"
cmake --preset windows64 -B "$build/windows64" >/dev/null
cmake --build "$build/windows64"

# The Quick start's run-saver.sh the way a machine without 32-bit programs takes it, on a
# virtual display: it must find the saver's window, the bands and the frog.
echo "== run-saver.sh without a display, forced onto the 64-bit saver"
env -u DISPLAY SINUET_NO_32BIT=1 SINUET_SKIP_SETUP=1 SINUET_BUILD_ROOT="$build" \
    bash tools/run-saver.sh

echo "== tests under Wine"
# A program that fails is run once more: window timing under Wine on a bare X server can
# still vary, and a real fault fails both times. Every failure is printed either way.
source tools/wine-session.sh
trap wine_session_stop EXIT
if machine_runs_32bit; then
    wine_session_start "$build/windows"
    ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -LE "screen1920|monitors"
else
    machine_skip "the i686 build's suites under 32-bit Wine (the Windows 95/98/Me family among them)" "$no32"
fi

# ---- x86_64: the 64-bit suites under 64-bit Wine, on the same display with a wineserver
# and prefix of their own. The 32-bit server ends first, so that its desktop cannot take
# the focus from the 64-bit saver's windows.
echo "== 64-bit tests under 64-bit Wine"
wine_session_stop_wine
wine_session_start "$build/windows64" win64
ctest --test-dir "$build/windows64" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -LE "screen1920|win9x|monitors"

# The long run wants a 1920x1080 screen; the other suites are written for the default one.
echo "== long run under Wine on a 1920x1080 screen"
wine_session_stop
if machine_runs_32bit; then
    SINUET_SCREEN=1920x1080 wine_session_start "$build/windows"
    ctest --test-dir "$build/windows" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -L screen1920
else
    machine_skip "the i686 saver's long run under 32-bit Wine" "$no32"
fi

# ---- x86_64: the long run of the 64-bit saver on the same 1920x1080 display.
echo "== 64-bit long run under 64-bit Wine on a 1920x1080 screen"
wine_session_stop_wine
SINUET_SCREEN=1920x1080 wine_session_start "$build/windows64" win64
ctest --test-dir "$build/windows64" --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -L screen1920

# ---- several monitors: the saver on an Xorg server per layout -----------------------------
# Xvfb cannot place screens side by side. The 32-bit saver runs under 32-bit Wine on a
# Xinerama server (where 64-bit Wine 8 sees a single monitor), the 64-bit saver under 64-bit
# Wine on a RandR one: on two monitors the pictures (on RandR also real changes of the
# monitors with xrandr), on three the pictures and the GDI run of a minute. Wine keeps the
# monitors it found for as long as its wineserver runs, so each server gets a wineserver of
# its own.
wine_session_stop
source tools/monitors-session.sh
source tools/machine.sh
trap 'wine_session_stop; monitors_stop' EXIT
if machine_runs_32bit; then
    echo "== several monitors under 32-bit Wine"
    for layout in two three; do
        monitors_start "$layout"
        SINUET_DISPLAY=$DISPLAY wine_session_start "$build/windows"
        long=(-E 'monitors_test\.changes')
        [ "$layout" = three ] || long=(-E 'monitors_test\.(gdi|changes)')
        SINUET_MONITORS=$layout ctest --test-dir "$build/windows" --output-on-failure -j 1 \
            --no-tests=error --repeat until-pass:2 -L monitors "${long[@]}"
        wine_session_stop_wine
        monitors_stop
    done
else
    machine_skip "the i686 saver on several monitors under 32-bit Wine" "$no32"
fi
echo "== several monitors under 64-bit Wine"
for layout in two three; do
    monitors_start "$layout" randr
    SINUET_DISPLAY=$DISPLAY wine_session_start "$build/windows64" win64
    long=(-E 'monitors_test\.changes')
    [ "$layout" = three ] || long=(-E 'monitors_test\.gdi')
    SINUET_MONITORS=$layout SINUET_MONITORS_WAY=randr ctest --test-dir "$build/windows64" \
        --output-on-failure -j 1 --no-tests=error --repeat until-pass:2 -L monitors "${long[@]}"
    wine_session_stop_wine
    monitors_stop
done

# ---- README pictures and release packages ------------------------------------------------
# The picture command, into a scratch folder. Each animation is 125 frames of 40 ms; a
# frame the same as the one before is merged into it, so an animation that really moves
# keeps nearly all of its frames.
echo "== README pictures (tools/make-pictures.sh into a scratch folder)"
pictures="$build/pictures-check"
SINUET_BUILD_ROOT="$build" bash tools/make-pictures.sh "$pictures"
for gif in saver-default saver-tilted; do
    file="$pictures/$gif.gif"
    frames=$(ffprobe -v error -count_frames -select_streams v:0 \
        -show_entries stream=nb_read_frames -of csv=p=0 "$file")
    seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$file")
    bytes=$(stat -c %s "$file")
    echo "$gif.gif: $frames frames that differ from the one before, $seconds s, $bytes bytes"
    awk -v f="$frames" -v s="$seconds" -v b="$bytes" \
        'BEGIN { exit !(f >= 100 && f <= 125 && s >= 4.8 && b <= 4 * 1024 * 1024) }' ||
        { echo "$gif.gif: expected 100..125 frames, about 5 s and at most 4 MB" >&2; exit 1; }
done
pngs=(preview:152x112 dialog:382x460)
# Without 32-bit Wine make-pictures.sh leaves the two-monitor picture out, and says so.
machine_runs_32bit && pngs+=(saver-monitors:1824x768)
for png in "${pngs[@]}"; do
    size=$(identify -format %wx%h "$pictures/${png%%:*}.png")
    [ "$size" = "${png#*:}" ] || { echo "${png%%:*}.png is $size, not ${png#*:}" >&2; exit 1; }
done

# The release workflow's steps (with the build root of this run): the Release builds, the
# ZIPs, the setup program and the .debs with their checksums, and ctest's check of each
# package, with the arm64 hack under qemu drawing what the amd64 one draws.
echo "== release packages and setup program"
cmake --preset release -B "$build/release" >/dev/null
cmake --build "$build/release"
ctest --test-dir "$build/release" --output-on-failure --no-tests=error

# The setup program's silent round trips under 32- and 64-bit Wine, in prefixes of their own
# in the release tree; the i686 build brings the helper that runs the installed saver.
wine_session_stop
bash tests/wine/setup/run_setup_tests.sh "$build/release" "$build/windows"

# The summary: every section header of this run, less those whose next line says the
# whole section was skipped, then the skips. tee has written all the run's lines once the
# summary's own header is in the log.
echo "== summary"
for _ in $(seq 100); do
    grep -qx '== summary' "$build/test-all.log" && break
    sleep 0.1
done
echo "Ran:"
awk '/^== summary$/ { exit }
     /^== / { if (h != "") print "  " h; h = substr($0, 4); next }
     h != "" { if ($0 !~ /^SKIPPED: /) print "  " h; h = "" }
     END { if (h != "") print "  " h }' "$build/test-all.log"
if [ -s "$SINUET_SKIP_LOG" ]; then
    echo "Skipped:"
    sed 's/^/  /' "$SINUET_SKIP_LOG"
else
    echo "Nothing was skipped."
fi
