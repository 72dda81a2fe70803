#!/usr/bin/env bash
# The program's main job without hardware: sets up and builds Quillon, starts the transmitter simulator
# (an RX31 behind a PL45, paced at 1200 baud like the real line) on a pseudo-terminal, reads the whole
# parameter set from it with quillon-cli, saves it as a document file and shows it.
#   scripts/run.sh [FILE.qlc]     (default: build/demo/received.qlc)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null

bin=build/bin
output=${1:-build/demo/received.qlc}
mkdir -p "$(dirname "$output")"
work=$(mktemp -d)
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
