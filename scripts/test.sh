#!/usr/bin/env bash
# Sets up and builds Quillon (scripts/setup.sh), then runs the whole test suite: unit, end-to-end and
# window tests. Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
echo "== Running the tests"
ctest --test-dir build --output-on-failure -j2 "$@"
