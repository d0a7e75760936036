#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless; then builds the tests
# again with the address and undefined-behaviour sanitizers (in build-asan/, or
# $MORVANE_SANITIZE_BUILD_DIR) and runs them there, where any sanitizer report fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
build="${MORVANE_BUILD_DIR:-$here/build}"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)

sanitized="${MORVANE_SANITIZE_BUILD_DIR:-$here/build-asan}"
cmake -S "$here" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON \
    -DMORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$sanitized" --parallel "$(nproc)"
# A report stops the process with a failing exit code, leaks included (checked at exit).
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$sanitized"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
