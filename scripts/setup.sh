#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the program and the tests need and this machine lacks.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-translations-l10n
    libqt6webenginecore6-bin qt6-qpa-plugins
    libgl-dev libxkbcommon-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    xvfb xauth
    libgtest-dev libgmock-dev libbenchmark-dev
    libuchardet-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo_cmd apt-get update -qq
    $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
