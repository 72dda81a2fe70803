#!/usr/bin/env bash
# Installs what Quillon needs on a Debian 12 machine (only the missing packages) and builds it into
# build/. Safe to run again: it does only what is not done yet.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    fonts-liberation2 poppler-utils
)

scripts/install-packages.sh "${PACKAGES[@]}"

echo "== Configuring and building into build/"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
