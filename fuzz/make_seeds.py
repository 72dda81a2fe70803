#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

The seeds are the inputs the unit tests use: the replies of the decoder tests, the byte streams of the
frame receiver tests, the document files of the file tests, the requests of the simulator tests and a
state file as quillon-sim writes it. Each is laid out as its target reads it (see the target's header
comment). Run it again after a format changes and commit the result; scripts/fuzz.sh only reads them.
"""

import json
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent / "corpus"
STX, ETX = 0x02, 0x03


def reply_frame(data: bytes) -> bytes:
    length = len(data) + 2
    return bytes([STX, length]) + data + bytes([(length + sum(data)) & 0xFF, ETX])


def request_frame(command: int, payload: bytes = b"") -> bytes:
    return reply_frame(bytes([command]) + payload)


def write(target: str, name: str, data: bytes) -> None:
    folder = ROOT / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


# --- Frame receiver: bursts of bytes with a pause after each -------------------------------------------
# libFuzzer's data provider takes the bytes of the bursts from the front and, from the back, for each
# burst its pause (u8, tens of ms) and then its length (1 + byte % 64).


def bursts(*parts: tuple) -> bytes:
    front = b"".join(data for data, _ in parts)
    back = b""
    for data, pause_ms in parts:
        back = bytes([len(data) - 1, pause_ms // 10]) + back
    return front + back


GOOD = reply_frame(b"+001251")
BAD_SUM = GOOD[:-2] + bytes([GOOD[-2] ^ 0x5A]) + GOOD[-1:]
NOISE = bytes([0x55, 0x03, 0x02, 0xFF, 0x00, 0x41])

write("fuzz_frame_receiver", "reply", bursts((GOOD, 0)))
write("fuzz_frame_receiver", "garbage-before-reply", bursts((NOISE + GOOD, 0)))
write("fuzz_frame_receiver", "bad-checksum-then-reply", bursts((BAD_SUM, 100), (GOOD, 0)))
write("fuzz_frame_receiver", "length-51-then-reply", bursts((bytes([STX, 51]) + GOOD, 0)))
write("fuzz_frame_receiver", "gap-inside-reply", bursts((GOOD[:4], 1500), (GOOD[4:], 0)))
write("fuzz_frame_receiver", "time-out-inside-reply", bursts((GOOD[:4], 2100), (GOOD, 0)))
write("fuzz_frame_receiver", "longest-reply", bursts((reply_frame(b"7" * 48), 0)))
write("fuzz_frame_receiver", "two-replies", bursts((GOOD + reply_frame(b"RX31-309"), 2550)))

# --- Reply decoders: the document header, then the reply --------------------------------------------------
DECODERS = [
    "GrundAnfang", "GrundEnde", "MessAnfang", "MessEnde", "Offset", "Spanne", "Daempfung",
    "TempDaempfung", "StromgrenzeMin", "StromgrenzeMax", "Fehlerstrom", "Tastatursperre",
    "Nullpunktsfenster", "Temperatur", "Messwert", "Seriennummer", "Bezeichnung", "Einheit",
    "LinTabAnzahl", "FreiBereich", "Dezimalstellen", "LinTabBlock", "LinTabPunkt", "LinTabPunktKA71",
    "Erweitert", "Kennung",
]


def document_header(typ: int, decimals: int = 3, unit: int = 0, display_unit: int = 0,
                    base=(0.0, 10.0), rng=(0.0, 10.0), points: int = 3) -> bytes:
    return (bytes([typ + 1]) + struct.pack("<i", decimals) + bytes([1]) +
            struct.pack("<ii", unit, display_unit) + struct.pack("<ffff", *base, *rng) +
            bytes([points]) + struct.pack("<ihh", 0, 0, 1000))


def argument(value: int) -> bytes:
    return bytes([value + 1])


# (decoder, argument, type, data) as the decoder tests use them
REPLIES = [
    ("GrundAnfang", -1, 2, b"-012342"),
    ("MessAnfang", -1, 2, b"+001251"),
    ("MessEnde", -1, 10, b"+100000"),
    ("Offset", -1, 2, b"+001253"),
    ("Offset", -1, 2, b"+00100" + b"0" * 23),
    ("Spanne", -1, 2, b"+009983"),
    ("Daempfung", -1, 2, b"+000252"),
    ("StromgrenzeMin", -1, 2, b"+037993"),
    ("Fehlerstrom", -1, 2, b"+003602"),
    ("Tastatursperre", -1, 2, b"+000151"),
    ("Nullpunktsfenster", -1, 2, b"-000251"),
    ("Temperatur", -1, 2, b"655351"),
    ("Messwert", -1, 7, b"+012341+004562"),
    ("Messwert", -1, 10, b"+025003"),
    ("FreiBereich", 1, 10, b"+000020"),
    ("FreiBereich", 3, 10, b"+099990"),
    ("Seriennummer", -1, 2, b"123456.78.901   "),
    ("Bezeichnung", -1, 2, b"Kessel"),
    ("Dezimalstellen", 8, 2, b"+001002"),
    ("Dezimalstellen", -1, 2, b"+00104"),
    ("Einheit", -1, 2, b"2"),
    ("Einheit", -1, 10, b"15"),
    ("LinTabAnzahl", -1, 2, b"07"),
    ("LinTabBlock", 0, 0, b"0190FF6A" + b"00000000" + b"FFFF0001"),
    ("LinTabPunkt", 0, 2, b"0000C350" + b"0000C350"),
    ("LinTabPunktKA71", 0, 10, b"00001388" + b"00002710"),
    ("Erweitert", -1, 2, b"RX31-309"),
    ("Kennung", -1, 2, b"RX31-309"),
    ("Kennung", -1, 2, b"RX30-U21"),
    ("Kennung", -1, 2, b"V22-0100"),
    ("Kennung", -1, 2, b"KA71-101"),
]

for decoder, arg, typ, data in REPLIES:
    name = f"{decoder}-{data[:12].decode('latin-1').strip('+ ')}"
    name = "".join(c if c.isalnum() or c in "-." else "_" for c in name)
    header = document_header(typ)
    write("fuzz_reply_frames", name, bytes([DECODERS.index(decoder)]) + argument(arg) + header + data)
    write("fuzz_reply_decoders", name, argument(arg) + header + reply_frame(data))
    write("fuzz_reply_decoders", name + "-plain", argument(arg) + header + data)

# Frames whose length byte promises more than arrived, as the decoder tests try them.
write("fuzz_reply_decoders", "short-frame", argument(-1) + document_header(2) + b"\x02\x09+0012")
write("fuzz_reply_decoders", "length-only", argument(-1) + document_header(2) + b"\x02\x09")

# --- Document files ---------------------------------------------------------------------------------------


def text(value: bytes) -> bytes:
    if len(value) < 255:
        return bytes([len(value)]) + value
    if len(value) < 0xFFFE:
        return b"\xff" + struct.pack("<H", len(value)) + value
    return b"\xff\xff\xff" + struct.pack("<I", len(value)) + value


def utf16_text(value: str) -> bytes:
    return b"\xff\xfe\xff" + bytes([len(value)]) + value.encode("utf-16-le")


def document(version=8196, typ=2, tag=b"Kessel 3            ", kennung=b"RX31-309",
             serial=b"123456.01.002", points=3, tag_bytes=None) -> bytes:
    tag_bytes = tag_bytes if tag_bytes is not None else text(tag)
    new = version == 8196
    out = struct.pack("<i", version)
    if new:
        out += struct.pack("<ihhf", typ, 25, 1, 0.5)
    out += tag_bytes + struct.pack("<f", 1.5) + text(kennung)
    out += struct.pack("<iffffi", 0, 0.0, 10.0, 0.0, 10.0, 3)
    out += struct.pack("<ff", 0.01, 0.2) + text(serial)
    out += struct.pack("<fffi", 3.8, 20.5, 3.6, points)
    if new:
        out += struct.pack("<ihhii", 0, 0, 1000, 0, 0)
    for i in range(30):
        out += struct.pack("<ff", 4.0 + i * 0.5, i * 0.3)
    return out


YES, NO = b"\x01", b"\x00"
write("fuzz_document_file", "current", NO + document())
write("fuzz_document_file", "ka71", NO + document(typ=10, kennung=b"KA71-101", points=30))
write("fuzz_document_file", "old-format-yes", YES + document(version=8194))
write("fuzz_document_file", "old-format-no", NO + document(version=8194))
write("fuzz_document_file", "unknown-version", NO + struct.pack("<i", 8197) + document()[4:])
write("fuzz_document_file", "tag-300", NO + document(tag=b"T" * 300))
write("fuzz_document_file", "tag-utf16", NO + document(tag_bytes=utf16_text("Kessel Süd")))
write("fuzz_document_file", "cut-after-tag", NO + document()[:40])

# --- Simulator requests: frames as the program sends them ------------------------------------------------
# libFuzzer's data provider takes the payloads from the front and everything else from the back, in this
# order: type, interface (PL45 when odd), pacing, reset required; per request: framed, command, payload
# length, RTS pulse.


def sim_requests(typ: int, requests: list) -> bytes:
    front = b"".join(payload for _, payload in requests)
    consumed = [typ, 1, 0, 0]
    for command, payload in requests:
        consumed += [1, command, len(payload), 0]
    return front + bytes(reversed(consumed))


write("fuzz_sim_requests", "identify", sim_requests(2, [(0x31, b"")]))
write("fuzz_sim_requests", "interface", sim_requests(6, [(0xF0, b""), (0xF1, b"0500"), (0x31, b"")]))
write("fuzz_sim_requests", "receive", sim_requests(2, [(0x3E, b""), (0x3B, b""), (0x74, b""), (0x3F, b"2")]))
write("fuzz_sim_requests", "write-range", sim_requests(0, [(0x45, b"+00125"), (0x4F, b"0" + b"0190" * 6)]))
write("fuzz_sim_requests", "image", sim_requests(10, [(0x85, b"1"), (0x86, b"00" + b"0123456789ABCDEF0123"),
                                                      (0x87, b"1"), (0x90, b"3")]))

# --- Simulator state files ---------------------------------------------------------------------------------
STATE = {
    "format": "quillon-sim-state", "version": 1,
    "typ": 2, "kennung": "RX31-309",
    "interface": "pl45", "interfaceMode": 5,
    "interfaceInfo": {"byte1": 69, "byte2": 1, "firmware": 106, "words": [1, 1200, 0, 0, 8198], "digit": 1},
    "released": True,
    "parameter": "0000102700000500" * 2,
    "table": "00" * 16,
    "calibration": [20000, 25000, 0, 65535],
    "summary": {"seriennummer": "123456.01.002   "},
}
write("fuzz_sim_state", "state", json.dumps(STATE).encode())
write("fuzz_sim_state", "ka71-pl40", json.dumps(dict(STATE, typ=10, kennung="KA71-101", interface="pl40",
                                                     interfaceMode=-1)).encode())
write("fuzz_sim_state", "minimal", json.dumps({"format": "quillon-sim-state", "version": 1, "typ": 0}).encode())

# --- Whole receive and send: a script of replies as a transmitter gives them --------------------------------
# Input: type, interface kind, then per request: kind (0: a frame around the data), length, data.


def script(typ: int, pl45: bool, replies: list) -> bytes:
    out = bytes([typ, 1 if pl45 else 0])
    for data in replies:
        out += bytes([0, len(data)]) + data
    return out


READS = [b"0", b"123456.01.002   ", b"+000003", b"+100003", b"+000003", b"+100003", b"+000003", b"+100004",
         b"+000101", b"Messstelle 2        ", b"+003802", b"+020502", b"+003602", b"+000201", b"+000051",
         b"+000251"]
POINTS = [b"00000000" b"00000000", b"0000C350" b"0000C350", b"000186A0" b"000186A0"]
VERIFY = [b"RX31-309", b"0", b"+000003", b"+100003"]
write("fuzz_receive_send", "type-2", script(2, True, [b"RX31-309", b"RX31-309"] + READS + [b"03"] + POINTS +
                                        VERIFY + [b"OK"] * 40))
write("fuzz_receive_send", "type-0", script(0, True, [b"\x80", b"V22-0100", b"V22-0100"] + READS + [b"01"] +
                                        [b"0190FF6A" b"00000000" b"FFFF0001"] * 10 +
                                        [b"\x80", b"V22-0100", b"V22-0100", b"0", b"+000003", b"+100003"] +
                                        [b"OK"] * 20))
