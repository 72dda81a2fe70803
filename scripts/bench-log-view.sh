#!/usr/bin/env bash
# The log view benchmark: sets up and builds Quillon (scripts/setup.sh), turns on the benchmark targets in
# build/ (-DQUILLON_BENCH=ON; the tests and the other programs stay as they are), builds log_view_bench
# and runs it offscreen on a generated log of the given size in MB (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
echo "== Building log_view_bench"
cmake -S . -B build -DQUILLON_BENCH=ON >/dev/null
cmake --build build -j2 --target log_view_bench
export XDG_RUNTIME_DIR="$PWD/build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen build/bin/log_view_bench "$@"
