#!/usr/bin/python3
"""Check every generated media file in data/ and print a one-line summary.

- each of the sixteen tiles is a 34x34 GIF that decodes (through Pillow)
  to exactly the pixels make_tiles.py draws;
- each of the thirteen effects is 16-bit mono PCM, of a sane length, with
  its peak at or below -1 dBFS and no click at either end, and all are
  about equally loud: each one's loudness (the RMS of its samples above 1%
  of its peak) within 3 dB of their median;
- each level piece parses (through mido) as a Standard MIDI File of 30 to
  90 seconds whose tracks all end on the same bar line with every note
  released, which has drums on channel 10, and whose every event is the one
  make_music.py composes, at the same tick;
- the icon's SVG and its PNGs are what make_icon.py draws (PNG channels
  within 1 of the drawing, so a last-bit difference in floating point
  passes and anything else does not), each PNG of its size.

Exits 1 if anything fails.
Usage: /usr/bin/python3 tools/check_media.py
"""

import glob
import io
import math
import os
import random
import statistics
import sys
import wave

import mido
from PIL import Image

import make_icon
import make_music
import make_tiles
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
        print("FAIL  %s: %s" % (label, str(exc) or type(exc).__name__))


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def decode_gif(blob):
    """The size and (r, g, b) pixels of a GIF; raises on anything that is not one."""
    image = Image.open(io.BytesIO(blob), formats=["GIF"])
    return image.size, list(image.convert("RGB").getdata())


def check_tile(name, intended):
    with open(os.path.join(DATA, "images", name), "rb") as fh:
        blob = fh.read()
    expect(blob[:6] in (b"GIF87a", b"GIF89a"), "not a GIF87a/GIF89a file")
    size, pixels = decode_gif(blob)
    expect(size == (make_tiles.SIZE, make_tiles.SIZE), "size %dx%d" % size)
    diff = sum(1 for a, b in zip(pixels, intended) if a != b)
    expect(diff == 0, "%d pixels differ from the drawing" % diff)
    return "%d bytes, %d colours" % (len(blob), len(set(pixels)))


def check_icon_png(size, intended):
    image = Image.open(os.path.join(ICONS, "pondrake-%d.png" % size), formats=["PNG"])
    expect(image.size == (size, size), "size %dx%d" % image.size)
    expect(image.mode == "RGBA", "mode %s, not RGBA" % image.mode)
    worst = max(abs(a - b) for a, b in zip(image.tobytes(), b"".join(intended)))
    expect(worst <= 1, "a channel is %d away from the drawing" % worst)


def check_icon_svg(intended):
    with open(os.path.join(ICONS, "pondrake.svg"), "rb") as fh:
        expect(fh.read() == intended, "differs from the drawing")


def check_gif_writer():
    """A 160x120 image of all 256 colours comes back exact (nothing quantised); 257 are refused."""
    rnd = random.Random(5)
    colours = [(rnd.randrange(256), rnd.randrange(256), rnd.randrange(256)) for _ in range(256)]
    pixels = [colours[rnd.randrange(256)] for _ in range(160 * 120)]
    pixels[:256] = colours  # every colour at least once
    expect(decode_gif(make_tiles.gif(160, 120, pixels)) == ((160, 120), pixels), "round trip changed the image")
    try:
        make_tiles.gif(257, 1, [(i % 256, i // 256, 7) for i in range(257)])
    except ValueError:
        return None
    raise AssertionError("a GIF of 257 colours was written")


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


def timeline(song):
    """Each track as (absolute tick, message) pairs."""
    tracks = []
    for track in song.tracks:
        tick, events = 0, []
        for message in track:
            tick += message.time
            events.append((tick, message))
        tracks.append(events)
    return tracks


def check_piece(path, composed):
    with open(path, "rb") as fh:
        song = mido.MidiFile(file=io.BytesIO(fh.read()))
    expect(song.type in (0, 1), "format %d" % song.type)
    seconds = song.length
    expect(30.0 <= seconds <= 90.0, "%.1f s, not within 30..90 s" % seconds)
    tracks = timeline(song)
    beats, unit = 4, 4
    ends = set()
    sounding = {}
    drum_notes = 0
    for events in tracks:
        expect(events and events[-1][1].type == "end_of_track", "a track without end-of-track")
        ends.add(events[-1][0])
        for tick, msg in events:
            if msg.type == "time_signature":
                beats, unit = msg.numerator, msg.denominator
            elif msg.type == "note_on" and msg.velocity > 0:
                sounding[(msg.channel, msg.note)] = sounding.get((msg.channel, msg.note), 0) + 1
                drum_notes += msg.channel == 9
            elif msg.type in ("note_on", "note_off"):
                key = (msg.channel, msg.note)
                expect(sounding.get(key, 0) > 0, "note off without a note on at tick %d" % tick)
                sounding[key] -= 1
    expect(not any(sounding.values()), "notes still sounding at the end")
    expect(len(ends) == 1, "tracks end at different ticks: %s" % sorted(ends))
    end_tick = ends.pop()
    bar = song.ticks_per_beat * 4 * beats // unit
    expect(end_tick % bar == 0, "ends %d ticks into a bar" % (end_tick % bar))
    expect(drum_notes > 0, "no drums on channel 10")
    if composed is not None:
        def raw(s):
            return [[(tick, msg.bytes()) for tick, msg in events] for events in timeline(s)]
        expect(song.ticks_per_beat == composed.ticks_per_beat, "%d ticks a beat" % song.ticks_per_beat)
        expect(raw(song) == raw(composed), "its events differ from what make_music.py composes")
    return "%.1f s, %d bars" % (seconds, end_tick // bar)


def main():
    drawn = make_tiles.render_all()
    for name in TILES:
        check("image " + name, lambda n=name: check_tile(n, drawn[n]))
    check("GIF writer keeps all 256 colours of a 160x120 image exactly", check_gif_writer)
    loudness.clear()
    for name, longest in EFFECTS.items():
        check("sound " + name, lambda n=name, m=longest: check_effect(n, m))
    check("sounds within %.0f dB of their median loudness" % LOUDNESS_SPREAD, lambda: check_loudness(loudness))
    pieces = sorted(glob.glob(os.path.join(DATA, "audio", "*.mid")))
    check("at least %d music pieces" % MIN_PIECES,
          lambda: expect(len(pieces) >= MIN_PIECES, "only %d" % len(pieces)))
    for path in pieces:
        piece = make_music.PIECES.get(os.path.basename(path))
        composed = make_music.Arranger(piece).compose() if piece else None
        check("music " + os.path.basename(path), lambda p=path, c=composed: check_piece(p, c))
    shapes = make_icon.icon()
    check("icon pondrake.svg", lambda: check_icon_svg(make_icon.svg(shapes).encode()))
    for size in make_icon.SIZES:
        check("icon pondrake-%d.png" % size, lambda s=size: check_icon_png(s, make_icon.rasterise(shapes, s)))
    failed = results.count(False)
    print("%d passed, %d failed" % (results.count(True), failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
