#!/usr/bin/env python3
"""Writes the example scores of data/examples/ from the short texts below.

    scripts/make-examples.py            write every example into data/examples/
    scripts/make-examples.py --out DIR  write them into DIR instead
    scripts/make-examples.py --check [FILE.sorn ...]
                                        read the files back (default: data/examples/*.sorn),
                                        check bars and pitches, and list every symbol code
                                        they use; the exit code is 1 when a code is missing

Only the standard library is used.

Notation of the score texts
---------------------------
A score text holds header lines and, after each "part" line, the music of that part:

    file  NAME.sorn          output file name
    title TEXT               title (only shown in messages)
    tempo N                  quarter notes per minute
    credit FIELD TEXT        words of the score, written into the file: FIELD is one of
                             title subtitle composer lyricist arranger copyright
    part  PROGRAM NAME       a new part: General MIDI program 0..127 and a label
    name  TEXT [/ SHORT]     the part's name (and short name), written into the file
    verse N SYLLABLES...     lyrics of verse N (1..5) of the part, one syllable per note in
                             order (a tied note's continuation takes none): "syl-" has a
                             hyphen after it, "syl_" an extender, "*" leaves a note without;
                             further lines of the same verse go on where the last stopped

Music is a stream of tokens separated by blanks (anything after '%' is a comment):

    clef:G clef:F clef:alto clef:tenor      clef (a column of its own)
    key:0 key:3# key:2b                     key signature: nothing, sharps or flats
    time:6/8                                time signature
    C4/4  F#4/8.  Bbb4/16  G##3/2~          note: letter, accidental (# ## b bb),
                                            octave (C4 = middle C), /length 1 2 4 8 16
                                            32 64, '.' dotted, '~' tied to the next note
    r/2  r/4.                               rest
    A4                                      without /length the previous length is kept
    [B4/8 A4]                               beamed notes: '[' opens, ']' closes a group
    pppp ppp pp p mp mf f ff fff ffff       dynamics of the next note or rest
    |  ||  |.  |:  :|  :|:                  bar lines: single, double, final,
                                            repeat start, repeat end, repeat both
    DC  DaCapo  Fine                        repeat words, put on the last column written

Pitches are written as they sound; the accidental signs follow from the key signature
and from the accidentals already written in the bar. Bar lines and repeat words belong
to the column they stand after. The parts of a score are laid out on common columns: a
column is opened for every moment at which some part starts a note or rest, and a part
that is still holding a note there leaves that column empty, so that bar lines and
signatures line up from part to part.
"""

import argparse
import os
import re
import struct
import sys

# ---------------------------------------------------------------------------
# The scores

SAKURA = """
file  sakura.sorn
title さくらさくら
tempo 66

part 107 koto
clef:G key:0 time:4/4
pp   A4/4 A4 B4/2       | A4/4 A4 B4/2              |
p    A4/4 B4 C5 B4      | A4 [B4/8 A4] F4/2         |
mp   E4/4 C4 E4 F4      | E4 [E4/8 C4] B3/2         |
mf   A4/4 B4 C5 B4      | A4 [B4/8 A4] F4/2         |
     E4/4 C4 E4 F4      | E4 [E4/8 C4] B3/2         |
p    A4/4 A4 B4/2       | A4/4 A4 B4/2              |
ppp  E4/4 F4 [B4/8 A4] F4/4 | pppp E4/1 |.
"""

CHORALE = """
file  chorale.sorn
title 歓喜の歌
tempo 104

part 52 soprano
clef:G key:2# time:2/2
mf  F#4/4 F#4 G4 A4 | A4 G4 F#4 E4 | D4 D4 E4 F#4 | F#4/4. E4/8 E4/2 |
    F#4/4 F#4 G4 A4 | A4 G4 F#4 E4 | D4 D4 E4 F#4 | E4/4. D4/8 D4/2 |
f   E4/4 E4 F#4 D4 | E4 [F#4/8 G4] F#4/4 D4 | E4 [F#4/8 G4] F#4/4 E4 | D4 E4 A3/2 |
    F#4/4 F#4 G4 A4 | A4 G4 F#4 E4 | D4 D4 E4 F#4 | E4/4. D4/8 D4/2 ||
key:3b
ff  F4/4 F4 G4 Eb4 | F4 [G4/8 Ab4] G4/4 Eb4 | F4 [G4/8 Ab4] G4/4 F4 | Eb4 F4 Bb3/2 |
fff G4/4 G4 Ab4 Bb4 | Bb4 Ab4 G4 F4 | Eb4 Eb4 F4 G4 | F4/4. Eb4/8 Eb4/2 |.

part 19 bass
clef:F key:2# time:2/2
mf  D3/4 D3 B2 F#2 | F#2 G2 A2 A2 | B2 B2 C#3 D3 | A2/1 |
    D3/4 D3 B2 F#2 | F#2 G2 A2 A2 | B2 B2 C#3 D3 | A2/2 D3 |
f   A2/1~ | A2/1~ | A2/1 | F#2/4 G#2 A2/2 |      % pedal on the dominant
    D3/4 C3 B2 F#2 | F#2 G2 A2 A2 | B2 B2 C#3 D3 | A2/2 D3 ||
key:3b
ff  Bb2/1~ | Bb2/1~ | Bb2/1 | G2/4 A2 Bb2/2 |
fff Eb3/4 Db3 C3 G2 | G2 Ab2 Bb2 Bb2 | C3 C3 D3 Eb3 | Bb2/2 Eb3 |.
"""

