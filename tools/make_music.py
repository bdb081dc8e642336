#!/usr/bin/python3
"""Compose the level music: four looping General MIDI pieces in data/audio/.

Each piece is written here as chords per bar and a hand-written melody in
note names; bass, accompaniment and drums are arranged from the chords by
style rules, with a fixed seed for the small velocity variations. Every
piece is a whole number of bars: its last bar turns back to the first, and
all notes are released by the final bar line, so the music loops cleanly.

Usage: /usr/bin/python3 tools/make_music.py [output folder]
"""

import os
import random
import sys

import miditrack

DIVISION = 480  # ticks per quarter note

PITCH_CLASS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
DURATION = {"w": 4.0, "h": 2.0, "q": 1.0, "e": 0.5, "s": 0.25}
QUALITY = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
           "maj7": (0, 4, 7, 11), "dim": (0, 3, 6, 9), "6": (0, 4, 7, 9)}
MAJOR_SCALE = (0, 2, 4, 5, 7, 9, 11)

# General MIDI programs (numbered from 0) and drum keys.
MARIMBA, GLOCKENSPIEL, XYLOPHONE, VIBES, CELESTA = 12, 9, 13, 11, 8
BRIGHT_PIANO, EPIANO, HARP, PIZZICATO, STRINGS = 1, 4, 46, 45, 48
ACOUSTIC_BASS, FINGER_BASS, TUBA = 32, 33, 58
CLARINET, FLUTE, STEEL_DRUMS = 71, 73, 114
KICK, SIDE_STICK, SNARE, CLAP, HAT, PEDAL_HAT, OPEN_HAT = 36, 37, 38, 39, 42, 44, 46
LOW_TOM, MID_TOM, HIGH_TOM, CRASH, RIDE, TAMBOURINE, SHAKER = 45, 47, 50, 49, 51, 54, 70
TRIANGLE, HI_WOOD, LOW_WOOD = 81, 76, 77

MELODY, DOUBLE, BASS, COMP, PAD, DRUMS = 0, 1, 2, 3, 4, 9


def note_number(name):
    """'C5' -> 72, 'F#4' -> 66, 'Bb3' -> 58."""
    pc = PITCH_CLASS[name[0]]
    i = 1
    while i < len(name) and name[i] in "#b":
        pc += 1 if name[i] == "#" else -1
        i += 1
    return 12 * (int(name[i:]) + 1) + pc


def parse_melody(text, beats_per_bar):
    """Bars of (beat, length, pitch or None) from 'E5:q D5:e ... | ...'."""
    bars = []
    for n, bar_text in enumerate(text.split("|")):
        notes = []
        beat = 0.0
        for token in bar_text.split():
            name, dur = token.split(":")
            length = DURATION[dur.rstrip(".")] * (1.5 if dur.endswith(".") else 1.0)
            notes.append((beat, length, None if name == "r" else note_number(name)))
            beat += length
        if abs(beat - beats_per_bar) > 1e-9:
            raise ValueError("melody bar %d has %g beats: %r" % (n + 1, beat, bar_text))
        bars.append(notes)
    return bars


def parse_chord(symbol):
    """'Dm7' -> (root pitch class, intervals)."""
    root = PITCH_CLASS[symbol[0]]
    i = 1
    if i < len(symbol) and symbol[i] in "#b":
        root += 1 if symbol[i] == "#" else -1
        i += 1
    return root % 12, QUALITY[symbol[i:]]


def chord_bars(text):
    """Each bar a list of chords sharing the bar evenly."""
    return [[parse_chord(s) for s in bar.split()] for bar in text.split("|")]


def place(pc, low):
    """The pitch of pitch class pc at or above `low`, within an octave."""
    return low + (pc - low) % 12


