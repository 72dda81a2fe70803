#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang 14, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# into build-fuzz/ and runs each for the given number of seconds (default 60), two at a time, starting
# from its committed seed corpus. Fails when a target finds anything: a crash, a sanitizer report, a
# failed check of the target, a time-out of one input or a leak. What it found is kept in
# build-fuzz/findings/ (replay: build-fuzz/bin/<target> <file>); the log of each run in build-fuzz/logs/.
#
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: scripts/fuzz.sh [seconds] [target...]" >&2
    exit 2
fi

PACKAGES=(cmake ninja-build clang-14 libclang-rt-14-dev qt6-base-dev qt6-serialport-dev qt6-tools-dev
    qt6-tools-dev-tools qt6-l10n-tools)
scripts/install-packages.sh "${PACKAGES[@]}"

echo "== Configuring and building the fuzz targets into build-fuzz/"
# A build directory made with another compiler cannot be switched over; start it afresh.
if [ -f build-fuzz/CMakeCache.txt ] && ! grep -Eq '^CMAKE_CXX_COMPILER:[A-Z]+=.*clang\+\+-14$' build-fuzz/CMakeCache.txt; then
    rm -rf build-fuzz/CMakeCache.txt build-fuzz/CMakeFiles
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DQUILLON_SANITIZE=ON -DQUILLON_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for binary in build-fuzz/bin/fuzz_*; do
        targets+=("$(basename "$binary")")
    done
fi

mkdir -p build-fuzz/logs build-fuzz/findings
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"

# One target: new inputs go to build-fuzz/corpus/<target> (the committed seeds stay as they are).
run_target() {
    local target=$1
    local corpus=build-fuzz/corpus/$target
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="build-fuzz/findings/$target-")
    mkdir -p "$corpus"
    if [ -f "fuzz/$target.dict" ]; then
        options+=(-dict="fuzz/$target.dict")
    fi
    local seeds=()
    if [ -d "fuzz/corpus/$target" ]; then
        seeds=("fuzz/corpus/$target")
    fi
    if "build-fuzz/bin/$target" "${options[@]}" "$corpus" "${seeds[@]}" >"build-fuzz/logs/$target.log" 2>&1; then
        echo "   $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/logs/$target.log" |
            grep -o '[0-9]*$') inputs, nothing found"
        return 0
    fi
    echo "!! $target found a fault:"
    grep -E 'ERROR|runtime error|fuzz check failed|#[0-9]+ 0x.* in [A-Z]|Test unit written' \
        "build-fuzz/logs/$target.log" | head -25 | sed 's/^/   /'
    return 1
}

echo "== Fuzzing ${#targets[@]} targets for ${seconds} s each, two at a time"
failed=0
running=0
for target in "${targets[@]}"; do
    run_target "$target" &
    running=$((running + 1))
    if [ "$running" -ge 2 ]; then
        wait -n || failed=$((failed + 1))
        running=$((running - 1))
    fi
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=$((failed + 1))
    running=$((running - 1))
done

if [ "$failed" -gt 0 ]; then
    echo "== Fuzzing: $failed of ${#targets[@]} targets found a fault (inputs in build-fuzz/findings/)"
    exit 1
fi
echo "== Fuzzing: none of the ${#targets[@]} targets found a fault in ${seconds} s"
