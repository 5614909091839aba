#!/usr/bin/env bash
# Runs an aarch64 Linux program under qemu-user for ctest, with Debian's arm64 loader and
# shared libraries (multiarch: /lib/ld-linux-aarch64.so.1, /usr/lib/aarch64-linux-gnu).
exec qemu-aarch64 -L / "$@"
