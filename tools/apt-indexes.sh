# Sourced by setup-debian.sh: which suites a mirror caught mid-sync left without the index
# of a foreign architecture.
#   lagging_suites LISTS_DIR NATIVE_ARCH FOREIGN_ARCH...
#       reads `apt-get update --print-uris` on stdin (one index a line: 'URI' FILE ...) and
#       prints "SUITE ARCH", once each, for every foreign architecture whose index is not
#       in LISTS_DIR, under any compression, while the suite's (as the sources name it, say
#       bookworm-security) index of the native architecture is. Installing then mixes versions of
#       the suite for the native architecture with older ones for the foreign one, which
#       Multi-Arch: same packages do not allow.
lagging_suites() {
    local lists=$1 native=$2 uri file arch suite have=" " lack=()
    shift 2
    while read -r uri file _; do
        [[ "$file" == *_binary-*_Packages ]] || continue
        arch=${file##*_binary-}
        arch=${arch%_Packages}
        suite=${uri#\'}
        suite=${suite%/*/binary-*}
        suite=${suite##*/dists/}
        if compgen -G "$lists/$file*" >/dev/null; then
            if [ "$arch" = "$native" ]; then have+="$suite "; fi
        elif [[ " $* " == *" $arch "* ]]; then
            lack+=("$suite $arch")
        fi
    done
    for suite in "${lack[@]}"; do
        if [[ "$have" == *" ${suite% *} "* ]]; then echo "$suite"; fi
    done | sort -u
}
