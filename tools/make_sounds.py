#!/usr/bin/python3
"""Synthesise the thirteen sound effects into data/audio/ (16-bit mono WAV).

All but one are built here from oscillators, noise, envelopes and filters,
with fixed seeds. go.wav is a spoken "Go!" from espeak-ng, cleaned up with
sox; if either tool is missing the committed go.wav is left as it is.

Usage: /usr/bin/python3 tools/make_sounds.py [output folder]
"""

import os
import shutil
import subprocess
import sys
import tempfile

from synth import (RATE, adsr, bandpass, concat, count, echo, envelope, exp_decay,
                   exp_sweep, finish, gain, highpass, level, lowpass, mix, noise, osc,
                   points, read_wav, silence, write_wav)
import math


def dog_select():
    """A quick rising yip."""
    dur = 0.13
    pitch = points((0.0, 640), (0.045, 1350), (dur, 1050))
    tone = osc(pitch, dur, "square")
    tone = lowpass(tone, 2600, 0.9)
    body = osc(lambda t: pitch(t) * 0.5, dur, "sine")
    return finish(envelope(mix(tone, (body, 0.0, 0.8)), exp_decay(0.006, 0.05)), fade_out=0.015)


def _bark(pitch_scale, seed):
    dur = 0.19
    pitch = points((0.0, 290 * pitch_scale), (0.035, 540 * pitch_scale), (0.09, 430 * pitch_scale),
                   (dur, 250 * pitch_scale))
    src = mix(osc(pitch, dur, "saw"), (lowpass(noise(dur, seed), 3000), 0.0, 0.45))
    voiced = mix((bandpass(src, 720, 2.5), 0.0, 1.0),
                 (bandpass(src, 1250, 3.5), 0.0, 0.8),
                 (bandpass(src, 2500, 4.0), 0.0, 0.35))
    return envelope(voiced, points((0.0, 0.0), (0.008, 1.0), (0.06, 0.85), (dur, 0.0)))


def dog_bark():
    """Two barks: ruff ruff."""
    return finish(mix((_bark(1.0, 11), 0.0, 1.0), (_bark(0.92, 12), 0.24, 0.9)), fade_out=0.02)


def turtle_select():
    """A soft pop."""
    dur = 0.11
    tone = osc(exp_sweep(1100, 330, 0.05), dur, "sine")
    click = lowpass(noise(0.01, 21), 2500)
    return finish(mix(envelope(tone, exp_decay(0.003, 0.022)), (click, 0.0, 0.25)), fade_out=0.01)


def turtle_execute():
    """A short swish of air."""
    dur = 0.3
    n = noise(dur, 31)
    swish = bandpass(n, exp_sweep(450, 4000, dur * 0.8), 3.0)
    swish = mix(swish, (bandpass(n, exp_sweep(900, 7000, dur * 0.8), 3.5), 0.0, 0.5))
    return finish(envelope(swish, points((0.0, 0.0), (0.17, 1.0), (dur, 0.0))), fade_out=0.03)


def alien_zap():
    """A wobbling laser that warbles down in pitch, with a space echo."""
    dur = 0.62
    base = exp_sweep(1500, 240, dur)
    warble = lambda t: base(t) * (1.0 + 0.22 * math.sin(2 * math.pi * 13.0 * t))
    tone = mix(osc(warble, dur, "square"), (osc(lambda t: warble(t) * 1.5, dur, "sine"), 0.0, 0.6))
    tone = lowpass(tone, 3200, 0.8)
    ring = osc(47.0, dur, "sine")
    tone = [a * (0.65 + 0.35 * b) for a, b in zip(tone, ring)]
    tone = envelope(tone, points((0.0, 0.0), (0.01, 1.0), (0.4, 0.8), (dur, 0.0)))
    return finish(echo(tone, 0.09, 0.35, 0.3), fade_out=0.06)


def fall():
    """A slide whistle falling away, then a soft thud at the bottom."""
    dur = 1.05
    pitch = exp_sweep(1700, 210, dur)
    vib = lambda t: pitch(t) * (1.0 + 0.015 * math.sin(2 * math.pi * 6.0 * t))
    whistle = mix(osc(vib, dur, "sine"), (osc(lambda t: vib(t) * 2, dur, "sine"), 0.0, 0.12))
    breath = envelope(bandpass(noise(dur, 41), lambda t: vib(t), 6.0), lambda t: 0.18)
    whistle = envelope(mix(whistle, breath), points((0.0, 0.0), (0.04, 1.0), (0.8, 0.8), (dur, 0.0)))
    thud = envelope(osc(exp_sweep(110, 45, 0.18), 0.2, "sine"), exp_decay(0.004, 0.06))
    return finish(mix(whistle, (thud, 1.0, 0.9)), fade_out=0.03)


