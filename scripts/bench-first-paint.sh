#!/usr/bin/env bash
# The first-paint benchmark: sets up and builds Quillon (scripts/setup.sh), turns on the benchmark
# target in build/ (-DQUILLON_BENCH=ON; the tests and the other programs stay as they are), builds
# first_paint_bench and runs it twice: under Xvfb (xvfb-run, installed when missing) and on Qt's
# offscreen platform. Extra arguments go to the benchmark (for example --rounds 50 or --english).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! command -v xvfb-run >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends xvfb xauth
fi
echo "== Building first_paint_bench"
cmake -S . -B build -DQUILLON_BENCH=ON >/dev/null
cmake --build build -j2 --target first_paint_bench
# Qt wants a private runtime directory; the benchmark gets its own inside the build tree.
export XDG_RUNTIME_DIR="$PWD/build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "== Under Xvfb"
xvfb-run -a -s '-screen 0 1280x1024x24' build/bin/first_paint_bench "$@" 2> >(grep -v propagateSizeHints >&2)
echo "== Offscreen"
QT_QPA_PLATFORM=offscreen build/bin/first_paint_bench "$@" 2> >(grep -v propagateSizeHints >&2)
