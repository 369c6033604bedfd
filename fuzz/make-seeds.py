#!/usr/bin/env python3
"""Writes the hand-made seed files of the fuzz corpora.

    fuzz/make-seeds.py      (re)write the seed-* files of fuzz/corpus/<target>/

Each seed is one odd corner of the score file or of the symbols in it, or of
a ".hki2" timbre; the example scores and the timbres in data/ are copied
beside them. Files that libFuzzer merged in later
(named by their SHA-1) are left alone. Only the standard library is used.
"""

import os
import shutil
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TARGETS = ["fuzz_score_reader", "fuzz_exports"]

# Kinds and codes, as stored in score files.
NOTE4, NOTE8, NOTE16, NOTE64, WHOLE = 3, 4, 5, 7, 1
REST, BAR, ACC, DOT, DYN, CLEF, TIE, TIME, KEY, WORD, BEAM = 9, 10, 11, 12, 13, 20, 23, 30, 31, 64, 96


def record(main=(0, 0), *attached):
    """One 30-byte position: slot 0, then attached symbols in slots 1.."""
    kinds, values = [0] * 15, [0] * 15
    kinds[0], values[0] = main
    for slot, (kind, value) in enumerate(attached, start=1):
        kinds[slot], values[slot] = kind, value
    return bytes(kinds + values)


def part_block(records, length, instrument=0, header_size=1, header_extra=b""):
    body = b"".join(records)[: 30 * (length + 1)]
    body += bytes(30 * (length + 1) - len(body))
    head = struct.pack("<i", header_size)
    if header_size >= 1:
        head += bytes([instrument]) + header_extra
    return head + body


def orn2(parts, length, speed=120, version=7, header_size=11, extra=b""):
    """parts: list of (records, instrument) or ready-made part blocks (bytes)."""
    head = b"sORNORN2" + struct.pack("<i", header_size)
    if header_size in (9, 11):
        head += struct.pack("<iBi", version, len(parts) - 1, length)
        if header_size == 11:
            head += struct.pack("<h", speed)
    head += extra
    blocks = [p if isinstance(p, bytes) else part_block(p[0], length, p[1]) for p in parts]
    return head + b"".join(blocks)


def orn1(parts, length):
    head = b"sORNORN1" + struct.pack("<iiBi", 0, 0, len(parts) - 1, length)
    return head + b"".join(bytes(10) + part_block(r, length)[5:] for r in parts)


MELODY = [record((CLEF, 1)), record((KEY, 2)), record((TIME, 26))] + [
    record((NOTE4, 122 + i), (DYN, 9)) if i % 2 else record((NOTE8, 124 + i), (BEAM, 1))
    for i in range(12)
] + [record((REST, 3), (DOT, 1), (BAR, 2))]

# Every kind with its valid codes and a few no editor writes.
ALL_CODES = (
    [record((CLEF, c)) for c in (1, 2, 10, 11, 0, 3, 255)]
    + [record((KEY, c)) for c in (0, 7, 14, 8, 1, 15, 255)]
    + [record((TIME, c)) for c in (0, 26, 253, 255, 7, 6)]
    + [record((REST, c), (DOT, 1)) for c in (1, 2, 3, 4, 7, 0, 8, 255)]
    + [record((n, p), (ACC, a), (DYN, d)) for n, p, a, d in
       [(WHOLE, 1, 1, 1), (2, 254, 2, 5), (NOTE4, 128, 3, 9), (NOTE8, 122, 4, 13),
        (NOTE16, 130, 5, 0), (6, 110, 6, 14), (NOTE64, 200, 255, 255), (8, 128, 0, 0)]]
    + [record((0, 0), (BAR, c), (WORD, w)) for c, w in
       [(0, 1), (1, 2), (2, 8), (16, 0), (17, 3), (18, 255), (3, 1), (255, 8)]]
    + [record((NOTE4, 128), (TIE, 2), (DOT, 2), (BEAM, 2))]
)

REPEATS = [
    record((NOTE4, 122), (BAR, 17)), record((NOTE4, 124), (BAR, 16)),
    record((NOTE4, 126), (BAR, 18)), record((NOTE4, 128), (WORD, 8)),
    record((NOTE4, 130), (BAR, 16), (WORD, 1)), record((NOTE4, 132), (WORD, 2)),
    record((NOTE4, 134), (BAR, 16)),
]

