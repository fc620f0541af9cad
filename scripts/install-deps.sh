#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root (it calls apt-get)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive

# 32-bit Wine runs the real program; it needs the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest python3
  g++-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 wine64
  xvfb xdotool xauth x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
