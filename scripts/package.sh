#!/usr/bin/env bash
# Builds the Debian package of Quillon into build-deb/: installs the missing packages, configures a build
# for the prefix /usr (the package installs there, and the programs look for their data there), builds it
# and runs cpack. Prints the path of the .deb.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --packages-only

echo "== Configuring build-deb/ for /usr"
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
echo "== Building (the first build takes several minutes)"
cmake --build build-deb -j2
echo "== Building the Debian package"
(cd build-deb && cpack -G DEB)
ls "$PWD"/build-deb/quillon_*.deb