# Ties through rests and bar lines, a beam that runs into the last position.
TIES_AND_BEAMS = [
    record((WHOLE, 128), (TIE, 1)), record((WHOLE, 128), (TIE, 1), (BAR, 0)),
    record((WHOLE, 128), (TIE, 1)), record((REST, 1), (TIE, 1)), record((NOTE4, 130), (TIE, 1)),
    record((NOTE4, 131)),
] + [record((NOTE64, 120 + i), (BEAM, 1)) for i in range(15)]

# Far from the staff under the lowest clef: MIDI numbers below 0.
EXTREME_NOTES = [record((CLEF, 2)), record((NOTE4, 1), (ACC, 5)), record((CLEF, 11)),
                 record((NOTE4, 254), (ACC, 2)), record((CLEF, 1)), record((NOTE4, 254))]

NEW = orn2([([], 0)], 30, speed=60)


def seeds():
    s = {
        "new-score": NEW,
        "melody-two-parts": orn2([(MELODY, 0), (MELODY[::-1], 40)], 20),
        "orn1": orn1([MELODY, REPEATS], 20),
        "orn1-truncated": orn1([MELODY], 20)[:300],
        "header-size-9": orn2([(MELODY, 0)], 20, header_size=9),
        "header-size-15": orn2([(MELODY, 5)], 30, header_size=15, extra=bytes(15)),
        "header-size-negative": NEW[:8] + struct.pack("<i", -4) + NEW[12:],
        "header-size-huge": NEW[:8] + struct.pack("<i", 0x7FFFFFFF) + NEW[12:],
        "part-header-sizes-0-3": orn2([part_block(MELODY, 20, header_size=0),
                                       part_block(REPEATS, 20, 7, 3, b"\x01\x02")], 20),
        "part-header-negative": orn2([part_block(MELODY, 20, header_size=-1)], 20),
        "part-header-huge": orn2([part_block(MELODY, 20, header_size=0x7FFFFFF0), ([], 1)], 20),
        "version-8": orn2([(MELODY, 1)], 20, version=8),
        "truncated-in-header": NEW[:19],
        "truncated-in-records": orn2([(MELODY, 3)], 30)[:500],
        "magic-and-tag-only": NEW[:8],
        "length-0": orn2([(MELODY, 0)], 0),
        "length-32767": orn2([(MELODY, 0)], 32767)[:23 + 5 + 30 * 16],
        "length-32768": NEW[:17] + struct.pack("<i", 32768) + NEW[21:],
        "length-negative": NEW[:17] + struct.pack("<i", -1) + NEW[21:],
        "parts-256": orn2([([record((NOTE4, 128 + i % 7))], i) for i in range(256)], 0),
        "parts-256-truncated": orn2([([], 0)] * 256, 20)[:4000],
        "tag-orn3": b"sORNORN3" + NEW[8:],
        "not-a-score": "楽譜ではありません。\n".encode(),
        "empty": b"",
        "all-codes": orn2([(ALL_CODES, 255)], len(ALL_CODES) - 1),
        "repeats-dc-fine": orn2([(REPEATS, 19), (REPEATS[::-1], 20)], 20, speed=200),
        "ties-and-beams": orn2([(TIES_AND_BEAMS, 0)], len(TIES_AND_BEAMS) - 1),
        "extreme-notes": orn2([(EXTREME_NOTES, 0)], 20),
        "instrument-200": orn2([(MELODY, 200)], 20),
    }
    # Words after the music: whole, cut short, a damaged chunk among good
    # ones, and a chunk of a newer writer.
    def ext(*chunks):
        body = b"".join(tag + struct.pack("<I", len(payload)) + payload for tag, payload in chunks)
        return b"sEXT" + struct.pack("<I", len(body)) + body
    lyrics = struct.pack("<HB", 0, 0) + b"".join(
        struct.pack("<HBB", i, i % 8, len(t)) + t
        for i, t in enumerate(["き".encode(), b"ra", "星".encode()]))
    words = ext((b"TEXT", b"\x00" + "曲名".encode()), (b"PART", b"\x00\x00\x01S."),
                (b"LYRC", lyrics), (b"LYRC", struct.pack("<HB", 0, 4) + lyrics[3:]),
                (b"NEXT", b"\x01\x02"))
    with_words = orn2([(MELODY, 0)], 20) + words
    s["words"] = with_words
    s["words-truncated"] = with_words[:-9]
    s["words-bad-chunk"] = orn2([(MELODY, 0)], 20) + ext(
        (b"TEXT", b"\x01\xff\xfe"), (b"PART", b"\x09\x00\x00x"), (b"TEXT", b"\x02ok"))
    s["words-size-huge"] = orn2([(MELODY, 0)], 20) + b"sEXT\xff\xff\xff\xff"
    for speed in (0, -5, 1, 4, 32767):
        s[f"tempo-{speed}"] = orn2([(MELODY, 0)], 20, speed=speed)
    # Past the 4 GB a WAV file can hold: 250 whole notes at tempo 1.
    s["wav-too-long"] = orn2([([record((WHOLE, 128))] * 250, 0)], 249, speed=1)
    # Two examples fast enough that the fuzzer writes their WAV files too.
    for name, speed in (("kirakira", 400), ("canon", 400)):
        with open(os.path.join(ROOT, "data", "examples", f"{name}.sorn"), "rb") as f:
            score = f.read()
        s[f"example-fast-{name}"] = score[:21] + struct.pack("<h", speed) + score[23:]
    return s


