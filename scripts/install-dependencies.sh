#!/usr/bin/env bash
# Installs the Debian 12 packages Polymetra needs to build, run and test; quick and silent
# when they are already there. Runs apt through sudo when not root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache python3
    qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri
    xvfb xauth libbenchmark-dev poppler-utils
    desktop-file-utils appstream lintian fakeroot
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