CANON = """
file  canon.sorn
title フレール・ジャック
tempo 108

part 41 viola
clef:alto key:0 time:4/4 |:
p   C4/4 D4 E4 C4 | C4 D4 E4 C4 | mp E4 F4 G4/2 | E4/4 F4 G4/2 |
mf  [G4/8 A4 G4 F4] E4/4 C4 | [G4/8 A4 G4 F4] E4/4 C4 |
p   C4/4 G3 C4/2 | C4/4 G3 C4/2 :|
    E4/4 D4 E4/2 | C4/1~ | C4/2 r/2 |. DaCapo

part 42 cello
clef:tenor key:0 time:4/4
    r/1 | r/1 |:
p   C4/4 D4 E4 C4 | C4 D4 E4 C4 | mp E4 F4 G4/2 | E4/4 F4 G4/2 |
mf  [G4/8 A4 G4 F4] E4/4 C4 | [G4/8 A4 G4 F4] E4/4 C4 |
p   C4/4 G3 C4/2 | C4/4 G3 C4/2 :|
    C3/2 r/2 |. DaCapo
"""

KIRAKIRA = """
file  kirakira.sorn
title きらきら星による小変奏
tempo 80

part 0 piano
% theme
clef:G key:0 time:2/4 |:
p    C4/4 C4 | G4 G4 | A4 A4 | G4/2 | F4/4 F4 | E4 E4 | D4 D4 | C4/2 :|: Fine
     G4/4 G4 | F4 F4 | E4 E4 | D4/2 :|
% variation 1: lower neighbours
key:4# time:6/8
mp   E4/4. [E4/8 D#4 E4]  | B4/4. [B4/8 A#4 B4]            | C#5/4. [C#5/8 B#4 C#5] | B4/2. |
     A4/4. [A4/8 G#4 A4]  | G#4/4. [G#4/16 F##4 G#4/8 A4]  | F#4/4. [F#4/8 E#4 F#4] | E4/4 r/8 r/4. ||
% variation 2: waltz
key:3# time:3/4
mf   A4/2 A4/4 | E5/2 E5/4 | F#5/4 G5 F#5 | E5/2 r/4 |
     D5/2 D5/4 | C#5/2 C#5/4 | B4/2 B4/4 | A4/2 r/4 ||
% variation 3: runs and turns
key:3b time:2/4
f    [Eb4/8 Eb4/16 F4] [Eb4/8 D4/16 Eb4] | [Bb4/8. Bb4/16] [Bb4/16 C5 D5 Bb4] |
     r/32 [D5/32 Eb5 D5 C5/8] r/16 [C5/16 Bb4 C5] | Bb4/4 [Bb4/16 Bbb4 Ab4 G4] |
ff   [Ab4/32. Bb4/64 Ab4/16 G4/8] r/64 [Ab4/64 Bb4 C5 Bb4/16 Ab4/8] | [G4/16 Ab4 G4 F#4] [G4/8 Bb4] |
ffff [F4/8. G4/16] [F4/16 Eb4 D4 F4] | Eb4/4 r/4 ||
key:0 DC
"""

AMAZING_GRACE = """
file  amazing-grace.sorn
title Amazing Grace
tempo 80
credit title Amazing Grace
credit subtitle New Britain
credit composer アメリカ民謡
credit lyricist John Newton

part 52 soprano
name ソプラノ / S.
clef:G key:1# time:3/4
mp D4/4 | G4/2 [B4/8 G4] | B4/2 A4/4 | G4/2 E4/4 | D4/2 D4/4 |
   G4/2 [B4/8 G4] | B4/2 A4/4 | D5/2 B4/4 |
   D5/2 [B4/8 G4] | B4/2 A4/4 | G4/2 E4/4 | D4/2 D4/4 |
   G4/2 [B4/8 G4] | B4/2 A4/4 | G4/2. |.
verse 1 A- maz- ing_ * grace how sweet the sound that saved a_ * wretch like me!
verse 1 I once was_ * lost, but now am found, Was blind, but_ * now I see.
verse 2 あ め の * め ぐ み は か ぎ り も * な く て
verse 2 ま よ い * し わ れ を い ま み ち * び け り

part 53 alto
name アルト / A.
clef:G key:1# time:3/4
mp B3/4 | D4/2 [G4/8 D4] | G4/2 F#4/4 | E4/2 C4/4 | B3/2 B3/4 |
   D4/2 [G4/8 D4] | G4/2 F#4/4 | F#4/2 G4/4 |
   G4/2 [G4/8 D4] | G4/2 F#4/4 | E4/2 C4/4 | B3/2 B3/4 |
   D4/2 [G4/8 D4] | G4/2 F#4/4 | D4/2. |.
verse 1 A- maz- ing_ * grace how sweet the sound that saved a_ * wretch like me!
verse 1 I once was_ * lost, but now am found, Was blind, but_ * now I see.
verse 2 あ め の * め ぐ み は か ぎ り も * な く て
verse 2 ま よ い * し わ れ を い ま み ち * び け り
"""

SCORES = [SAKURA, CHORALE, CANON, KIRAKIRA, AMAZING_GRACE]

# ---------------------------------------------------------------------------
# Symbol codes

