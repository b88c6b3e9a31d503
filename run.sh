#!/usr/bin/env bash
# Installs what is missing, builds a release build, makes the sample pictures
# and opens Vistello LE on them (or on the paths given).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --runtime-only
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVISTELLO_TESTS=OFF >/dev/null
cmake --build build-release

samples=build-release/samples
if [ ! -d "$samples" ]; then
  build-release/src/vistello-cli make-samples "$samples"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to open the window on."
  echo "Run it under a virtual X server instead:"
  echo "  xvfb-run -a ./run.sh $*"
  exit 1
fi

if [ $# -gt 0 ]; then
  exec build-release/src/vistello "$@"
fi
exec build-release/src/vistello "$samples"
