#!/usr/bin/env bash
# The program's main job. For now: set up and build everything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
