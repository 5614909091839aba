# Sourced by the profiling scripts: the builds to compare, the spans of a run, CPU time of
# processes, and the Windows saver's settings and wineserver in the current Wine session
# (wine-session.sh).

# The Windows build to profile: the i686 one under 32-bit Wine, or the x86_64 one under
# 64-bit Wine on a machine that runs no 32-bit programs. Sets windows_preset and wine_arch.
source "$(dirname "${BASH_SOURCE[0]}")/machine.sh"
machine_windows_build
windows_preset=$preset
wine_arch=$arch

# Reads NAME=BUILD_DIR or BUILD_DIR arguments (the name then is the folder holding the
# build folder), configures each build with the preset if it has not been, builds its
# sinuet target, and sets the arrays build_names and build_dirs.
named_builds() { # preset arguments...
    local preset=$1 arg dir
    shift
    build_names=()
    build_dirs=()
    for arg in "$@"; do
        if [[ "$arg" == *=* ]]; then
            build_names+=("${arg%%=*}")
            arg=${arg#*=}
        else
            build_names+=("$(basename "$(dirname "$(realpath -m "$arg")")")")
        fi
        dir=$(realpath -m "$arg")
        [ -f "$dir/CMakeCache.txt" ] || cmake --preset "$preset" -B "$dir" >/dev/null
        cmake --build "$dir" --target sinuet >/dev/null
        build_dirs+=("$dir")
    done
}

# CPU time (user + system) of a process in clock ticks; 0 once it is gone.
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || {
        echo 0
        return
    }
    # Fields after the command name, which is in parentheses and may hold blanks.
    set -- ${stat##*) }
    echo $((${12} + ${13}))
}

set_settings() { # count loops view3D
    local key='HKCU\SinuetSet9'
    wine reg add "$key" /v N /t REG_SZ /d "$1" /f >/dev/null
    wine reg add "$key" /v LM /t REG_SZ /d "$2" /f >/dev/null
    wine reg add "$key" /v DF /t REG_SZ /d 1 /f >/dev/null
    wine reg add "$key" /v FA /t REG_SZ /d 1 /f >/dev/null
    wine reg add "$key" /v VI /t REG_SZ /d "$3" /f >/dev/null
    wine reg add "$key" /v CO /t REG_SZ /d 16711808 /f >/dev/null
}

server_pid() {
    local pid
    # Other sessions run their own wineserver: ours is the one with our prefix.
    for pid in $(pgrep -u "$(id -u)" -x 'wineserver(32|64)?' || true); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}

# CPU ticks over SECONDS of wall time of a program, of this session's Xvfb and of a
# wineserver (0: none), then a screenshot to FILE: sets cpu_program, cpu_xvfb, cpu_server
# and cpu_span (the span in seconds).
measure_cpu() { # program_pid server_pid seconds screenshot_file
    local t0 p0 x0 w0
    t0=$(date +%s.%N)
    p0=$(cpu_ticks "$1")
    x0=$(cpu_ticks "$wine_session_xvfb_pid")
    w0=$(cpu_ticks "$2")
    sleep "$3"
    cpu_program=$(($(cpu_ticks "$1") - p0))
    cpu_xvfb=$(($(cpu_ticks "$wine_session_xvfb_pid") - x0))
    cpu_server=$(($(cpu_ticks "$2") - w0))
    cpu_span=$(awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    import -display "$DISPLAY" -window root "$4" 2>/dev/null || true
}

# The spans of a run and where its screenshots go, from SECONDS_MEASURED (default 30),
# SETTLE_SECONDS (default 5) and OUT_DIR (default BUILD_DIR/profile): sets measured,
# settle and out.
profile_spans() { # build_dir
    measured=${SECONDS_MEASURED:-30}
    settle=${SETTLE_SECONDS:-5}
    out=${OUT_DIR:-$1/profile}
    mkdir -p "$out"
}