CREDITS = ["title", "subtitle", "composer", "lyricist", "arranger", "copyright"]

NOTE_KINDS = range(1, 8)        # whole .. sixty-fourth; the kind is the length code
REST, BAR, ACCIDENTAL, DOT, DYNAMICS = 9, 10, 11, 12, 13
CLEF, TIE, TIME, KEY, WORD, BEAM = 20, 23, 30, 31, 64, 96

LENGTH_CODES = {1: 1, 2: 2, 4: 3, 8: 4, 16: 5, 32: 6, 64: 7}   # note value -> code
TICKS = {1: 1024, 2: 512, 3: 256, 4: 128, 5: 64, 6: 32, 7: 16}
CLEFS = {"G": 1, "F": 2, "alto": 10, "tenor": 11}
CLEF_SHIFT = {1: 0, 2: 12, 10: 6, 11: 8}      # staff steps the clef moves a pitch up
ACCIDENTAL_CODES = {1: 1, 2: 2, 0: 3, -1: 4, -2: 5}   # semitones -> code
ACCIDENTAL_SEMITONES = {0: 0, 1: 1, 2: 2, 3: 0, 4: -1, 5: -2}
BARS = {"|": 0, "||": 1, "|.": 2, ":|": 16, "|:": 17, ":|:": 18}
WORDS = {"DC": 1, "DaCapo": 2, "Fine": 8}
DYNAMICS_CODES = {"mp": 1, "p": 2, "pp": 3, "ppp": 4, "pppp": 5,
                  "mf": 9, "f": 10, "ff": 11, "fff": 12, "ffff": 13}
LETTERS = "CDEFGAB"
SEMITONE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
SHARP_ORDER = "FCGDAEB"
FLAT_ORDER = "BEADGCF"
# Attached symbols go into slots 1..14 in the order the symbol dialog writes them.
ATTACHED_ORDER = [ACCIDENTAL, DOT, BAR, WORD, DYNAMICS, TIE, BEAM]


def key_alterations(code):
    """Semitone alteration of each letter under a key signature code."""
    alt = {letter: 0 for letter in LETTERS}
    if 1 <= code <= 7:
        for letter in SHARP_ORDER[:code]:
            alt[letter] = 1
    elif 8 <= code <= 14:
        for letter in FLAT_ORDER[:code - 7]:
            alt[letter] = -1
    return alt


def time_code(numerator, denominator):
    return (numerator - 1) * 8 + {1: 0, 2: 1, 4: 2, 8: 3, 16: 4, 32: 5}[denominator]


