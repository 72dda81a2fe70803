#!/usr/bin/env bash
# Formats the C++ sources (only *.h and *.cpp) with the repository's .clang-format.
# Without arguments: every tracked C++ file. With arguments: the given files or folders.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
    set -- src tests bench fuzz
fi
find "$@" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null | xargs -0 -r clang-format -i
