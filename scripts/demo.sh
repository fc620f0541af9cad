#!/usr/bin/env bash
# Builds tolmarin.exe and shows it running on the demo package.
#
# Installs the Debian packages (scripts/install-deps.sh), builds the win32
# preset's program and helper, writes build/demo/package (the demo package
# with the exe in it), the demo simulator build/demo/simulator/FS95 (with the
# stand-in fltsim95.exe) and a private Wine prefix build/demo/prefix (D: is
# the package, S: the simulator's drive; no other host folder is reachable),
# and starts "tolmarin.exe /INSTALLDIRD:\" on your display when DISPLAY is
# set and answers, otherwise on a private Xvfb. Once the main window shows, it saves
# build/demo/screenshot.png, prints its path and closes the program.
set -euo pipefail

root=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)

if [ "$(id -u)" -eq 0 ]; then
  "$root/scripts/install-deps.sh"
elif command -v sudo >/dev/null 2>&1; then
  sudo "$root/scripts/install-deps.sh"
else
  echo "demo: installing the packages needs root; run as root or install sudo" >&2
  exit 1
fi

cd "$root"
cmake --preset win32
# Only what the demo runs: a test that does not build yet must not stop it.
cmake --build --preset win32 -j 2 --target tolmarin winhelper fltsim95

python3 "$root/demo/run_demo.py" --build-dir "$root/build/win32" --out "$root/build/demo"
