"""Tiny sound synthesis kit: oscillators, envelopes, noise, filters, WAV out.

Signals are plain lists of floats at RATE samples per second. Frequencies and
filter settings may be numbers or functions of time in seconds, so sweeps
are written as lambdas.
"""

import array
import math
import random
import sys
import wave

RATE = 22050
TWO_PI = 2.0 * math.pi


def count(seconds):
    return int(round(seconds * RATE))


def _fn(value):
    return value if callable(value) else (lambda t, v=value: v)


def _poly_blep(t, dt):
    """Band-limiting correction for a step at phase 0 (t in [0, 1))."""
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def osc(freq, seconds, shape="sine", phase=0.0):
    """An oscillator; saw and square are band-limited with PolyBLEP."""
    f = _fn(freq)
    out = []
    ph = phase
    for i in range(count(seconds)):
        hz = f(i / RATE)
        dt = min(hz / RATE, 0.49)
        if shape == "sine":
            v = math.sin(TWO_PI * ph)
        elif shape == "triangle":
            v = 4.0 * abs(ph - 0.5) - 1.0
        elif shape == "saw":
            v = 2.0 * ph - 1.0 - _poly_blep(ph, dt)
        elif shape == "square":
            v = (1.0 if ph < 0.5 else -1.0) + _poly_blep(ph, dt) - _poly_blep((ph + 0.5) % 1.0, dt)
        else:
            raise ValueError(shape)
        out.append(v)
        ph += dt
        ph -= math.floor(ph)
    return out


def noise(seconds, seed):
    rnd = random.Random(seed)
    return [rnd.uniform(-1.0, 1.0) for _ in range(count(seconds))]


def silence(seconds):
    return [0.0] * count(seconds)


def exp_sweep(f0, f1, seconds):
    """A frequency moving exponentially from f0 to f1 over the given time."""
    ratio = f1 / f0
    return lambda t: f0 * ratio ** min(max(t / seconds, 0.0), 1.0)


def lin_sweep(f0, f1, seconds):
    return lambda t: f0 + (f1 - f0) * min(max(t / seconds, 0.0), 1.0)


def points(*pts):
    """Piecewise-linear function of time through (time, value) points."""
    def f(t):
        if t <= pts[0][0]:
            return pts[0][1]
        for (t0, v0), (t1, v1) in zip(pts, pts[1:]):
            if t <= t1:
                return v0 + (v1 - v0) * (t - t0) / (t1 - t0) if t1 > t0 else v1
        return pts[-1][1]
    return f


def envelope(signal, env):
    e = _fn(env)
    return [s * e(i / RATE) for i, s in enumerate(signal)]


def adsr(attack, decay, sustain, release, seconds):
    """Attack to 1, decay to sustain, hold, then release to 0 at `seconds`."""
    rel_start = max(seconds - release, attack + decay)
    return points((0.0, 0.0), (attack, 1.0), (attack + decay, sustain),
                  (rel_start, sustain), (seconds, 0.0))


def exp_decay(attack, tau):
    return lambda t: (t / attack if t < attack else math.exp(-(t - attack) / tau))


def gain(signal, g):
    return [s * g for s in signal]


def mix(*parts):
    """Sum signals, each given as a signal or (signal, start seconds, gain)."""
    placed = []
    length = 0
    for p in parts:
        if isinstance(p, tuple):
            sig, start, g = p
        else:
            sig, start, g = p, 0.0, 1.0
        off = count(start)
        placed.append((sig, off, g))
        length = max(length, off + len(sig))
    out = [0.0] * length
    for sig, off, g in placed:
        for i, s in enumerate(sig):
            out[off + i] += s * g
    return out


def concat(*signals):
    out = []
    for s in signals:
        out.extend(s)
    return out


