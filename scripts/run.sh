#!/usr/bin/env bash
# Installs what is missing, builds Morvane and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
build="${MORVANE_BUILD_DIR:-$here/build}"
# The embedded browser's sandbox cannot run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a "$build/src/qt/morvane" "$@"
fi
exec "$build/src/qt/morvane" "$@"
