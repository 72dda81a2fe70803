#!/usr/bin/env bash
# The link efficiency benchmark: sets up and builds Quillon (scripts/setup.sh), then runs
# bench/link_bench.py, a full send and receive with 30 table points for the types 0, 2 and 10 against
# quillon-sim paced at 1200 baud. Extra arguments go to the benchmark (for example --runs 3).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! command -v python3 >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends python3
fi
echo "== Link efficiency benchmark (about a minute)"
exec python3 bench/link_bench.py --build build "$@"