class Arranger:
    def __init__(self, piece):
        self.p = piece
        self.beats = piece["beats"]
        self.bar_ticks = self.beats * DIVISION
        self.rnd = random.Random(piece["seed"])
        self.scale = [(piece["key"] + d) % 12 for d in MAJOR_SCALE]
        self.tracks = {}
        # Flatten the form into bars: (section name, bar in section, chords, melody).
        self.bars = []
        for name in piece["form"]:
            sec = piece["sections"][name]
            chords = chord_bars(sec["chords"])
            melody = parse_melody(sec["melody"], self.beats)
            if len(chords) != len(melody):
                raise ValueError("section %s: %d chord bars, %d melody bars" % (name, len(chords), len(melody)))
            for i, (c, m) in enumerate(zip(chords, melody)):
                self.bars.append((name, i, c, m))
        self.end = len(self.bars) * self.bar_ticks

    def tick(self, bar, beat):
        """Tick of a beat in a bar, with swing on off-beat eighths if asked."""
        whole = int(beat)
        frac = beat - whole
        swing = self.p.get("swing", 0.5)
        if frac <= 0.5:
            frac = frac / 0.5 * swing
        else:
            frac = swing + (frac - 0.5) / 0.5 * (1.0 - swing)
        return bar * self.bar_ticks + int(round((whole + frac) * DIVISION))

    def track(self, channel):
        return self.tracks[channel]

    def vel(self, base, spread=6):
        return max(1, min(127, base + self.rnd.randint(-spread, spread)))

    def add(self, channel, bar, beat, length, pitch, velocity, gate=0.92):
        start = self.tick(bar, beat)
        if not 0 <= start < self.end or beat >= self.beats:
            raise ValueError("note outside its bar: bar %d beat %g" % (bar, beat))
        stop = min(self.tick(bar, beat + length), self.end)
        ticks = max(1, min(int((stop - start) * gate), self.end - start))
        self.track(channel).note(start, channel, pitch, velocity, ticks)

    def setup(self):
        p = self.p
        conductor = miditrack.Track(p["title"])
        conductor.tempo(0, p["tempo"])
        conductor.time_signature(0, self.beats, 4)
        conductor.key_signature(0, p["sharps"])
        self.conductor = conductor
        for channel, (name, program, volume, pan) in p["instruments"].items():
            t = miditrack.Track(name)
            if channel != DRUMS:
                t.program(0, channel, program)
            t.control(0, channel, 7, volume)
            t.control(0, channel, 10, pan)
            t.control(0, channel, 91, p.get("reverb", 40))
            self.tracks[channel] = t

    # --- parts ---------------------------------------------------------------

    def melody(self):
        p = self.p
        for bar, (name, i, _chords, notes) in enumerate(self.bars):
            doubled = name in p.get("double_in", ())
            for beat, length, pitch in notes:
                if pitch is None:
                    continue
                strong = beat == int(beat) and int(beat) % 2 == 0
                v = self.vel(p["melody_vel"] + (8 if strong else 0))
                self.add(MELODY, bar, beat, length, pitch, v, gate=p.get("melody_gate", 0.9))
                if doubled:
                    self.add(DOUBLE, bar, beat, length, pitch + p["double_shift"], self.vel(p["double_vel"]), 0.8)

    def segments(self, bar):
        """The chords of a bar with their start beat and length."""
        chords = self.bars[bar][2]
        share = self.beats / len(chords)
        return [(k * share, share, c) for k, c in enumerate(chords)]

    def next_root(self, bar, seg_index):
        segs = self.segments(bar)
        if seg_index + 1 < len(segs):
            return segs[seg_index + 1][2][0]
        nxt = (bar + 1) % len(self.bars)  # the last bar leads back to the first
        return self.segments(nxt)[0][2][0]

    def approach(self, target, below):
        """A scale tone one step below (or above) a target pitch."""
        step = -1 if below else 1
        pitch = target + step
        while pitch % 12 not in self.scale:
            pitch += step
        return pitch

    def bass(self):
        style = self.p["bass_style"]
        low = self.p.get("bass_low", 33)
        v = self.p["bass_vel"]
        for bar in range(len(self.bars)):
            segs = self.segments(bar)
            for k, (start, length, (root, intervals)) in enumerate(segs):
                r = place(root, low)
                fifth = r + 7 if r + 7 <= low + 16 else r - 5
                third = r + intervals[1]
                nxt = place(self.next_root(bar, k), low)
                appr = self.approach(nxt, below=(bar % 2 == 0))
                last_in_bar = k == len(segs) - 1
                if style == "bounce":
                    if length >= 4:
                        pat = [(0, 1, r, 0), (1, .5, fifth, -10), (1.5, .5, r + 12, -6), (2, 1, fifth, -4), (3, 1, appr, -8)]
                    else:
                        pat = [(0, 1, r, 0), (1, 1, appr if last_in_bar else fifth, -8)]
                elif style == "oompah":
                    low_fifth = r - 5 if r - 5 >= 28 else r + 7
                    if length >= 4:
                        pat = [(0, 1, r, 0), (2, 1, low_fifth, -8)]
                    else:
                        pat = [(0, 1, r, 0)]
                    if bar % 8 == 7 and last_in_bar:  # a walk-up into the next phrase
                        if length >= 4:
                            pat = [(0, 1, r, 0), (2, .5, r + 2 if (r + 2) % 12 in self.scale else r + 1, -10),
                                   (2.5, .5, third, -10), (3, 1, appr, -6)]
                        else:
                            pat = [(0, 1, r, 0), (1, 1, appr, -6)]
                elif style == "waltz":
                    pat = [(0, 1, r if bar % 2 == 0 else fifth, 0), (2, 1, third + 12 if bar % 4 == 3 else fifth, -18)]
                elif style == "walk":
                    if length >= 4:
                        pat = [(0, 1, r, 0), (1, 1, third, -8), (2, 1, fifth, -5), (3, 1, appr, -8)]
                    else:
                        pat = [(0, 1, r, 0), (1, 1, appr if last_in_bar else fifth, -8)]
                else:
                    raise ValueError(style)
                for beat, dur, pitch, dv in pat:
                    self.add(BASS, bar, start + beat, dur, pitch, self.vel(v + dv), gate=0.85)

    def voicing(self, root, intervals, low):
        return sorted(place((root + iv) % 12, low) for iv in intervals)

    def comp(self):
        style = self.p["comp_style"]
        v = self.p["comp_vel"]
        for bar in range(len(self.bars)):
            for start, length, (root, intervals) in self.segments(bar):
                if style == "offbeat":  # short chords on the off-beats
                    chord = self.voicing(root, intervals, 55)
                    for b in (x + 0.5 for x in range(int(length))):
                        for pitch in chord:
                            self.add(COMP, bar, start + b, 0.5, pitch, self.vel(v - (0 if b % 2 else 6)), 0.6)
                elif style == "afterbeat":  # oom-PAH: chords on beats 2 and 4
                    chord = self.voicing(root, intervals, 57)
                    for b in range(1, int(length), 2):
                        for pitch in chord:
                            self.add(COMP, bar, start + b, 1, pitch, self.vel(v), 0.45)
                elif style == "arpeggio":  # rolling eighths up and down
                    r = place(root, 43)
                    third = intervals[1]
                    shape = [r, r + 7, r + 12, r + 12 + third, r + 19, r + 12 + third]
                    for j in range(int(length * 2)):
                        self.add(COMP, bar, start + j * 0.5, 0.5 if j % 2 else 1.0, shape[j % 6],
                                 self.vel(v + (6 if j == 0 else 0)), 0.95)
                else:
                    raise ValueError(style)

    def pad(self):
        sections = self.p.get("pad_in", ())
        for bar, (name, _i, _c, _m) in enumerate(self.bars):
            if name not in sections:
                continue
            for start, length, (root, intervals) in self.segments(bar):
                for pitch in self.voicing(root, intervals[:3], 60):
                    self.add(PAD, bar, start, length, pitch, self.vel(self.p["pad_vel"], 3), 0.98)

    def drums(self):
        style = self.p["drum_style"]
        v = self.p["drum_vel"]
        nbars = len(self.bars)
        for bar, (name, i, _c, _m) in enumerate(self.bars):
            hits = []
            phrase_end = i % 8 == 7
            if i == 0:
                hits.append((0, CRASH if bar == 0 or name != self.bars[bar - 1][0] else TRIANGLE, -4))
            if style == "pop":
                hits += [(0, KICK, 0), (2, KICK, -6), (1, SNARE, -10), (3, SNARE, -10)]
                if bar % 2 == 1:
                    hits.append((2.5, KICK, -14))
                hits += [(x * 0.5, HAT, -20 if x % 2 else -12) for x in range(8)]
            elif style == "march":
                hits += [(0, KICK, 0), (2, KICK, -6), (1, SNARE, -16), (3, SNARE, -16),
                         (1, TAMBOURINE, -18), (3, TAMBOURINE, -18)]
                hits += [(x * 0.5, HAT, -24 if x % 2 else -16) for x in range(8)]
                hits += [(3.75, SNARE, -32)]
            elif style == "waltz":
                hits += [(0, KICK, -4), (1, SIDE_STICK, -22), (2, SIDE_STICK, -22)]
                hits += [(x * 0.5, SHAKER, -30 if x % 2 else -24) for x in range(6)]
            elif style == "swing":
                hits += [(0, RIDE, -12), (1, RIDE, -8), (1.5, RIDE, -20), (2, RIDE, -12), (3, RIDE, -8), (3.5, RIDE, -20),
                         (1, PEDAL_HAT, -20), (3, PEDAL_HAT, -20), (0, KICK, -6), (2, KICK, -12), (3, SIDE_STICK, -14)]
            else:
                raise ValueError(style)
            if phrase_end:
                # A fill in the second half of the bar, leading to the next phrase.
                half = self.beats / 2.0
                hits = [h for h in hits if h[0] < half]
                fill = (HIGH_TOM, HIGH_TOM, MID_TOM, MID_TOM, LOW_TOM, LOW_TOM, SNARE, SNARE)
                steps = int((self.beats - half) * 4)
                for k in range(steps):
                    hits.append((half + k * 0.25, fill[int(k * len(fill) / steps)], -14 + k))
                if bar == nbars - 1:
                    hits.append((self.beats - 0.5, KICK, -6))
            for beat, key, dv in hits:
                self.add(DRUMS, bar, beat, 0.25, key, self.vel(v + dv, 5), 0.9)

    def compose(self):
        """The piece as a mido.MidiFile."""
        self.setup()
        self.melody()
        self.bass()
        self.comp()
        self.pad()
        self.drums()
        order = [self.conductor] + [self.tracks[c] for c in sorted(self.tracks)]
        return miditrack.midi_file(order, DIVISION, self.end)

    def seconds(self):
        return self.end / DIVISION * 60.0 / self.p["tempo"]


