#!/usr/bin/env python3
"""Link efficiency of quillon-cli: a full send and a full receive with 30 table points for the types 0, 2
and 10, against quillon-sim paced at 1200 baud over a pseudo-terminal (the pseudo-terminal itself does
not pace; the simulator delivers every byte at the time it would take on the line, in both directions).

For each case it prints the bytes on the line, the time they need at 1200 baud (10 bits a byte), the
program's fixed waits, the simulated devices' own answer delays, the measured wall time, the ratio
wall / (line time + fixed waits), and the tool's CPU time as a share of the wall time.

Fixed waits of the program, for a run without retries:
  - every exchange (TransferCommand): 2 x 10 ms after it;
  - every step of the receive sequence: 10 ms after it (the steps that only decide where to go on too);
  - the reset connect of the types 0, 1, 4, 6 and 10 through a PL45: 500 ms after the interface mode,
    200 ms RTS on, 1000 ms after RTS off.
Device answer delays of the simulator: 20 ms before every answer, 400 ms more for the PL45's mode switch.

Usage: bench/link_bench.py [--build DIR] [--types 0,2,10] [--runs N]
"""

import argparse
import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import time

BAUD = 1200
BITS_PER_BYTE = 10
POINTS = 30

TRANSFER_WAIT_MS = 2 * 10
RECEIVE_STEP_WAIT_MS = 10
RESET_CONNECT_WAIT_MS = 500 + 200 + 1000
RESET_TYPES = {0, 1, 4, 6, 10}
DEVICE_LATENCY_MS = 20
MODE_SWITCH_MS = 400
MODE_COMMAND = 0xF1

SINGLE_READS = 16  # steps 2 to 17 of the receive
KA71_EXTRA_READS = 5  # steps 18 to 22, type 10 only


def receive_steps(typ: int) -> int:
    """Steps the receive runs for a transmitter holding 30 points: connect, identification, the single
    reads, the KA71's extra values (others: one step that jumps over them), the point count, the table
    (types 0 and 1: ten blocks), and the step that finds the table done."""
    extra = KA71_EXTRA_READS if typ == 10 else 1
    table = 10 if typ <= 1 else POINTS
    return 1 + 1 + SINGLE_READS + extra + 1 + table + 1


# --- Document file: the table of a received document is filled with 30 points -------------------------


class DocumentFile:
    """Just enough of the .qlc format (version 8196) to read the set range and to set the point count and
    the table."""

    def __init__(self, data: bytes):
        self.data = bytearray(data)
        version = struct.unpack_from("<i", self.data, 0)[0]
        if version != 8196:
            raise ValueError(f"document version {version}, 8196 expected")
        pos = 4 + 4 + 2 + 2 + 4  # version, type, zero window, key lock, temperature damping
        pos = self._skip_text(pos) + 4  # tag, damping
        pos = self._skip_text(pos) + 4 + 4 + 4  # identification, unit, base range
        self.range_pos = pos
        pos += 4 + 4 + 4 + 4 + 4  # set range, decimals, offset, span
        pos = self._skip_text(pos) + 3 * 4  # serial number, currents
        self.count_pos = pos
        self.table_pos = pos + 4 + 4 + 2 + 2 + 4 + 4  # count, display unit, KA71 free range, medium

    def _skip_text(self, pos: int) -> int:
        length = self.data[pos]
        if length == 255:
            raise ValueError("long texts are not expected in a received document")
        return pos + 1 + length

    def get_set_range(self) -> tuple:
        return struct.unpack_from("<ff", self.data, self.range_pos)

    def set_table(self, points: list) -> None:
        struct.pack_into("<i", self.data, self.count_pos, len(points))
        for i, (x, y) in enumerate(points):
            struct.pack_into("<ff", self.data, self.table_pos + 8 * i, x, y)


def table_points(typ: int, start: float, end: float) -> list:
    """30 rising points in the form each type keeps them."""
    if typ == 10:  # the KA71 holds integers on its 0 to 10000 scale
        return [(round(10000 * i / (POINTS - 1)), round(10000 * i / (POINTS - 1))) for i in range(POINTS)]
    if typ <= 1:  # percent of the span and the value, as 16-bit words
        return [(round(100 * i / (POINTS - 1), 1), round(i * 0.1, 1)) for i in range(POINTS)]
    # a current from 4 to 20 mA and the value in the set range
    return [(4 + 16 * i / (POINTS - 1), start + (end - start) * i / (POINTS - 1)) for i in range(POINTS)]


# --- Processes -------------------------------------------------------------------------------------------


class Simulator:
    def __init__(self, binary: pathlib.Path, typ: int, baud: int, trace: pathlib.Path):
        self.trace_path = trace
        self.trace_file = open(trace, "w")
        self.process = subprocess.Popen(
            [str(binary), "--type", str(typ), "--interface", "pl45", "--baud", str(baud), "--trace"],
            stdout=subprocess.PIPE, stderr=self.trace_file, text=True)
        self.device = self.process.stdout.readline().strip()
        if not self.device.startswith("/"):
            raise RuntimeError("quillon-sim gave no device")
        self.trace_seen = 0

    def new_trace_lines(self) -> list:
        lines = self.trace_path.read_text().splitlines()
        new = lines[self.trace_seen:]
        self.trace_seen = len(lines)
        return new

    def stop(self) -> None:
        self.process.terminate()
        self.process.wait(timeout=10)
        self.trace_file.close()