def bar_ticks(code):
    return (code // 8 + 1) * 1024 // (1 << (code % 8))

# ---------------------------------------------------------------------------
# Reading a score text


class ScoreError(Exception):
    pass


NOTE_RE = re.compile(r"^(\[)?([A-G])(##|#|bb|b)?(\d)(?:/(\d+)(\.)?)?(~)?(\])?$")
REST_RE = re.compile(r"^(\[)?r(?:/(\d+)(\.)?)?(\])?$")


class Part:
    def __init__(self, program, label):
        self.program = program
        self.label = label
        self.events = []   # dicts in stream order, each with its time "t"
        self.name = self.short = ""
        self.verses = {}   # verse index -> syllable tokens


def parse_score(text):
    score = {"parts": []}
    part = None
    for line_no, raw in enumerate(text.strip("\n").split("\n"), 1):
        line = raw.split("%", 1)[0].strip()
        if not line:
            continue
        head, _, rest = line.partition(" ")
        if head in ("file", "title"):
            score[head] = rest.strip()
        elif head == "credit":
            field, _, text = rest.strip().partition(" ")
            score.setdefault("credits", {})[CREDITS.index(field)] = text.strip()
        elif head == "name":
            name, _, short = rest.strip().partition(" / ")
            part.name, part.short = name.strip(), short.strip()
        elif head == "verse":
            number, _, syllables = rest.strip().partition(" ")
            part.verses.setdefault(int(number) - 1, []).extend(syllables.split())
        elif head == "tempo":
            score["tempo"] = int(rest)
        elif head == "part":
            program, _, label = rest.strip().partition(" ")
            part = Part(int(program), label.strip())
            score["parts"].append(part)
        else:
            if part is None:
                raise ScoreError(f"line {line_no}: music before the first part line")
            part.events.extend(tokenize(line, line_no))
    for p in score["parts"]:
        finish_part(p, score["file"])
    return score


def tokenize(line, line_no):
    events = []
    for token in line.split():
        where = f"line {line_no}, '{token}'"
        if token.startswith("clef:"):
            events.append({"type": "sign", "kind": CLEF, "value": CLEFS[token[5:]], "where": where})
        elif token.startswith("key:"):
            sig = token[4:]
            if sig == "0":
                code = 0
            elif sig[-1] == "#":
                code = int(sig[:-1])
            elif sig[-1] == "b":
                code = int(sig[:-1]) + 7
            else:
                raise ScoreError(f"{where}: unknown key")
            events.append({"type": "sign", "kind": KEY, "value": code, "where": where})
        elif token.startswith("time:"):
            n, d = token[5:].split("/")
            events.append({"type": "sign", "kind": TIME, "value": time_code(int(n), int(d)),
                           "where": where})
        elif token in BARS:
            events.append({"type": "bar", "value": BARS[token], "where": where})
        elif token in WORDS:
            events.append({"type": "word", "value": WORDS[token], "where": where})
        elif token in DYNAMICS_CODES:
            events.append({"type": "dynamics", "value": DYNAMICS_CODES[token], "where": where})
        elif NOTE_RE.match(token):
            m = NOTE_RE.match(token)
            events.append({"type": "note", "open": bool(m[1]), "letter": m[2],
                           "alter": {None: 0, "#": 1, "##": 2, "b": -1, "bb": -2}[m[3]],
                           "octave": int(m[4]), "length": m[5], "dotted": m[6],
                           "tie": bool(m[7]), "close": bool(m[8]), "where": where})
        elif REST_RE.match(token):
            m = REST_RE.match(token)
            events.append({"type": "rest", "open": bool(m[1]), "length": m[2], "dotted": m[3],
                           "close": bool(m[4]), "where": where})
        else:
            raise ScoreError(f"{where}: unknown token")
    return events


def finish_part(part, file_name):
    """Resolves lengths, beams, dynamics, staff positions, accidentals and times."""
    sticky = None
    clef, key = 1, 0
    bar_alter = {}         # sounding step -> alteration in force in this bar
    meter = None
    bar_start = 0
    t = 0
    beam_group = None
    pending_dynamics = None
    tied_from = None       # (step, alteration) of a note tied to the next one
    out = []
    for ev in part.events:
        where = f"{file_name}, part '{part.label}', {ev['where']}"
        kind = ev["type"]
        if kind == "dynamics":
            if pending_dynamics is not None:
                raise ScoreError(f"{where}: two dynamics marks in a row")
            pending_dynamics = ev["value"]
            continue
        ev["t"] = t
        if kind == "sign":
            if ev["kind"] == CLEF:
                clef = ev["value"]
            elif ev["kind"] == KEY:
                key = ev["value"]
                bar_alter = {}
            elif ev["kind"] == TIME:
                meter = ev["value"]
                if t != bar_start:
                    raise ScoreError(f"{where}: time signature inside a bar")
        elif kind == "bar":
            if meter is None:
                raise ScoreError(f"{where}: bar line before the time signature")
            # The first bar may be a pickup, shorter than the rest.
            pickup = bar_start == 0 and t < bar_ticks(meter)
            if t != bar_start and t - bar_start != bar_ticks(meter) and not pickup:
                raise ScoreError(f"{where}: the bar holds {t - bar_start} ticks, "
                                 f"the time signature asks for {bar_ticks(meter)}")
            bar_start = t
            bar_alter = {}
        elif kind in ("note", "rest"):
            if ev["length"] is not None:
                sticky = (int(ev["length"]), bool(ev["dotted"]))
            elif ev["dotted"]:
                raise ScoreError(f"{where}: a dot needs a written length")
            if sticky is None:
                raise ScoreError(f"{where}: no length given yet")
            value, dotted = sticky
            if value not in LENGTH_CODES:
                raise ScoreError(f"{where}: unknown length /{value}")
            ev["code"] = LENGTH_CODES[value]
            ev["dot"] = dotted
            ev["ticks"] = TICKS[ev["code"]] * 3 // 2 if dotted else TICKS[ev["code"]]
            ev["dynamics"] = pending_dynamics
            pending_dynamics = None
            ev["beam"] = False
            if ev["open"]:
                if beam_group is not None:
                    raise ScoreError(f"{where}: beam group inside a beam group")
                beam_group = []
            if kind == "note":
                step = 122 + 7 * (ev["octave"] - 4) + LETTERS.index(ev["letter"])
                ev["staff"] = step + CLEF_SHIFT[clef]
                if not 1 <= ev["staff"] <= 254:
                    raise ScoreError(f"{where}: staff position {ev['staff']} out of range")
                ev["midi"] = 12 * (ev["octave"] + 1) + SEMITONE[ev["letter"]] + ev["alter"]
                ev["accidental"] = None
                if tied_from is not None:
                    if tied_from != (step, ev["alter"]):
                        raise ScoreError(f"{where}: a tie must join equal pitches")
                    ev["continues_tie"] = True
                else:
                    ev["continues_tie"] = False
                    in_force = bar_alter.get(step, key_alterations(key)[ev["letter"]])
                    if ev["alter"] != in_force:
                        ev["accidental"] = ACCIDENTAL_CODES[ev["alter"]]
                        bar_alter[step] = ev["alter"]
                tied_from = (step, ev["alter"]) if ev["tie"] else None
                if beam_group is not None:
                    if not 4 <= ev["code"] <= 7:
                        raise ScoreError(f"{where}: only eighths and shorter notes are beamed")
                    beam_group.append(ev)
            elif tied_from is not None:
                raise ScoreError(f"{where}: a tie must end on a note")
            if ev["close"]:
                if beam_group is None or len(beam_group) < 2:
                    raise ScoreError(f"{where}: a beam group needs two notes")
                for note in beam_group[:-1]:
                    note["beam"] = True
                beam_group = None
            t += ev["ticks"]
        out.append(ev)
    if pending_dynamics is not None or beam_group is not None or tied_from is not None:
        raise ScoreError(f"{file_name}, part '{part.label}': unfinished mark at the end")
    if t != bar_start:
        raise ScoreError(f"{file_name}, part '{part.label}': the last bar has no bar line")
    part.events = out
    part.total = t

# ---------------------------------------------------------------------------
# Laying the parts out on common columns


def layout(score):
    """Returns one list of columns per part; a column is (main, attached) with main a
    (kind, value) pair or None and attached a dict kind -> value."""
    parts = score["parts"]
    if len({p.total for p in parts}) != 1:
        raise ScoreError(f"{score['file']}: the parts differ in length: "
                         + ", ".join(f"{p.label} {p.total}" for p in parts))
    # Per part and time: zero-length items in order, then the note or rest.
    moments = []
    for p in parts:
        at = {}
        for ev in p.events:
            slot = at.setdefault(ev["t"], {"items": [], "sound": None})
            if ev["type"] in ("note", "rest"):
                slot["sound"] = ev
            else:
                slot["items"].append(ev)
        moments.append(at)
    times = sorted(set().union(*[set(m) for m in moments]))
    columns = [[] for _ in parts]

    def new_column():
        for cols in columns:
            cols.append([None, {}])
        return len(columns[0]) - 1

    def attach(pi, col, kind, value, where):
        if col < 0:
            raise ScoreError(f"{where}: nothing before it to stand after")
        marks = columns[pi][col][1]
        if kind in marks:
            raise ScoreError(f"{where}: two symbols of kind {kind} on one column")
        marks[kind] = value

    for t in times:
        previous = len(columns[0]) - 1
        sign_cols = []
        for pi, at in enumerate(moments):
            slot = at.get(t)
            if slot is None:
                continue
            col = previous
            signs = 0
            for ev in slot["items"]:
                if ev["type"] == "sign":
                    while len(sign_cols) <= signs:
                        sign_cols.append(new_column())
                    col = sign_cols[signs]
                    signs += 1
                    columns[pi][col][0] = (ev["kind"], ev["value"])
                elif ev["type"] == "bar":
                    attach(pi, col, BAR, ev["value"], ev["where"])
                else:
                    attach(pi, col, WORD, ev["value"], ev["where"])
        if any(at.get(t, {}).get("sound") for at in moments):
            col = new_column()
            for pi, at in enumerate(moments):
                ev = at.get(t, {}).get("sound")
                if ev is None:
                    continue
                ev["column"] = col
                if ev["type"] == "note":
                    columns[pi][col][0] = (ev["code"], ev["staff"])
                    if ev["accidental"]:
                        attach(pi, col, ACCIDENTAL, ev["accidental"], ev["where"])
                    if ev["tie"]:
                        attach(pi, col, TIE, 1, ev["where"])
                    if ev["beam"]:
                        attach(pi, col, BEAM, 1, ev["where"])
                else:
                    columns[pi][col][0] = (REST, ev["code"])
                if ev["dot"]:
                    attach(pi, col, DOT, 1, ev["where"])
                if ev["dynamics"] is not None:
                    attach(pi, col, DYNAMICS, ev["dynamics"], ev["where"])
    return columns


def record(column):
    kinds, values = [0] * 15, [0] * 15
    main, attached = column
    if main is not None:
        kinds[0], values[0] = main
    slot = 1
    for kind in ATTACHED_ORDER:
        if kind in attached:
            kinds[slot], values[slot] = kind, attached[kind]
            slot += 1
    return bytes(kinds) + bytes(values)


def score_bytes(score, columns):
    length = len(columns[0]) - 1
    if not 20 <= length <= 32767:
        raise ScoreError(f"{score['file']}: {length + 1} columns is out of range")
    out = bytearray(b"sORN" + b"ORN2")
    out += struct.pack("<iiBih", 11, 7, len(columns) - 1, length, score["tempo"])
    for part, cols in zip(score["parts"], columns):
        out += struct.pack("<iB", 1, part.program)
        for column in cols:
            out += record(column)
    return bytes(out + words_bytes(score))


def words_bytes(score):
    """The extension after the last part: "sEXT", the size of the chunks, then
    chunks of a tag, a size and UTF-8 text; nothing for a score without words."""
    chunks = bytearray()

    def chunk(tag, payload):
        chunks.extend(tag + struct.pack("<I", len(payload)) + payload)

    for field, text in sorted(score.get("credits", {}).items()):
        chunk(b"TEXT", bytes([field]) + text.encode())
    for pi, part in enumerate(score["parts"]):
        for field, text in enumerate((part.name, part.short)):
            if text:
                chunk(b"PART", struct.pack("<HB", pi, field) + text.encode())
        for verse, tokens in sorted(part.verses.items()):
            chunk(b"LYRC", struct.pack("<HB", pi, verse) + lyric_entries(part, verse, tokens))
    return b"sEXT" + struct.pack("<I", len(chunks)) + chunks if chunks else b""


def lyric_entries(part, verse, tokens):
    notes = [ev for ev in part.events if ev["type"] == "note" and not ev["continues_tie"]]
    if len(tokens) > len(notes):
        raise ScoreError(f"part '{part.label}', verse {verse + 1}: "
                         f"{len(tokens)} syllables for {len(notes)} notes")
    out = bytearray()
    hyphen_before = False
    for note, token in zip(notes, tokens):
        if token == "*":
            continue
        extend = token.endswith("_")
        token = token.rstrip("_")
        hyphen = token.endswith("-")
        text = token.rstrip("-").encode()
        syllabic = (2 if hyphen_before else 1) if hyphen else (3 if hyphen_before else 0)
        hyphen_before = hyphen
        out += struct.pack("<HBB", note["column"], syllabic | (4 if extend else 0), len(text))
        out += text
    return bytes(out)

# ---------------------------------------------------------------------------
# Reading a score file back and playing it the way the program does


def read_sorn(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"sORN" + b"ORN2":
        raise ScoreError(f"{path}: not a current score file")
    header_size, version, last_part, length, tempo = struct.unpack_from("<iiBih", data, 8)
    if header_size != 11 or version != 7:
        raise ScoreError(f"{path}: unexpected header size {header_size} or version {version}")
    offset = 23
    parts = []
    for _ in range(last_part + 1):
        part_header, program = struct.unpack_from("<iB", data, offset)
        if part_header != 1:
            raise ScoreError(f"{path}: unexpected part header size {part_header}")
        offset += 5
        records = []
        for _ in range(length + 1):
            chunk = data[offset:offset + 30]
            records.append((list(chunk[:15]), list(chunk[15:])))
            offset += 30
        parts.append({"program": program, "records": records})
    if offset != len(data) and data[offset:offset + 4] != b"sEXT":
        raise ScoreError(f"{path}: {len(data) - offset} bytes after the last part")
    return {"path": path, "tempo": tempo, "length": length, "parts": parts}


def attached(rec, kind):
    """Values of the attached symbols of one kind (slots 1..14)."""
    kinds, values = rec
    return [values[s] for s in range(1, 15) if kinds[s] == kind]


def play(records, follow_repeats=True):
    """Sounds one part the way the program's export does: returns a list of
    (start tick, MIDI note, length in ticks, velocity) and the total ticks."""
    clef, velocity = 1, 90
    key_acc, cur_acc = [0] * 256, [0] * 256
    last = len(records) - 1

    def length_of(i):
        kinds, values = records[i]
        if 1 <= kinds[0] <= 7:
            ticks = TICKS[kinds[0]]
        elif kinds[0] == REST:
            ticks = TICKS.get(values[0], 0)
        else:
            return 0
        for v in attached(records[i], DOT):
            if v == 1:
                ticks = ticks * 3 // 2
        return ticks

    def reset_bar(i):
        if attached(records[i], BAR):
            cur_acc[:] = key_acc

    def pitch_of(i):
        kinds, values = records[i]
        a = values[0] - CLEF_SHIFT.get(clef, 0)
        offset = ACCIDENTAL_SEMITONES.get(cur_acc[a], 0)
        for v in attached(records[i], ACCIDENTAL):
            if 1 <= v <= 5:
                offset = ACCIDENTAL_SEMITONES[v]
            cur_acc[a] = v
        base = 12 * int((a - 87) / 7) + [7, 9, 11, 0, 2, 4, 5][a % 7]
        return base + offset

    def tie_from(i):
        kinds, values = records[i]
        if not 1 <= kinds[0] <= 7 or 1 not in attached(records[i], TIE):
            return 0, i
        for q in range(i + 1, last + 1):
            qk, qv = records[q]
            if qk[0] == 0:
                if set(attached(records[q], BAR)) & {16, 17, 18} or \
                        set(attached(records[q], WORD)) & {1, 2}:
                    return 0, i
                reset_bar(q)
                continue
            if not 1 <= qk[0] <= 7 or qv[0] != values[0]:
                return 0, i
            more, end = tie_from(q)
            return length_of(q) + more, end
        return 0, i

    notes, t, i, state = [], 0, 0, "normal"
    while i <= last:
        ticks = length_of(i)
        for v in attached(records[i], DYNAMICS):
            velocity = {13: 127, 12: 120, 11: 112, 10: 100, 9: 90,
                        1: 80, 2: 64, 3: 48, 4: 32, 5: 16}.get(v, velocity)
        kind, value = records[i][0][0], records[i][1][0]
        if kind == REST:
            t += ticks
        elif 1 <= kind <= 7:
            midi = pitch_of(i)
            extra, i = tie_from(i)
            notes.append((t, midi, ticks + extra, velocity))
            t += ticks + extra
        elif kind == CLEF:
            clef = value
        elif kind == KEY:
            alt = key_alterations(value % 16)
            for a in range(256):
                key_acc[a] = cur_acc[a] = {1: 1, -1: 4, 0: 0}[alt[LETTERS[(a + 4) % 7]]]
        reset_bar(i)
        if follow_repeats:
            kinds, values = records[i]
            for s in range(1, 15):
                if kinds[s] == BAR and values[s] in (16, 18):
                    state = {"normal": "jump", "repeat": "normal"}.get(state, state)
                elif kinds[s] == WORD and values[s] in (1, 2) and state == "normal":
                    state = "dc"
                elif kinds[s] == WORD and values[s] == 8 and state == "after dc":
                    return notes, t
            if state == "jump":
                target = 0
                for p in range(i - 1, -1, -1):
                    if set(attached(records[p], BAR)) & {16, 17, 18}:
                        target = p + 1
                        break
                i, state = target, "repeat"
                continue
            if state == "dc":
                i, state = 0, "after dc"
                continue
        i += 1
    return notes, t

# ---------------------------------------------------------------------------
# Writing


def expected_notes(part):
    """(start, MIDI note, length) of every sounding note, ties joined."""
    notes = []
    joining = False
    for ev in part.events:
        if ev["type"] != "note":
            continue
        if joining:
            start, midi, ticks = notes[-1]
            notes[-1] = (start, midi, ticks + ev["ticks"])
        else:
            notes.append((ev["t"], ev["midi"], ev["ticks"]))
        joining = ev["tie"]
    return notes


def write_all(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for text in SCORES:
        score = parse_score(text)
        columns = layout(score)
        data = score_bytes(score, columns)
        path = os.path.join(out_dir, score["file"])
        with open(path, "wb") as f:
            f.write(data)
        # Read the file back and play it straight through: every note must sound
        # at the pitch and time written in the text above.
        written = read_sorn(path)
        for part, back in zip(score["parts"], written["parts"]):
            heard, _ = play(back["records"], follow_repeats=False)
            if [n[:3] for n in heard] != expected_notes(part):
                raise ScoreError(f"{path}, part '{part.label}': the file does not sound "
                                 "as written")
        print(f"{path}: {score['title']}, {len(columns)} part(s), Length {written['length']}, "
              f"tempo {score['tempo']}, programs "
              + ", ".join(f"{p.program} ({p.label})" for p in score["parts"])
              + f", {len(data)} bytes")

# ---------------------------------------------------------------------------
# Checking: which codes the files use


def check_bars(path, pi, records, problems):
    meter, ticks, first = None, 0, True
    for i, (kinds, values) in enumerate(records):
        if kinds[0] == TIME:
            meter = values[0]
        if 1 <= kinds[0] <= 7 or kinds[0] == REST:
            base = TICKS.get(kinds[0] if kinds[0] != REST else values[0], 0)
            ticks += base * 3 // 2 if 1 in attached((kinds, values), DOT) else base
        if attached((kinds, values), BAR):
            pickup = first and meter is not None and 0 < ticks < bar_ticks(meter)
            if (meter is None or ticks not in (0, bar_ticks(meter))) and not pickup:
                problems.append(f"{path} part {pi + 1} position {i}: bar of {ticks} ticks")
            ticks, first = 0, False
    if ticks:
        problems.append(f"{path} part {pi + 1}: {ticks} ticks after the last bar line")


def check(paths):
    use = {}          # (what, value) -> set of file names

    def saw(what, value, path):
        use.setdefault((what, value), set()).add(os.path.basename(path))

    problems = []
    for path in paths:
        score = read_sorn(path)
        saw("tempo", score["tempo"], path)
        totals = set()
        for pi, part in enumerate(score["parts"]):
            records = part["records"]
            saw("program", part["program"], path)
            starts = [records[i][0][0] for i in range(min(3, len(records)))]
            if sorted(starts) != [CLEF, TIME, KEY]:
                problems.append(f"{path} part {pi + 1}: does not open with clef, key and time")
            check_bars(path, pi, records, problems)
            _, total = play(records)
            totals.add(total)
            key = 0
            group = []
            chained = set()
            for i, (kinds, values) in enumerate(records):
                main = kinds[0]
                if 1 <= main <= 7:
                    saw("note", main, path)
                    if 1 in attached(records[i], DOT):
                        saw("dotted note", main, path)
                elif main == REST:
                    saw("rest", values[0], path)
                    if 1 in attached(records[i], DOT):
                        saw("dotted rest", values[0], path)
                elif main == CLEF:
                    saw("clef", values[0], path)
                elif main == TIME:
                    saw("time", values[0], path)
                elif main == KEY:
                    new = values[0]
                    if i > 2:
                        if 1 <= new < key <= 7:
                            saw("key change", "more sharps -> fewer", path)
                        if 1 <= key <= 7 and 8 <= new <= 14:
                            saw("key change", "sharps -> flats", path)
                        if 8 <= key <= 14 and new == 0:
                            saw("key change", "flats -> C", path)
                        saw("key change", f"{key}->{new}", path)
                    key = new
                    saw("key", new, path)
                for kind, what in ((ACCIDENTAL, "accidental"), (BAR, "bar line"),
                                   (DYNAMICS, "dynamics"), (WORD, "repeat word")):
                    for v in attached(records[i], kind):
                        saw(what, v, path)
                if attached(records[i], BEAM):
                    if not 4 <= main <= 7:
                        problems.append(f"{path} part {pi + 1} position {i}: beam on kind {main}")
                    saw("beamed note", main, path)
                # Beam groups: a beamed note, then notes up to the first without a beam.
                if 1 <= main <= 7:
                    group.append(main)
                    if not attached(records[i], BEAM):
                        if len(group) > 1:
                            saw("beam group", "mixed" if len(set(group)) > 1 else "plain", path)
                        group = []
                # Tie chains, followed from their first note.
                if 1 <= main <= 7 and 1 in attached(records[i], TIE) and i not in chained:
                    chain, across, q, staff = 1, False, i, values[0]
                    while 1 in attached(records[q], TIE):
                        across = across or bool(attached(records[q], BAR))
                        nxt = q + 1
                        while nxt < len(records) and records[nxt][0][0] == 0:
                            across = across or bool(attached(records[nxt], BAR))
                            nxt += 1
                        if nxt >= len(records) or records[nxt][0][0] not in NOTE_KINDS \
                                or records[nxt][1][0] != staff:
                            problems.append(f"{path} part {pi + 1} position {q}: broken tie")
                            break
                        chain, q = chain + 1, nxt
                        chained.add(q)
                    saw("tie chain", chain, path)
                    if across:
                        saw("tie", "across a bar line", path)
        if len(totals) != 1:
            problems.append(f"{path}: the parts play for different times {sorted(totals)}")
        else:
            saw("playing time", f"{os.path.basename(path)} {totals.pop()} ticks", path)

    def used(what, value):
        return sorted(use.get((what, value), ()))

    lines, missing = [], []

    def row(label, what, values, names=None):
        cells = []
        for v in values:
            files = used(what, v)
            name = names[v] if names else str(v)
            cells.append(f"{name}:{','.join(f[:-5] for f in files) if files else 'MISSING'}")
            if not files:
                missing.append(f"{label} {name}")
        lines.append(f"{label:<14} " + "  ".join(cells))

    lengths = {1: "1", 2: "2", 3: "4", 4: "8", 5: "16", 6: "32", 7: "64"}
    row("notes", "note", range(1, 8), {k: "1/" + v for k, v in lengths.items()})
    row("rests", "rest", range(1, 8), {k: "1/" + v for k, v in lengths.items()})
    dotted_notes = sorted(v for (w, v) in use if w == "dotted note")
    dotted_rests = sorted(v for (w, v) in use if w == "dotted rest")
    lines.append(f"{'dots':<14} on notes 1/" + " 1/".join(lengths[v] for v in dotted_notes)
                 + "; on rests 1/" + " 1/".join(lengths[v] for v in dotted_rests))
    if not dotted_notes:
        missing.append("dot on a note")
    if not dotted_rests:
        missing.append("dot on a rest")
    chains = sorted(v for (w, v) in use if w == "tie chain")
    lines.append(f"{'ties':<14} chains of " + ", ".join(map(str, chains)) + " notes; across a bar line: "
                 + (",".join(used("tie", "across a bar line")) or "MISSING"))
    if not chains or max(chains) < 3:
        missing.append("tie chain of three notes")
    if not used("tie", "across a bar line"):
        missing.append("tie across a bar line")
    row("accidentals", "accidental", [1, 2, 3, 4, 5],
        {1: "#", 2: "##", 3: "natural", 4: "b", 5: "bb"})
    row("clefs", "clef", [1, 2, 10, 11], {1: "G", 2: "F", 10: "alto", 11: "tenor"})
    row("key changes", "key change", ["more sharps -> fewer", "sharps -> flats", "flats -> C"],
        {"more sharps -> fewer": "fewer#", "sharps -> flats": "#->b", "flats -> C": "b->C"})
    changes = sorted(v for (w, v) in use if w == "key change" and v[0].isdigit())
    lines.append(f"{'key codes':<14} " + " ".join(str(v) for (w, v) in sorted(
        k for k in use if k[0] == "key")) + "; changes " + " ".join(
        f"{v}({','.join(f[:-5] for f in used('key change', v))})" for v in changes))
    times = sorted(v for (w, v) in use if w == "time")
    lines.append(f"{'time sigs':<14} " + "  ".join(
        f"{v // 8 + 1}/{1 << (v % 8)}(code {v}):{','.join(f[:-5] for f in used('time', v))}"
        for v in times))
    for need in (time_code(4, 4), time_code(3, 4), time_code(6, 8), time_code(2, 2)):
        if need not in times:
            missing.append(f"time signature code {need}")
    row("bar lines", "bar line", [0, 1, 2, 16, 17, 18],
        {0: "single", 1: "double", 2: "final", 16: "rep-end", 17: "rep-start", 18: "rep-both"})
    row("repeat words", "repeat word", [1, 2, 8], {1: "D.C.", 2: "Da Capo", 8: "Fine"})
    row("dynamics", "dynamics", [5, 4, 3, 2, 1, 9, 10, 11, 12, 13],
        {v: k for k, v in DYNAMICS_CODES.items()})
    row("beams", "beamed note", [4, 5, 6, 7], {k: "on 1/" + lengths[k] for k in (4, 5, 6, 7)})
    row("beam groups", "beam group", ["plain", "mixed"])
    programs = sorted(v for (w, v) in use if w == "program")
    lines.append(f"{'programs':<14} " + " ".join(map(str, programs)))
    lines.append(f"{'tempos':<14} " + " ".join(str(v) for (w, v) in sorted(
        k for k in use if k[0] == "tempo")))
    lines.append(f"{'playing time':<14} " + "; ".join(v for (w, v) in sorted(
        k for k in use if k[0] == "playing time")) + " (repeats and D.C. taken)")
    print("\n".join(lines))
    for p in problems:
        print("problem:", p)
    for m in missing:
        print("missing:", m)
    if problems or missing:
        return 1
    print(f"all codes covered by {len(paths)} files")
    return 0


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_dir = os.path.join(os.path.dirname(here), "data", "examples")
    ap = argparse.ArgumentParser(description="Writes or checks the example scores.")
    ap.add_argument("--out", default=default_dir, help="folder to write into")
    ap.add_argument("--check", nargs="*", metavar="FILE",
                    help="check score files instead of writing (default: the examples)")
    args = ap.parse_args()
    try:
        if args.check is not None:
            paths = args.check or sorted(
                os.path.join(default_dir, f) for f in os.listdir(default_dir)
                if f.endswith(".sorn"))
            return check(paths)
        write_all(args.out)
    except ScoreError as e:
        print("error:", e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