# --- the pieces ---------------------------------------------------------------

# pond1: a hopping marimba tune in C major.
P1_A_HEAD = ("E5:q. D5:e C5:q G4:q | A4:e B4:e C5:e E5:e A5:h | A5:q. G5:e F5:q C5:q | "
             "D5:e E5:e F5:e D5:e G5:h | E5:q. D5:e C5:q G4:q | A4:e B4:e C5:e E5:e A5:q G5:q | ")
POND1 = {
    "title": "Pond 1: Lily Hop", "tempo": 116, "beats": 4, "key": 0, "sharps": 0, "seed": 101,
    "instruments": {MELODY: ("Marimba", MARIMBA, 110, 54), DOUBLE: ("Glockenspiel", GLOCKENSPIEL, 70, 80),
                    BASS: ("Bass", ACOUSTIC_BASS, 105, 64), COMP: ("Piano", BRIGHT_PIANO, 72, 40),
                    PAD: ("Strings", STRINGS, 60, 88), DRUMS: ("Drums", 0, 90, 64)},
    "sections": {
        "A": {"chords": "C | Am | F | G | C | Am | Dm7 G7 | C",
              "melody": P1_A_HEAD + "F5:e E5:e D5:q D5:e C5:e B4:q | C5:h r:q G4:q"},
        "A2": {"chords": "C | Am | F | G | C | Am | F G | C",
               "melody": P1_A_HEAD + "A5:e G5:e F5:e E5:e D5:q G5:q | C6:q G5:e E5:e C5:h"},
        "B": {"chords": "F | G | Em | Am | F | G | Am D7 | G",
              "melody": "r:e C5:e F5:e A5:e C6:q A5:q | B5:q. A5:e G5:h | r:e B4:e E5:e G5:e B5:q G5:q | "
                        "A5:q. G5:e E5:h | r:e C5:e F5:e A5:e C6:q D6:q | B5:q. C6:e D6:h | "
                        "C6:e B5:e A5:q F#5:e G5:e A5:q | B5:q A5:e G5:e D5:q G4:q"},
        "A3": {"chords": "C | Am | F | G | C | Am | Dm7 G7 | C G7",
               "melody": P1_A_HEAD + "F5:e E5:e D5:q D5:e E5:e F5:q | E5:q C5:q D5:e B4:e G4:q"},
    },
    "form": ["A", "A2", "B", "A3"],
    "melody_vel": 96, "double_in": ("A3",), "double_shift": 12, "double_vel": 62, "pad_in": ("B",), "pad_vel": 46,
    "bass_style": "bounce", "bass_vel": 92, "comp_style": "offbeat", "comp_vel": 58,
    "drum_style": "pop", "drum_vel": 92,
}

