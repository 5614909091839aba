#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Sinuet need.
# Idempotent: packages already present are left alone. Run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-tools
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xauth x11-apps x11-utils imagemagick ffmpeg python3
  libx11-dev xscreensaver libxml2-utils dpkg-dev passwd util-linux procps nsis
  g++-aarch64-linux-gnu binutils-aarch64-linux-gnu qemu-user
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils libxinerama1:i386 libxinerama-dev
  libxrandr-dev
  mate-screensaver dbus libglib2.0-bin desktop-file-utils strace
  libx11-dev:arm64 libxinerama-dev:arm64 libxrandr-dev:arm64 libstdc++6:arm64
  emscripten node-acorn chromium
)
# Node.js and npm run the web page's tests: Debian's, unless a node and an npm are there
# already (a Node.js from elsewhere brings its own npm, and Debian's npm would conflict).
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
# i386 for 32-bit Wine; arm64 for the libraries the cross-built Linux hack links and runs
# with under qemu-user.
for arch in i386 arm64; do
  if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
    dpkg --add-architecture "$arch"
    need_update=1
  fi
done
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
  # A suite whose foreign-architecture index did not come is held back for this install
  # only, so that every architecture takes its packages from the same suites: apt reads
  # the machine's preferences file and a priority of 1 for that suite from a copy of its
  # own, and /etc/apt stays as it is.
  source "$(dirname "$0")/apt-indexes.sh"
  eval "$(apt-config shell lists Dir::State::Lists/d prefs Dir::Etc::Preferences/f)"
  lagging=$({ apt-get update --print-uris 2>/dev/null || true; } |
    lagging_suites "$lists" "$(dpkg --print-architecture)" $(dpkg --print-foreign-architectures))
  hold=()
  if [ -n "$lagging" ]; then
    held=$(cut -d' ' -f1 <<<"$lagging" | sort -u)
    held_prefs=$(mktemp)
    trap 'rm -f "$held_prefs"' EXIT
    { cat "$prefs" 2>/dev/null && echo || true
      for suite in $held; do
        printf 'Package: *\nPin: release n=%s\nPin-Priority: 1\n\n' "$suite"
      done; } >"$held_prefs"
    hold=(-o "Dir::Etc::Preferences=$held_prefs")
    echo "apt-get update gave no index for $(paste -sd, <<<"$lagging" | sed 's/,/, /g')" \
      "(mirror mid-sync?): installing with $(paste -sd, <<<"$held" | sed 's/,/, /g') held" \
      "back, for this install only."
  fi
  apt-get install -y -qq --no-install-recommends "${hold[@]}" "${missing[@]}"
fi
