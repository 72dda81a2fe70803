#!/usr/bin/env bash
# The window-under-load benchmark: how long Quillon's main window takes to answer an X ping while it
# receives from the simulator on a machine kept busy, beside a bare Qt window on the same display.
#
#   scripts/bench-link-ping.sh [--seconds S] [--loops N] [--typ T] [--bin DIR]
#
# Builds link_ping_window and x_ping_probe (-DQUILLON_BENCH=ON in build/; the tests and the other programs
# stay as they are) unless --bin names a folder that holds them and quillon-sim already. Then, on an Xvfb
# display: the main window with --demo T (default 2) receiving again and again, a bare QMainWindow, N busy
# loops (default: the number of cores + 1) and the probe pinging both windows every 5 ms for S seconds
# (default 60). See bench/link_ping/*.cpp for what exactly is measured.
set -euo pipefail

# The part that runs on the Xvfb display (the script calls itself under xvfb-run).
run_on_display() {
    local bin="$1" seconds="$2" loops="$3" typ="$4" work="$5"
    local pids=()
    trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
    "$bin/link_ping_window" bare --seconds $((seconds + 2)) >"$work/bare.out" 2>"$work/bare.err" &
    local bare=$!
    "$bin/link_ping_window" quillon --typ "$typ" --seconds "$seconds" >"$work/quillon.out" 2>"$work/quillon.err" &
    local quillon=$!
    for _ in $(seq 100); do
        if grep -q '^window' "$work/bare.out" && grep -q '^window' "$work/quillon.out"; then
            break
        fi
        sleep 0.1
    done
    for _ in $(seq "$loops"); do
        (while :; do :; done) &
        pids+=($!)
    done
    sleep 1 # the receives begin a second after the window is shown
    "$bin/x_ping_probe" --seconds "$((seconds - 1))" \
        "quillon=$(awk '/^window/{print $2}' "$work/quillon.out")" \
        "bare=$(awk '/^window/{print $2}' "$work/bare.out")"
    wait "$quillon" || true
    echo "-- quillon window: $(grep -v '^window' "$work/quillon.out" | tr '\n' ' ')"
    kill "${pids[@]}" 2>/dev/null || true
    wait "$bare" || true
    echo "-- bare window: $(grep -v '^window' "$work/bare.out" | tr '\n' ' ')"
}
if [ "${1:-}" = "--on-display" ]; then
    shift
    run_on_display "$@"
    exit 0
fi

cd "$(dirname "$0")/.."
seconds=60
loops=$(($(nproc) + 1))
typ=2
bin=""
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --loops) loops="$2"; shift 2 ;;
    --typ) typ="$2"; shift 2 ;;
    --bin) bin="$2"; shift 2 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
    esac
done
if ! command -v xvfb-run >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends xvfb xauth
fi
if [ -z "$bin" ]; then
    scripts/setup.sh
    echo "== Building link_ping_window and x_ping_probe"
    cmake -S . -B build -DQUILLON_BENCH=ON >/dev/null
    cmake --build build -j2 --target link_ping_window x_ping_probe quillon-sim
    bin="$PWD/build/bin"
fi
bin="$(cd "$bin" && pwd)"
export XDG_RUNTIME_DIR="$PWD/build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
work="$(mktemp -d)"

echo "== $loops busy loops on $(nproc) cores, type $typ, $seconds s, binaries from $bin"
xvfb-run -a -s '-screen 0 1280x1024x24' "$PWD/scripts/bench-link-ping.sh" --on-display "$bin" "$seconds" "$loops" "$typ" "$work"
rm -rf "$work"
