#!/usr/bin/env bash
# Builds everything and runs every test: the native build (core and unit
# tests on the in-memory backend, with sanitizers), the cross build for
# 32-bit Windows (the same tests, the contract tests on the real platform
# and the end-to-end scenarios, all under Wine), and the fuzz target for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=${TOLMARIN_JOBS:-2}
presets=(native win32)
if grep -q '"name": "fuzz"' CMakePresets.json; then
  presets+=(fuzz)
fi

for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
done

echo "== artwork: the committed pictures are what the generator draws"
python3 tools/artwork/check_artwork.py

for preset in "${presets[@]}"; do
  echo "== $preset: tests"
  ctest --preset "$preset" -j "$jobs"
done
