#!/usr/bin/env bash
# lagging_suites (tools/apt-indexes.sh) over made-up lists folders: each row names the
# index files present and the "SUITE ARCH" lines expected.
set -euo pipefail
source "$(dirname "$0")/../apt-indexes.sh"

uris=$(for suite in bookworm bookworm-security; do
    base=deb.debian.org_debian_dists_${suite}_main
    for arch in amd64 i386 arm64 all; do
        echo "'http://deb.debian.org/debian/dists/$suite/main/binary-$arch/Packages.xz' ${base}_binary-${arch}_Packages 0 "
    done
done)
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT
failed=0

check() { # name expected files...
    local name=$1 expected=$2 got
    shift 2
    rm -f "$lists"/*
    for f in "$@"; do touch "$lists/deb.debian.org_debian_dists_${f}_Packages$(
        [ "${f%%_*}" = bookworm ] && echo .lz4)"; done
    got=$(lagging_suites "$lists" amd64 i386 arm64 <<<"$uris" | paste -sd,)
    if [ "$got" = "$expected" ]; then
        echo "ok: $name"
    else
        echo "FAILED: $name: got '$got', expected '$expected'" >&2
        failed=1
    fi
}

all=(bookworm_main_binary-{amd64,i386,arm64} bookworm-security_main_binary-{amd64,i386,arm64})
check "every index present (binary-all is no foreign architecture)" "" "${all[@]}"
check "the security suite without i386 and arm64" \
    "bookworm-security arm64,bookworm-security i386" \
    bookworm_main_binary-{amd64,i386,arm64} bookworm-security_main_binary-amd64
check "only the arm64 index of the main suite missing" "bookworm arm64" \
    bookworm_main_binary-{amd64,i386} bookworm-security_main_binary-{amd64,i386,arm64}
check "a suite with no index at all offers nothing to mix" "" bookworm_main_binary-{amd64,i386,arm64}
check "no index of any suite" ""
exit $failed
