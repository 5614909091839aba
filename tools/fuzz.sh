#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan) and runs each for a
# bounded time, starting from its committed corpus in tests/fuzz/corpus/<target>/.
#
#   bash tools/fuzz.sh                          short run: 25 s per target (CI)
#   SINUET_FUZZ_SECONDS=1800 bash tools/fuzz.sh   long run: 30 min per target
#   bash tools/fuzz.sh --merge [TARGET...]      run, then fold the inputs that reach new
#                                               code into the committed corpus
#
# A crash, a failed check or an input slower than 10 s fails the script; the input that
# did it is kept in build/fuzz/artifacts/<target>/. Reproduce with
#   build/fuzz/tests/fuzz/<target> build/fuzz/artifacts/<target>/crash-...
# SINUET_BUILD_ROOT (default: build) chooses where the fuzz build lives.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${SINUET_BUILD_ROOT:-$root/build}/fuzz
seconds=${SINUET_FUZZ_SECONDS:-25}

merge=0
if [ "${1:-}" = "--merge" ]; then
    merge=1
    shift
fi

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for corpus in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi

summary=()
for target in "${targets[@]}"; do
    binary="$build/tests/fuzz/$target"
    corpus="tests/fuzz/corpus/$target"
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    echo "== fuzzing $target for $seconds s"
    log="$build/$target.log"
    # New inputs go to the work folder; the committed corpus is only read.
    if ! "$binary" -max_total_time="$seconds" -timeout=10 -max_len=512 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "$corpus" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz target $target failed; input kept in $artifacts" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    summary+=("$target: $runs executions in $seconds s, $coverage")
    if [ "$merge" = 1 ]; then
        "$binary" -merge=1 -max_len=512 "$corpus" "$work" >>"$log" 2>&1
    fi
done

echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
