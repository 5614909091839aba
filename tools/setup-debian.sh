#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Sinuet need.
# Idempotent: packages already present are left alone. Run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-tools
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xauth x11-apps x11-utils imagemagick ffmpeg python3
  libx11-dev xscreensaver libxml2-utils dpkg-dev passwd util-linux procps
  g++-aarch64-linux-gnu binutils-aarch64-linux-gnu qemu-user
  xserver-xorg-core xserver-xorg-video-dummy libxinerama1:i386 libxinerama-dev libxrandr-dev
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
# The Linux hack's X11 libraries for the arm64 cross build, where arm64 is set up.
if dpkg --print-foreign-architectures | grep -qx arm64; then
  packages+=(libxinerama-dev:arm64 libxrandr-dev:arm64)
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails an index now and then: try again, and go on with the
  # indexes that did come, which usually still hold every package asked for.
  for attempt in 1 2 3; do
    apt-get update -qq && break
    [ "$attempt" = 3 ] && echo "apt-get update failed three times; installing from the indexes at hand" >&2
    sleep 10
  done
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
