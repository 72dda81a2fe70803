#!/usr/bin/env bash
# The program's main job without hardware. Sets up and builds Quillon, saying what it does (the first
# build takes several minutes), then
#  - with a display ($DISPLAY or $WAYLAND_DISPLAY): starts the window in demo mode, the transmitter
#    simulator standing in for an RX31 behind a PL45 on a pseudo-terminal;
#  - without one (or with --cli): starts the simulator, reads the whole parameter set from it with
#    quillon-cli, saves it as a document file and shows it.
#   scripts/run.sh [--cli] [FILE.qlc]   (FILE.qlc: where the command-line demo saves; default
#                                        build/demo/received.qlc)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=window
if [ "${1:-}" = "--cli" ]; then
    mode=cli
    shift
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    mode=cli
fi

echo "== Setting up Quillon: missing packages, then the build"
scripts/setup.sh --quiet

bin=build/bin
if [ "$mode" = window ] && [ -x "$bin/quillon" ]; then
    echo "== Starting Quillon in demo mode (simulated RX31 behind a PL45)"
    exec "$bin/quillon" --demo 2
fi
if [ "$mode" = window ]; then
    echo "== The window is not part of this build; showing the command-line demo instead"
fi

output=${1:-build/demo/received.qlc}
mkdir -p "$(dirname "$output")"
work=$(mktemp -d)
echo "== Starting the transmitter simulator (RX31 behind a PL45, 1200 baud like the real line)"
"$bin/quillon-sim" --model rx31 --baud 1200 >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT

for _ in $(seq 100); do
    [ -s "$work/sim.out" ] && break
    sleep 0.05
done
device=$(head -n 1 "$work/sim.out")
if [ -z "$device" ]; then
    echo "quillon-sim did not start:" >&2
    cat "$work/sim.err" >&2
    exit 1
fi

echo "== Simulated transmitter on $device"
"$bin/quillon-cli" --port "$device" --type 2 --interface pl45 identify
echo "== Receiving the parameter set into $output"
"$bin/quillon-cli" --port "$device" --type 2 --interface pl45 receive -o "$output"
echo "== $output"
"$bin/quillon-cli" show "$output"
