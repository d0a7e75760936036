#!/usr/bin/env bash
# Configures and builds Morvane, its tests and its benchmarks in build/ (or $MORVANE_BUILD_DIR).
# Arguments go to CMake's configuration (e.g. -DMORVANE_SANITIZE=ON).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${MORVANE_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${MORVANE_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