def squeak():
    """A cartoon "eek!" squashed out of a turtle: squeak-toy and yelp."""
    # A quick squish, then a high vowel-like yelp with a wobble.
    squish = envelope(lowpass(noise(0.07, 51), 900), exp_decay(0.003, 0.02))
    dur = 0.38
    pitch = points((0.0, 720), (0.06, 1180), (0.26, 1080), (dur, 820))
    wob = lambda t: pitch(t) * (1.0 + 0.035 * math.sin(2 * math.pi * 11.0 * t))
    src = osc(wob, dur, "saw")
    vowel = mix((bandpass(src, 340, 2.0), 0.0, 0.7),
                (bandpass(src, 2300, 5.0), 0.0, 1.0),
                (bandpass(src, 3000, 6.0), 0.0, 0.5),
                (osc(wob, dur, "sine"), 0.0, 0.35))
    vowel = envelope(vowel, points((0.0, 0.0), (0.025, 1.0), (0.28, 0.8), (dur, 0.0)))
    return finish(mix((squish, 0.0, 0.7), (vowel, 0.04, 1.0)), fade_out=0.03)


def ocean_lap():
    """A plop into the pond, a few droplets and a wave lapping at the bank."""
    dur = 1.3
    plop = envelope(osc(exp_sweep(260, 900, 0.06), 0.09, "sine"), exp_decay(0.003, 0.03))
    splash = envelope(bandpass(noise(0.3, 61), 2600, 0.8), exp_decay(0.005, 0.07))
    wave_noise = noise(dur, 62)
    wave = lowpass(lowpass(wave_noise, points((0.0, 250), (0.45, 1600), (dur, 400)), 0.9), 2000)
    wave = envelope(wave, points((0.0, 0.0), (0.45, 1.0), (0.7, 0.7), (dur, 0.0)))
    hiss = envelope(highpass(wave_noise, 3500), points((0.0, 0.0), (0.5, 0.25), (dur, 0.0)))
    parts = [(plop, 0.0, 0.9), (splash, 0.01, 0.5), (wave, 0.1, 1.0), (hiss, 0.1, 0.12)]
    for i, (start, f0) in enumerate(((0.12, 900), (0.2, 1250), (0.34, 1050), (0.55, 1500))):
        drop = envelope(osc(exp_sweep(f0, f0 * 1.8, 0.03), 0.05, "sine"), exp_decay(0.002, 0.014))
        parts.append((drop, start, 0.35 - 0.05 * i))
    return finish(mix(*parts), fade_out=0.12)


def bop():
    """A short wooden bonk."""
    dur = 0.17
    pitch = exp_sweep(340, 190, 0.06)
    body = envelope(osc(pitch, dur, "sine"), exp_decay(0.002, 0.05))
    knock = envelope(osc(lambda t: pitch(t) * 2.76, dur, "sine"), exp_decay(0.001, 0.015))
    click = envelope(bandpass(noise(0.02, 71), 1800, 1.5), exp_decay(0.001, 0.004))
    return finish(mix(body, (knock, 0.0, 0.45), (click, 0.0, 0.3)), fade_out=0.02)


def _brass(freq, dur, brightness=2200.0, vibrato=0.0, wah=None, seed=0):
    """A brassy note: a saw through a lowpass that opens on the attack."""
    f = freq if callable(freq) else (lambda t, v=freq: v)
    if vibrato:
        g = lambda t: f(t) * (1.0 + vibrato * min(t / 0.4, 1.0) * math.sin(2 * math.pi * 5.5 * t))
    else:
        g = f
    tone = mix(osc(g, dur, "saw"), (osc(lambda t: g(t) * 0.5, dur, "square"), 0.0, 0.25))
    cutoff = wah if wah else points((0.0, 300.0), (0.05, brightness), (dur, brightness * 0.7))
    tone = lowpass(tone, cutoff, 1.2)
    return envelope(tone, adsr(0.025, 0.08, 0.8, min(0.12, dur / 3), dur))