def run_cli(binary: pathlib.Path, args: list, env: dict, workdir: pathlib.Path) -> tuple:
    """Runs quillon-cli; returns (exit status, wall seconds, CPU seconds of the tool)."""
    with open(workdir / "cli.out", "w") as out, open(workdir / "cli.err", "w") as err:
        start = time.monotonic()
        process = subprocess.Popen([str(binary)] + args, stdout=out, stderr=err, env=env)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.monotonic() - start
        process.returncode = os.waitstatus_to_exitcode(status)
    return process.returncode, wall, usage.ru_utime + usage.ru_stime


TRACE_LINE = re.compile(r"\]\s+(REQ|ANS) ((?:[0-9a-f]{2} ?)+)")


def line_traffic(trace_lines: list) -> tuple:
    """(bytes on the line, exchanges, device answer delays in ms) from the simulator's trace."""
    total = 0
    exchanges = 0
    device_ms = 0
    for line in trace_lines:
        match = TRACE_LINE.search(line)
        if not match:
            continue
        data = bytes.fromhex(match.group(2))
        total += len(data)
        if match.group(1) == "REQ":
            exchanges += 1
            if len(data) > 2 and data[2] == MODE_COMMAND:
                device_ms += MODE_SWITCH_MS
        else:
            device_ms += DEVICE_LATENCY_MS
    return total, exchanges, device_ms


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(pathlib.Path(__file__).resolve().parent.parent / "build"))
    parser.add_argument("--types", default="0,2,10")
    parser.add_argument("--runs", type=int, default=1)
    options = parser.parse_args()
    bin_dir = pathlib.Path(options.build) / "bin"
    sim_bin, cli_bin = bin_dir / "quillon-sim", bin_dir / "quillon-cli"
    for binary in (sim_bin, cli_bin):
        if not binary.exists():
            print(f"{binary} is missing: build first (scripts/setup.sh)", file=sys.stderr)
            return 2

    results = []
    with tempfile.TemporaryDirectory(prefix="quillon-bench-") as temp:
        workdir = pathlib.Path(temp)
        env = dict(os.environ, XDG_CONFIG_HOME=str(workdir / "config"), LC_ALL="C.UTF-8")
        for typ in (int(t) for t in options.types.split(",")):
            link = ["--type", str(typ), "--interface", "pl45"]
            # A document of the type with 30 table points, from a quick simulator.
            quick = Simulator(sim_bin, typ, 0, workdir / "quick.trace")
            base = workdir / f"base-{typ}.qlc"
            status, _, _ = run_cli(cli_bin, ["--port", quick.device] + link + ["receive", "-o", str(base)],
                                   env, workdir)
            quick.stop()
            if status != 0:
                print(f"type {typ}: preparing receive failed: {(workdir / 'cli.err').read_text()}")
                return 1
            doc = DocumentFile(base.read_bytes())
            start, end = doc.get_set_range()
            doc.set_table(table_points(typ, start, end))
            sent = workdir / f"sent-{typ}.qlc"
            sent.write_bytes(bytes(doc.data))

            for run in range(options.runs):
                sim = Simulator(sim_bin, typ, BAUD, workdir / f"paced-{typ}.trace")
                received = workdir / f"received-{typ}.qlc"
                for operation, args in (("send", ["--yes", "send", str(sent)]),
                                        ("receive", ["receive", "-o", str(received)])):
                    status, wall, cpu = run_cli(cli_bin, ["--port", sim.device] + link + args, env, workdir)
                    if status != 0:
                        print(f"type {typ} {operation} failed: {(workdir / 'cli.err').read_text()}")
                        sim.stop()
                        return 1
                    total, exchanges, device_ms = line_traffic(sim.new_trace_lines())
                    fixed_ms = TRANSFER_WAIT_MS * exchanges
                    fixed_ms += RESET_CONNECT_WAIT_MS if typ in RESET_TYPES else 0
                    fixed_ms += RECEIVE_STEP_WAIT_MS * receive_steps(typ) if operation == "receive" else 0
                    results.append((typ, operation, run, exchanges, total, total * BITS_PER_BYTE / BAUD,
                                    fixed_ms / 1000, device_ms / 1000, wall, cpu))
                sim.stop()
                check = subprocess.run([str(cli_bin), "show", str(received), "--json"], env=env,
                                       capture_output=True, text=True)
                if f'"m_nLinTabAnzahl": {POINTS}' not in check.stdout:
                    print(f"type {typ}: the received document does not hold {POINTS} points")
                    return 1

    header = (f"{'case':<20}{'exch.':>6}{'bytes':>7}{'line s':>9}{'fixed s':>9}{'device s':>10}"
              f"{'wall s':>9}{'ratio':>8}{'ratio+dev':>11}{'CPU %':>8}")
    print(header)
    print("-" * len(header))
    for typ, operation, run, exchanges, total, line_s, fixed_s, device_s, wall, cpu in results:
        name = f"type {typ} {operation}" + (f" #{run + 1}" if options.runs > 1 else "")
        print(f"{name:<20}{exchanges:>6}{total:>7}{line_s:>9.3f}{fixed_s:>9.3f}{device_s:>10.3f}"
              f"{wall:>9.3f}{wall / (line_s + fixed_s):>8.3f}{wall / (line_s + fixed_s + device_s):>11.3f}"
              f"{100 * cpu / wall:>8.2f}")
    print()
    print("ratio = wall / (line + fixed); ratio+dev also counts the simulated devices' answer delays.")
    print("Targets: ratio <= 1.05, CPU <= 2 %.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
