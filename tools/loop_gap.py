#!/usr/bin/python3
"""Measure the silence where each level piece starts again, in what the mixer really outputs.

For each piece, build/bin/loop_render plays it through the game's own music control, as a level
does, while SDL's disk driver writes the mixer's output to a file, for two passes of the piece
(its length from its own tempo map) and a margin. The output is cut into 50 ms windows; a window
whose RMS is below -60 dBFS is silent. The silence at the loop point is the longest run of silent
windows that begins between one second before the first pass is due to end and eight seconds
after; the run has to end in sound, the second pass, or the piece never started again.

The renderer plays in real time: the four pieces take about eight minutes. A tool, not a test.

Usage: /usr/bin/python3 tools/loop_gap.py [--build build] [--limit 0.3] [--keep DIR] [piece.mid ...]
Exits 1 when a piece is silent at its loop point for longer than the limit.
"""

import argparse
import array
import glob
import math
import os
import subprocess
import sys
import tempfile
import wave

import mido

HERE = os.path.dirname(os.path.abspath(__file__))
WINDOW = 0.05  # seconds
SILENT_DB = -60.0
EARLY = 1.0  # the loop point is looked for from this long before the nominal end...
LATE = 8.0  # ...to this long after it
MARGIN = 10.0  # seconds recorded beyond two passes


def window_levels(raw, rate, channels):
    """dBFS RMS of each whole 50 ms window of interleaved 16-bit samples."""
    samples = array.array("h")
    samples.frombytes(raw)
    if sys.byteorder != "little":
        samples.byteswap()
    step = int(rate * WINDOW) * channels
    levels = []
    for start in range(0, len(samples) - step + 1, step):
        part = samples[start:start + step]
        mean_square = math.fsum(map(int.__mul__, part, part)) / step
        levels.append(20 * math.log10(math.sqrt(mean_square) / 32768) if mean_square else -math.inf)
    return levels


def loop_silence(levels, length):
    """(first sound, loop silence start, loop silence seconds, whether sound follows it).

    Times are in seconds from the start of the output; the start is None without silence."""
    silent = [level < SILENT_DB for level in levels]
    if all(silent):
        raise ValueError("the piece never sounded")
    first = silent.index(False)
    due = first + length / WINDOW
    lo, hi = max(first, int(due - EARLY / WINDOW)), min(len(silent), int(due + LATE / WINDOW))
    best_start, best_len = int(due), 0
    i = lo
    while i < hi:
        if not silent[i]:
            i += 1
            continue
        j = i
        while j < len(silent) and silent[j]:
            j += 1
        if j - i > best_len:
            best_start, best_len = i, j - i
        i = j
    resumed = best_start + best_len < len(silent)
    return first * WINDOW, best_start * WINDOW if best_len else None, best_len * WINDOW, resumed


def render(renderer, folder, piece, seconds, out):
    result = subprocess.run([renderer, folder, piece, "%.3f" % seconds, out],
                            check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    kind, rate, channels = result.stdout.split()
    if kind != "s16le":
        raise ValueError("unexpected sample format %s" % kind)
    return int(rate), int(channels)


def keep(path, raw, rate, channels):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(raw)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(HERE, "..", "build"))
    parser.add_argument("--limit", type=float, default=0.3, help="most seconds of silence allowed")
    parser.add_argument("--keep", metavar="DIR", help="also save each output there as a WAV file, to listen to")
    parser.add_argument("pieces", nargs="*", help="music names under audio/ (default: every .mid)")
    args = parser.parse_args()
    folder = os.path.join(args.build, "bin")
    renderer = os.path.join(folder, "loop_render")
    if not os.access(renderer, os.X_OK):
        sys.exit("no %s: build the game first (scripts/setup.sh build)" % renderer)
    pieces = args.pieces or sorted(os.path.basename(p) for p in glob.glob(os.path.join(folder, "audio", "*.mid")))

    failed = 0
    print("%-10s %8s %12s %12s %9s" % ("piece", "length", "first sound", "silent from", "silence"))
    for piece in pieces:
        length = mido.MidiFile(os.path.join(folder, "audio", piece)).length
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "mix.raw")
            rate, channels = render(renderer, folder, piece, 2 * length + MARGIN, out)
            with open(out, "rb") as fh:
                raw = fh.read()
        levels = window_levels(raw, rate, channels)
        if args.keep:
            keep(os.path.join(args.keep, os.path.splitext(piece)[0] + ".wav"), raw, rate, channels)
        first, start, silence, resumed = loop_silence(levels, length)
        ok = resumed and silence <= args.limit
        failed += not ok
        print("%-10s %7.1fs %11.2fs %12s %8.2fs  %s" % (
            piece, length, first, "-" if start is None else "%.2fs" % start, silence,
            "ok" if ok else "too long" if resumed else "never started again"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
