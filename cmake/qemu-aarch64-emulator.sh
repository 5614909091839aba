#!/usr/bin/env bash
# Runs an aarch64 Linux program under qemu-user for ctest, with the cross C library's
# loader and shared libraries.
exec qemu-aarch64 -L /usr/aarch64-linux-gnu "$@"
