#!/usr/bin/env bash
# The theme entry of an install to a scratch prefix (under a DESTDIR): desktop-file-validate
# passes, and TryExec and Exec name the hack that install put there.
#   installed_entry.sh BUILD_DIR PREFIX
set -uo pipefail
source "$(dirname "$0")/shell_test_helpers.sh"
prefix=$2
stage=$(mktemp -d /tmp/sinuet-entry.XXXXXX)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$1" --prefix "$prefix" >/dev/null || fail "cmake --install"
entry=$stage$prefix/share/applications/screensavers/sinuet.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
hack=$(sed -n 's/^TryExec=//p' "$entry")
grep -qxF "Exec=$hack --root" "$entry" || fail "Exec is not '$hack --root'"
case $hack in "$prefix"/*) ;; *) fail "TryExec=$hack lies outside $prefix" ;; esac
[ -x "$stage$hack" ] || fail "no installed hack at TryExec=$hack"
echo "ok: the entry installed under $prefix names $hack"
