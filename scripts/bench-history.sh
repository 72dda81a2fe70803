#!/usr/bin/env bash
# The device history benchmark: sets up and builds Quillon (scripts/setup.sh), turns on the benchmark
# targets in build/ (-DQUILLON_BENCH=ON), builds history_bench and runs it on a fresh SQLite file in
# build/ (on the disk, like the user's data folder): one event's write, and listing a transmitter with
# 10 000 events.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
echo "== Building history_bench"
cmake -S . -B build -DQUILLON_BENCH=ON >/dev/null
cmake --build build -j2 --target history_bench
build/bin/history_bench build
