# Sourced by every script that runs Windows programs: what this machine can run.
#   machine_runs_32bit   succeeds where 32-bit x86 programs run (32-bit Wine, the i686
#                        saver, the setup program). Asked once; the answer is kept in
#                        SINUET_RUNS_32BIT (yes/no) for this shell and its children.
#                        SINUET_NO_32BIT=1 forces "no", so the 64-bit path can be tried
#                        on any machine.
#   machine_windows_build sets preset and arch to the Windows build this machine runs:
#                        windows/win32 where 32-bit programs run, else windows64/win64.
#   machine_skip WHAT WHY prints that WHAT is skipped and why, and records it in
#                        SINUET_SKIP_LOG (a file) when that is set, for a closing summary.
machine_runs_32bit() {
    if [ "${SINUET_NO_32BIT:-0}" = 1 ]; then
        SINUET_RUNS_32BIT=no
    elif [ -z "${SINUET_RUNS_32BIT:-}" ]; then
        # The 32-bit loader fails with "Exec format error" on a kernel without 32-bit
        # emulation, and is missing where no i386 library is installed.
        if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
            SINUET_RUNS_32BIT=yes
        else
            SINUET_RUNS_32BIT=no
        fi
    fi
    export SINUET_RUNS_32BIT
    [ "$SINUET_RUNS_32BIT" = yes ]
}

machine_skip() {
    echo "SKIPPED: $1 ($2)"
    if [ -n "${SINUET_SKIP_LOG:-}" ]; then
        printf '%s (%s)\n' "$1" "$2" >>"$SINUET_SKIP_LOG"
    fi
}

machine_windows_build() {
    if machine_runs_32bit; then
        preset=windows
        arch=win32
    else
        preset=windows64
        arch=win64
    fi
}
