#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only when some are missing, so repeated runs cost nothing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config dpkg-dev lintian librsvg2-bin clang-format
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl-dev
    qt6-qpa-plugins qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev libssl-dev
    xvfb xauth x11-utils libxtst6 imagemagick fonts-dejavu-core
    poppler-utils cups printer-driver-cups-pdf fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
