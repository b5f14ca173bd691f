#!/usr/bin/env python3
"""Writes Internet.mid, the start-up music of Quotara: a short original piece
in F major for piano over soft strings, composed for the program.

Usage: scripts/make-music.py OUTPUT.mid
"""
import struct
import sys

TICKS = 480  # per quarter note
TEMPO_US = 600000  # 100 beats per minute

# Melody (MIDI note, length in eighths); 0 is a rest.
MELODY = [
    (72, 2), (74, 1), (76, 1), (77, 2), (76, 2),
    (74, 2), (72, 2), (69, 4),
    (70, 2), (72, 1), (74, 1), (76, 2), (74, 2),
    (72, 3), (70, 1), (69, 4),
    (69, 2), (70, 1), (72, 1), (77, 3), (76, 1),
    (74, 2), (72, 2), (70, 2), (69, 2),
    (67, 2), (69, 1), (70, 1), (72, 2), (64, 2),
    (65, 8),
]

# One chord (root position, low register) per bar of four quarters.
CHORDS = [
    (53, 57, 60), (46, 53, 58), (48, 52, 55), (53, 57, 60),
    (50, 53, 57), (46, 50, 53), (48, 52, 55), (41, 53, 57),
]


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track():
    events = []  # (tick, order, bytes)
    events.append((0, 0, bytes([0xFF, 0x51, 0x03]) + TEMPO_US.to_bytes(3, "big")))
    events.append((0, 0, bytes([0xC0, 0])))   # channel 1: acoustic grand piano
    events.append((0, 0, bytes([0xC1, 48])))  # channel 2: string ensemble
    events.append((0, 0, bytes([0xB1, 7, 70])))
    tick = 0
    for note, eighths in MELODY:
        length = eighths * TICKS // 2
        if note:
            events.append((tick, 2, bytes([0x90, note, 92])))
            events.append((tick + length - 20, 1, bytes([0x80, note, 0])))
        tick += length
    for bar, chord in enumerate(CHORDS):
        start = bar * 4 * TICKS
        for note in chord:
            events.append((start, 2, bytes([0x91, note, 60])))
            events.append((start + 4 * TICKS - 10, 1, bytes([0x81, note, 0])))
    end = max(t for t, _, _ in events) + TICKS
    events.append((end, 3, bytes([0xFF, 0x2F, 0x00])))
    events.sort(key=lambda e: (e[0], e[1]))
    data = bytearray()
    last = 0
    for tick, _, payload in events:
        data += var_len(tick - last) + payload
        last = tick
    return bytes(data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    body = track()
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS)
    with open(sys.argv[1], "wb") as f:
        f.write(header + b"MTrk" + struct.pack(">I", len(body)) + body)


if __name__ == "__main__":
    main()
