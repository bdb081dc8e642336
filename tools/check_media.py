#!/usr/bin/python3
"""Check every generated media file in data/ and print a one-line summary.

- each of the sixteen tiles is a 34x34 GIF that decodes to exactly the
  pixels make_tiles.py draws (a real round trip through our LZW coder);
- each of the thirteen effects is 16-bit mono PCM, of a sane length, with
  its peak at or below -1 dBFS and no click at either end, and all are
  about equally loud: each one's loudness (the RMS of its samples above 1%
  of its peak) within 3 dB of their median;
- each level piece parses as a Standard MIDI File of 30 to 90 seconds whose
  tracks all end on the same bar line with every note released, and which
  has drums on channel 10;
- the icon's SVG and its PNGs are what make_icon.py draws (PNG channels
  within 1 of the drawing, so a last-bit difference in floating point
  passes and anything else does not), each PNG of its size.

Exits 1 if anything fails.
Usage: /usr/bin/python3 tools/check_media.py
"""

import glob
import math
import os
import random
import statistics
import sys
import wave

import gifcodec
import make_icon
import make_tiles
import smf
import synth

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")
ICONS = os.path.join(HERE, "..", "desktop", "icons")

TILES = ["alien.gif", "blank.gif", "dog_left.gif", "dog_right.gif", "dog_up.gif", "dog_down.gif",
         "dog_sit.gif", "hole.gif", "rock.gif", "water.gif", "foot_left.gif", "foot_right.gif",
         "turtle_left.gif", "turtle_right.gif", "turtle_up.gif", "turtle_down.gif"]
# Longest allowed length in seconds; the level-end jingles may run longer.
EFFECTS = {"DogSelect.wav": 2.0, "dog.wav": 2.0, "TurtSelect.wav": 2.0, "TurtExecute.wav": 2.0,
           "alien.wav": 2.0, "fall.wav": 2.0, "scream.wav": 2.0, "oceanlap.wav": 2.0,
           "bop.wav": 2.0, "boo.wav": 2.6, "cheer.wav": 2.6, "go.wav": 2.0, "oops.wav": 2.0}
SHORTEST = 0.1
PEAK_LIMIT = int(32767 * 10 ** (-1.0 / 20))  # -1 dBFS
EDGE_LIMIT = 328  # 1% of full scale: louder first or last samples would click
LOUDNESS_SPREAD = 3.0  # dB an effect may be louder or softer than the median effect
MIN_PIECES = 4

results = []
loudness = {}  # effect file name -> dBFS, filled by check_effect


def check(label, fn):
    try:
        note = fn()
        results.append(True)
        print("ok    %s%s" % (label, "  (%s)" % note if note else ""))
    except Exception as exc:  # report and go on with the next file
        results.append(False)
        print("FAIL  %s: %s" % (label, exc))


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def check_tile(name, intended):
    with open(os.path.join(DATA, "images", name), "rb") as fh:
        blob = fh.read()
    expect(blob[:6] in (b"GIF87a", b"GIF89a"), "not a GIF87a/GIF89a file")
    width, height, pixels = gifcodec.decode_gif(blob)
    expect((width, height) == (make_tiles.SIZE, make_tiles.SIZE), "size %dx%d" % (width, height))
    diff = sum(1 for a, b in zip(pixels, intended) if a != b)
    expect(diff == 0, "%d pixels differ from the drawing" % diff)
    return "%d bytes, %d colours" % (len(blob), len(set(pixels)))


def check_icon_png(size, intended):
    with open(os.path.join(ICONS, "pondrake-%d.png" % size), "rb") as fh:
        width, height, rows = make_icon.read_png(fh.read())
    expect((width, height) == (size, size), "size %dx%d" % (width, height))
    worst = max(abs(a - b) for row, want in zip(rows, intended) for a, b in zip(row, want))
    expect(worst <= 1, "a channel is %d away from the drawing" % worst)


def check_icon_svg(intended):
    with open(os.path.join(ICONS, "pondrake.svg"), "rb") as fh:
        expect(fh.read() == intended, "differs from the drawing")


def check_codec():
    """Round-trip a large noisy image: code widths up to 12 bits and table resets."""
    rnd = random.Random(5)
    colours = [(rnd.randrange(256), rnd.randrange(256), rnd.randrange(256)) for _ in range(256)]
    pixels = [colours[rnd.randrange(256)] for _ in range(160 * 120)]
    w, h, back = gifcodec.decode_gif(gifcodec.encode_gif(160, 120, pixels))
    expect((w, h, back) == (160, 120, pixels), "round trip changed the image")


