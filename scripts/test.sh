#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless; then builds the tests
# again with the address and undefined-behaviour sanitizers (in build-asan/, or
# $MORVANE_SANITIZE_BUILD_DIR) and runs them there, where any sanitizer report fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
run_tests() { (cd "$1" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600); }
run_tests "${MORVANE_BUILD_DIR:-$here/build}"

sanitized="${MORVANE_SANITIZE_BUILD_DIR:-$here/build-asan}"
MORVANE_BUILD_DIR="$sanitized" MORVANE_BUILD_TYPE=Debug bash "$here/scripts/build.sh" \
    -DMORVANE_SANITIZE=ON -DMORVANE_BUILD_BENCH=OFF
# A report stops the process with a failing exit code, leaks included (checked at exit). Leaks
# are traced to where they were allocated by the full unwinder: the libraries of the system keep no
# frame pointers, and a stack cut short at the first of them names neither the library that leaked
# (so that a leak of the web engine's is passed over) nor the code of ours that did.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_tests "$sanitized"