# pond2: a strutting clarinet march in F major with tuba.
P2_A_HEAD = ("C5:e. A4:s C5:e. A4:s F5:q C5:q | D5:e. Bb4:s D5:e. Bb4:s F5:q D5:q | C5:q E5:q G5:q Bb5:q | "
             "A5:h F5:q r:q | C5:e. A4:s C5:e. A4:s F5:q A5:q | ")
POND2 = {
    "title": "Pond 2: Shell Parade", "tempo": 132, "beats": 4, "key": 5, "sharps": -1, "seed": 202,
    "instruments": {MELODY: ("Clarinet", CLARINET, 104, 60), DOUBLE: ("Xylophone", XYLOPHONE, 80, 84),
                    BASS: ("Tuba", TUBA, 100, 56), COMP: ("Pizzicato", PIZZICATO, 96, 40),
                    PAD: ("Strings", STRINGS, 58, 90), DRUMS: ("Drums", 0, 84, 64)},
    "sections": {
        "A": {"chords": "F | Bb | C7 | F | F | Bb | C7 | F",
              "melody": P2_A_HEAD + "Bb5:q. A5:e G5:q F5:q | E5:e F5:e G5:e E5:e C5:q E5:q | F5:h r:q C5:q"},
        "A2": {"chords": "F | Bb | C7 | F | F | Bb | C7 | F",
               "melody": P2_A_HEAD + "Bb5:e A5:e G5:e F5:e G5:q Bb5:q | Bb5:e A5:e G5:e E5:e G5:q C5:q | F5:h. r:q"},
        "B": {"chords": "Dm | Gm | C7 | F | Dm | Gm | G7 | C7",
              "melody": "A5:h F5:q D5:q | Bb5:h G5:q D5:q | C5:q E5:e G5:e Bb5:q G5:q | A5:h. r:q | "
                        "D5:e E5:e F5:e A5:e D6:q A5:q | Bb5:e A5:e G5:e F5:e G5:q D5:q | B4:q D5:q F5:q G5:q | "
                        "E5:q G5:e F5:e E5:q D5:q"},
        "A3": {"chords": "F | Bb | C7 | F | F | Bb | C7 | F C7",
               "melody": P2_A_HEAD + "Bb5:q. A5:e G5:q F5:q | G5:e A5:e Bb5:e G5:e E5:q C5:q | "
                                     "F5:q A5:q G5:e E5:e C5:e Bb4:e"},
    },
    "form": ["A", "A2", "B", "A3"],
    "melody_vel": 92, "melody_gate": 0.82, "double_in": ("B",), "double_shift": 12, "double_vel": 58,
    "pad_in": ("B",), "pad_vel": 40,
    "bass_style": "oompah", "bass_low": 34, "bass_vel": 96, "comp_style": "afterbeat", "comp_vel": 64,
    "drum_style": "march", "drum_vel": 92,
}