def check_effect(name, longest):
    with wave.open(os.path.join(DATA, "audio", name), "rb") as w:
        expect(w.getcomptype() == "NONE", "not PCM")
        expect(w.getnchannels() == 1, "%d channels" % w.getnchannels())
        expect(w.getsampwidth() == 2, "%d-bit" % (8 * w.getsampwidth()))
        rate = w.getframerate()
        expect(rate in (22050, 44100), "rate %d" % rate)
        frames = w.readframes(w.getnframes())
    samples = [int.from_bytes(frames[i:i + 2], "little", signed=True) for i in range(0, len(frames), 2)]
    seconds = len(samples) / rate
    expect(SHORTEST <= seconds <= longest, "%.3f s, not within %.1f..%.1f s" % (seconds, SHORTEST, longest))
    peak = max(abs(s) for s in samples)
    expect(peak <= PEAK_LIMIT, "peak %d above -1 dBFS" % peak)
    expect(peak >= PEAK_LIMIT // 4, "nearly silent (peak %d)" % peak)
    expect(abs(samples[0]) <= EDGE_LIMIT and abs(samples[-1]) <= EDGE_LIMIT, "starts or ends with a click")
    loudness[name] = synth.loudness_db(samples, 32768)
    return "%.2f s, peak %.1f dBFS, loudness %.1f dBFS" % (seconds, 20 * math.log10(peak / 32768), loudness[name])


def check_loudness(levels):
    """Every effect within LOUDNESS_SPREAD dB of the median loudness."""
    expect(levels, "no effect could be measured")
    median = statistics.median(levels.values())
    off = ["%s %+.1f dB" % (name, db - median) for name, db in levels.items()
           if abs(db - median) > LOUDNESS_SPREAD]
    expect(not off, "further than %.0f dB from the median %.1f dBFS: %s" % (LOUDNESS_SPREAD, median, ", ".join(off)))
    return "median %.1f dBFS, from %+.1f to %+.1f dB" % (
        median, min(levels.values()) - median, max(levels.values()) - median)


def check_piece(path):
    with open(path, "rb") as fh:
        song = smf.parse(fh.read())
    seconds = song["seconds"]
    expect(30.0 <= seconds <= 90.0, "%.1f s, not within 30..90 s" % seconds)
    beats, unit = 4, 4
    ends = set()
    sounding = {}
    drum_notes = 0
    for events in song["tracks"]:
        ends.add(events[-1][0])
        for tick, ev in events:
            if ev[0] == "meta" and ev[1] == 0x58:
                beats, unit = ev[2][0], 2 ** ev[2][1]
            if ev[0] != "channel":
                continue
            kind, channel = ev[1] & 0xF0, ev[1] & 0x0F
            if kind == 0x90 and ev[2][1] > 0:
                sounding[(channel, ev[2][0])] = sounding.get((channel, ev[2][0]), 0) + 1
                drum_notes += channel == 9
            elif kind == 0x80 or (kind == 0x90 and ev[2][1] == 0):
                key = (channel, ev[2][0])
                expect(sounding.get(key, 0) > 0, "note off without a note on at tick %d" % tick)
                sounding[key] -= 1
    expect(not any(sounding.values()), "notes still sounding at the end")
    expect(len(ends) == 1, "tracks end at different ticks: %s" % sorted(ends))
    bar = song["division"] * 4 * beats // unit
    expect(song["end_tick"] % bar == 0, "ends %d ticks into a bar" % (song["end_tick"] % bar))
    expect(drum_notes > 0, "no drums on channel 10")
    return "%.1f s, %d bars" % (seconds, song["end_tick"] // bar)


def main():
    drawn = make_tiles.render_all()
    for name in TILES:
        check("image " + name, lambda n=name: check_tile(n, drawn[n]))
    check("GIF coder round trip on a 160x120 image of 256 colours", check_codec)
    loudness.clear()
    for name, longest in EFFECTS.items():
        check("sound " + name, lambda n=name, m=longest: check_effect(n, m))
    check("sounds within %.0f dB of their median loudness" % LOUDNESS_SPREAD, lambda: check_loudness(loudness))
    pieces = sorted(glob.glob(os.path.join(DATA, "audio", "*.mid")))
    check("at least %d music pieces" % MIN_PIECES,
          lambda: expect(len(pieces) >= MIN_PIECES, "only %d" % len(pieces)))
    for path in pieces:
        check("music " + os.path.basename(path), lambda p=path: check_piece(p))
    shapes = make_icon.icon()
    check("icon pondrake.svg", lambda: check_icon_svg(make_icon.svg(shapes).encode()))
    for size in make_icon.SIZES:
        check("icon pondrake-%d.png" % size, lambda s=size: check_icon_png(s, make_icon.rasterise(shapes, s)))
    failed = results.count(False)
    print("%d passed, %d failed" % (results.count(True), failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