# Timbre texts: numbers at and past their limits, and the ways lines end.
HKI2 = {
    "full-scale": "sin 1 1\n",
    "just-over-full-scale": "sin 1 1.0001\n",
    "overflow-on-second-line": "sin 1 0.6\nsin 1 0.6\n",
    "two-spaces": "sin  1 1\n",
    "capital-sin": "Sin 1 1\n",
    "too-few-words": "sin 1\nsin\n",
    "harmonic-past-32-bits": "sin 2147483648 0.5\n",
    "harmonic-largest": "sin 2147483647 0.5\nsin -2147483647 0.25\n",
    "harmonic-halves": "sin 0.5 0.3\nsin 2.5 0.3\nsin -1.5 0.3\n",
    "amplitude-past-float": "sin 1 1e39\n",
    "not-numbers": "sin 1 nan\nsin inf 1\nsin 0x10 1\nsin ++1 1\n",
    "signs-and-exponents": "sin +1 +0.5\nsin 3 -2.5e-1\nsin 5 1E-1\n",
    "line-ends": "\ufeffsin 1 0.25\r\nsin 2 0.25\rsin 3 0.25",
    "words-after-third": "sin 1 0.5 倍音 です\nsin 2 0.25 \n",
    "comments": "# 説明の行\n\nsinus 1 1\n  sin 1 1\n",
    "empty": "",
    "binary": "sin 1 0.5\n\x00\x01\x02",
    # The line limit and one past it; harmonics far past the table, where the
    # shared sine table falls back to the direct formula most.
    "line-limit": "".join(f"sin {n} 0.0009\n" for n in range(1, 1025)),
    "past-line-limit": "sin 1 0\n" * 1025,
    "far-harmonics": "".join(f"sin {100000 * n} -0.0009\nsin {2147483647 - n} 0.0009\n"
                             for n in range(1, 33)),
}


def main():
    timbres = os.path.join(ROOT, "fuzz", "corpus", "fuzz_hki2")
    os.makedirs(timbres, exist_ok=True)
    for name, text in HKI2.items():
        with open(os.path.join(timbres, f"seed-{name}.hki2"), "wb") as f:
            f.write(text.encode())
    data = os.path.join(ROOT, "data")
    for name in sorted(os.listdir(data)):
        if name.endswith(".hki2"):
            shutil.copyfile(os.path.join(data, name), os.path.join(timbres, f"seed-data-{name}"))

    examples = os.path.join(ROOT, "data", "examples")
    for target in TARGETS:
        folder = os.path.join(ROOT, "fuzz", "corpus", target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds().items():
            with open(os.path.join(folder, f"seed-{name}.sorn"), "wb") as f:
                f.write(data)
        for name in sorted(os.listdir(examples)):
            if name.endswith(".sorn"):
                shutil.copyfile(os.path.join(examples, name),
                                os.path.join(folder, f"seed-example-{name}"))


if __name__ == "__main__":
    main()