class _Biquad:
    def __init__(self):
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def run(self, x, b0, b1, b2, a1, a2):
        y = b0 * x + b1 * self.x1 + b2 * self.x2 - a1 * self.y1 - a2 * self.y2
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def _coefficients(kind, f0, q):
    f0 = min(max(f0, 10.0), RATE * 0.45)
    w = TWO_PI * f0 / RATE
    cw, sw = math.cos(w), math.sin(w)
    alpha = sw / (2.0 * q)
    if kind == "lowpass":
        b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
    elif kind == "highpass":
        b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
    elif kind == "bandpass":  # peak gain 1
        b0, b1, b2 = alpha, 0.0, -alpha
    else:
        raise ValueError(kind)
    a0 = 1 + alpha
    return b0 / a0, b1 / a0, b2 / a0, (-2 * cw) / a0, (1 - alpha) / a0


def biquad(signal, kind, freq, q=0.707):
    """RBJ biquad filter; the frequency may move (updated every 16 samples)."""
    f = _fn(freq)
    qf = _fn(q)
    state = _Biquad()
    out = []
    coeffs = None
    for i, x in enumerate(signal):
        if i % 16 == 0:
            t = i / RATE
            coeffs = _coefficients(kind, f(t), qf(t))
        out.append(state.run(x, *coeffs))
    return out


def lowpass(signal, freq, q=0.707):
    return biquad(signal, "lowpass", freq, q)


def highpass(signal, freq, q=0.707):
    return biquad(signal, "highpass", freq, q)


def bandpass(signal, freq, q=1.0):
    return biquad(signal, "bandpass", freq, q)


def echo(signal, delay, feedback, tail):
    d = count(delay)
    out = signal + [0.0] * count(tail)
    for i in range(d, len(out)):
        out[i] += out[i - d] * feedback
    return out


def fade(signal, fade_in=0.004, fade_out=0.02):
    out = list(signal)
    n_in = min(count(fade_in), len(out))
    n_out = min(count(fade_out), len(out))
    for i in range(n_in):
        out[i] *= i / n_in
    for i in range(n_out):
        out[len(out) - 1 - i] *= i / n_out
    return out


# Every effect is set to one loudness, so none shouts over the others or is lost under them;
# an effect whose peaks are far above its body stops short of it at the peak ceiling.
LOUDNESS_DB = -15.0
PEAK_DB = -1.5


def loudness_db(signal, full_scale=1.0):
    """How loud a sound is while it sounds: the RMS, in dB of full scale, of the samples above
    1% of its peak (so leading and trailing quiet does not count)."""
    peak = max(abs(s) for s in signal)
    if not peak:
        return -math.inf
    loud = [s for s in signal if abs(s) > 0.01 * peak]
    return 20.0 * math.log10(math.sqrt(math.fsum(s * s for s in loud) / len(loud)) / full_scale)


def level(signal, loudness=LOUDNESS_DB, peak_db=PEAK_DB):
    """Scale to the loudness, or as near as the peak ceiling allows."""
    peak = max(abs(s) for s in signal) or 1.0
    gain = min(10.0 ** ((loudness - loudness_db(signal)) / 20.0), 10.0 ** (peak_db / 20.0) / peak)
    return [s * gain for s in signal]


def to_pcm16(signal):
    data = array.array("h", (max(-32767, min(32767, int(round(s * 32767.0)))) for s in signal))
    if sys.byteorder != "little":
        data.byteswap()
    return data.tobytes()


def write_wav(path, signal, rate=RATE):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(to_pcm16(signal))


def read_wav(path):
    """A 16-bit mono WAV file as floats."""
    with wave.open(path, "rb") as w:
        if (w.getnchannels(), w.getsampwidth()) != (1, 2):
            raise ValueError("%s is not 16-bit mono" % path)
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        data.byteswap()
    return [s / 32767.0 for s in data]


def finish(signal, fade_in=0.004, fade_out=0.02):
    """Fade the ends, remove any offset and set the level."""
    mean = sum(signal) / len(signal)
    return level(fade([s - mean for s in signal], fade_in, fade_out))