def boo():
    """A sad trombone: wah, wah, wah, waaah."""
    notes = ((196.0, 0.42), (185.0, 0.42), (174.6, 0.42), (164.8, 1.15))
    parts = []
    start = 0.0
    for i, (hz, dur) in enumerate(notes):
        wah = points((0.0, 250.0), (0.12, 1300.0), (dur * 0.7, 900.0), (dur, 350.0))
        last = i == len(notes) - 1
        parts.append((_brass(hz, dur, vibrato=0.03 if last else 0.0, wah=wah), start, 1.0))
        start += dur
    return finish(mix(*parts), fade_out=0.12)


def cheer():
    """A bright fanfare: a rising call and a held major chord."""
    c5, e5, g5, c6 = 523.25, 659.26, 783.99, 1046.5
    parts = []
    t = 0.0
    for hz, dur in ((c5, 0.12), (e5, 0.12), (g5, 0.12), (c6, 0.26), (g5, 0.13)):
        parts.append((_brass(hz, dur + 0.02, brightness=3200), t, 0.8))
        t += dur
    hold = 1.25
    for hz, g in ((c5, 0.55), (e5, 0.45), (g5, 0.45), (c6, 0.6), (c5 / 2, 0.5)):
        parts.append((_brass(hz, hold, brightness=3000, vibrato=0.008), t, g))
    # A sparkle of bright noise on the final chord.
    sparkle = envelope(highpass(noise(hold, 81), 6000), exp_decay(0.01, 0.35))
    parts.append((sparkle, t, 0.25))
    return finish(mix(*parts), fade_out=0.15)


def oops():
    """A comic two-note "uh-oh" boop."""
    def boop(f, dur, bend):
        pitch = lambda t: f * (1.0 + bend * min(t / dur, 1.0))
        tone = mix(osc(pitch, dur, "triangle"), (osc(pitch, dur, "square"), 0.0, 0.18))
        tone = lowpass(tone, 1800, 0.8)
        return envelope(tone, adsr(0.012, 0.05, 0.75, 0.08, dur))
    return finish(mix((boop(587.3, 0.16, 0.0), 0.0, 1.0), (boop(440.0, 0.36, -0.12), 0.2, 1.0)),
                  fade_out=0.03)


def go_voice(path):
    """A spoken "Go!" from espeak-ng, brightened with sox and set to the effects' loudness."""
    if not (shutil.which("espeak-ng") and shutil.which("sox")):
        print("espeak-ng or sox missing: keeping the existing go.wav")
        return False
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "raw.wav")
        subprocess.run(["espeak-ng", "-v", "en-us", "-s", "125", "-p", "70", "-a", "180",
                        "-w", raw, "Go!"], check=True)
        trimmed = os.path.join(tmp, "trimmed.wav")
        coloured = os.path.join(tmp, "coloured.wav")
        # -R: sox's fixed random seed, so any dither is the same every run.
        subprocess.run(["sox", "-R", raw, trimmed, "silence", "1", "0.01", "0.5%", "reverse",
                        "silence", "1", "0.01", "0.5%", "reverse"], check=True)
        subprocess.run(["sox", "-R", trimmed, coloured, "fade", "t", "0.01", "-0", "0.14", "gain", "-8", "pitch", "150", "equalizer", "3000", "1q", "3",
                        "pad", "0", "0.2", "reverb", "20", "50", "40"], check=True)
        final = os.path.join(tmp, "final.wav")
        subprocess.run(["sox", "-R", coloured, "-r", str(RATE), "-c", "1", "-b", "16", final,
                        "gain", "-n", "-1.5", "fade", "0.005", "-0", "0.08"], check=True)
        write_wav(path, level(read_wav(final)))
    return True


EFFECTS = {
    "DogSelect.wav": dog_select,
    "dog.wav": dog_bark,
    "TurtSelect.wav": turtle_select,
    "TurtExecute.wav": turtle_execute,
    "alien.wav": alien_zap,
    "fall.wav": fall,
    "scream.wav": squeak,
    "oceanlap.wav": ocean_lap,
    "bop.wav": bop,
    "boo.wav": boo,
    "cheer.wav": cheer,
    "oops.wav": oops,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "audio")
    os.makedirs(out_dir, exist_ok=True)
    for name, make in EFFECTS.items():
        signal = make()
        write_wav(os.path.join(out_dir, name), signal)
        print("wrote %-16s %.2f s" % (name, len(signal) / RATE))
    if go_voice(os.path.join(out_dir, "go.wav")):
        print("wrote go.wav")


if __name__ == "__main__":
    main()
