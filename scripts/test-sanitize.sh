#!/usr/bin/env bash
# Builds Quillon with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs the unit
# and end-to-end tests there. Any report of either sanitizer (including a leak) fails the test that
# showed it. Extra arguments go to ctest (for example scripts/test-sanitize.sh -R Document).
set -euo pipefail
cd "$(dirname "$0")/.."

# The same packages as the normal build: g++ brings both sanitizer runtimes.
scripts/setup.sh

echo "== Configuring and building with the sanitizers into build-asan/"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_SANITIZE=ON
cmake --build build-asan -j2

# UBSan stops at the first report (-fno-sanitize-recover=all in the build); the stack says where.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
# libdbus keeps one allocation for the life of the process when a display is there (Xvfb).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"

echo "== Running the unit and end-to-end tests with the sanitizers"
ctest --test-dir build-asan --output-on-failure -j2 -L 'unit|e2e' "$@"