# pond3: a breezy flute waltz in G major over a rolling harp.
P3_A_HEAD = "D5:q G5:q B5:q | D6:h B5:q | C6:q E6:q C6:q | B5:h. | "
POND3 = {
    "title": "Pond 3: Dragonfly Waltz", "tempo": 138, "beats": 3, "key": 7, "sharps": 1, "seed": 303,
    "instruments": {MELODY: ("Flute", FLUTE, 104, 70), DOUBLE: ("Celesta", CELESTA, 78, 44),
                    BASS: ("Bass", ACOUSTIC_BASS, 100, 60), COMP: ("Harp", HARP, 92, 50),
                    PAD: ("Strings", STRINGS, 62, 80), DRUMS: ("Drums", 0, 80, 64)},
    "sections": {
        "A": {"chords": "G | G | C | G | Em | A7 | D | D7",
              "melody": P3_A_HEAD + "G5:q B5:q E6:q | C#6:h A5:q | F#5:q A5:q D6:q | C6:h A5:q"},
        "A2": {"chords": "G | G | C | G | C | D7 | G | G",
               "melody": P3_A_HEAD + "E6:q D6:q C6:q | A5:h F#5:q | G5:q B5:q D6:q | G6:h."},
        "B": {"chords": "Em | C | G | D | Em | C | A7 | D7",
              "melody": "B5:e A5:e G5:q E5:q | E5:e G5:e C6:h | B5:e A5:e G5:q D5:q | F#5:e A5:e D6:h | "
                        "E6:e D6:e B5:q G5:q | A5:e B5:e C6:q E6:q | C#6:q. B5:e A5:q | D6:q C6:q A5:q"},
        "A3": {"chords": "G | G | C | G | C | D7 | G | D7",
               "melody": P3_A_HEAD + "E6:q D6:q C6:q | A5:h F#5:q | G5:q D6:q B5:q | A5:h F#5:q"},
    },
    "form": ["A", "A2", "B", "A3"],
    "melody_vel": 92, "melody_gate": 0.95, "double_in": ("A3",), "double_shift": 0, "double_vel": 56,
    "pad_in": ("B",), "pad_vel": 44,
    "bass_style": "waltz", "bass_low": 36, "bass_vel": 88, "comp_style": "arpeggio", "comp_vel": 62,
    "drum_style": "waltz", "drum_vel": 86,
}

# pond4: a sunny swing for steel drums in B flat.
P4_A_HEAD = ("F5:e D5:e F5:e Bb5:e r:e Bb5:e A5:e Bb5:e | G5:q D5:q Bb4:e D5:e G5:q | "
             "Eb5:e G5:e Bb5:e C6:e Bb5:e G5:e Eb5:q | A5:q. F5:e C5:q Eb5:q | "
             "F5:e D5:e F5:e Bb5:e r:e Bb5:e A5:e Bb5:e | D6:q Bb5:q G5:e A5:e Bb5:q | ")
POND4 = {
    "title": "Pond 4: Sunny Paddle", "tempo": 108, "beats": 4, "key": 10, "sharps": -2, "seed": 404,
    "swing": 0.64,
    "instruments": {MELODY: ("Steel drums", STEEL_DRUMS, 108, 58), DOUBLE: ("Vibraphone", VIBES, 84, 86),
                    BASS: ("Bass", FINGER_BASS, 104, 64), COMP: ("Electric piano", EPIANO, 80, 40),
                    PAD: ("Strings", STRINGS, 56, 76), DRUMS: ("Drums", 0, 90, 64)},
    "sections": {
        "A": {"chords": "Bb | Gm | Eb | F7 | Bb | Gm | Cm7 F7 | Bb",
              "melody": P4_A_HEAD + "C6:e Bb5:e G5:e Eb5:e F5:e G5:e A5:e C6:e | Bb5:h r:q. F5:e"},
        "A2": {"chords": "Bb | Gm | Eb | F7 | Bb | Gm | Cm7 F7 | Bb",
               "melody": P4_A_HEAD + "Eb6:e C6:e Bb5:e G5:e A5:e F5:e Eb5:e C5:e | D5:q F5:e Bb5:e D6:h"},
        "B": {"chords": "Eb | Edim | Bb | G7 | Cm | F7 | Bb | F7",
              "melody": "G5:q. Bb5:e Eb6:h | Db6:q. Bb5:e G5:h | F5:e G5:e F5:e D5:e Bb4:h | "
                        "B4:e D5:e F5:e G5:e B5:q G5:q | C6:q. Bb5:e G5:e Eb5:e C5:q | "
                        "A5:q. G5:e F5:e Eb5:e C5:q | D5:e F5:e Bb5:e D6:e C6:e Bb5:e F5:q | "
                        "Eb6:e D6:e C6:e A5:e F5:q Eb5:q"},
        "A3": {"chords": "Bb | Gm | Eb | F7 | Bb | Gm | Cm7 F7 | Bb F7",
               "melody": P4_A_HEAD + "C6:e Bb5:e G5:e Eb5:e F5:e G5:e A5:e C6:e | Bb5:q D5:q Eb5:e F5:e A5:e Eb5:e"},
    },
    "form": ["A", "A2", "B", "A3"],
    "melody_vel": 96, "melody_gate": 0.85, "double_in": ("B",), "double_shift": -12, "double_vel": 60,
    "pad_in": ("B",), "pad_vel": 40,
    "bass_style": "walk", "bass_low": 31, "bass_vel": 94, "comp_style": "offbeat", "comp_vel": 56,
    "drum_style": "swing", "drum_vel": 92,
}

PIECES = {"pond1.mid": POND1, "pond2.mid": POND2, "pond3.mid": POND3, "pond4.mid": POND4}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "audio")
    os.makedirs(out_dir, exist_ok=True)
    for name, piece in PIECES.items():
        arranger = Arranger(piece)
        arranger.compose().save(os.path.join(out_dir, name))
        print("wrote %-10s %5.1f s  %s" % (name, arranger.seconds(), piece["title"]))


if __name__ == "__main__":
    main()
