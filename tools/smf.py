"""A small Standard MIDI File writer and reader (format 0 or 1).

Writer: collect events per track with absolute tick times, then save. Every
track ends exactly at the given end tick, so a piece that is a whole number
of bars loops without a gap.

Reader: parses the chunks and events (running status, meta, SysEx) and
returns the tracks plus the piece's length in seconds from its tempo map.
"""

import struct

# Events at the same tick are ordered: set-up first, then note offs, then
# note ons, so a repeated note is released before it sounds again.
_SETUP, _OFF, _ON = 0, 1, 2


def vlq(value):
    """Variable-length quantity: seven bits per byte, high bit = more."""
    if value < 0:
        raise ValueError("negative delta time")
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name=None):
        self.events = []  # (tick, order, serial, bytes)
        if name:
            self.meta(0, 0x03, name.encode("ascii"))

    def _add(self, tick, order, data):
        self.events.append((int(tick), order, len(self.events), bytes(data)))

    def meta(self, tick, kind, payload):
        self._add(tick, _SETUP, bytes((0xFF, kind)) + vlq(len(payload)) + payload)

    def tempo(self, tick, bpm):
        self.meta(tick, 0x51, struct.pack(">I", int(round(60000000 / bpm)))[1:])

    def time_signature(self, tick, beats, unit):
        denom = {1: 0, 2: 1, 4: 2, 8: 3, 16: 4}[unit]
        self.meta(tick, 0x58, bytes((beats, denom, 24, 8)))

    def key_signature(self, tick, sharps, minor=False):
        self.meta(tick, 0x59, bytes((sharps & 0xFF, 1 if minor else 0)))

    def program(self, tick, channel, program):
        self._add(tick, _SETUP, (0xC0 | channel, program))

    def control(self, tick, channel, controller, value):
        self._add(tick, _SETUP, (0xB0 | channel, controller, value))

    def note(self, tick, channel, pitch, velocity, length):
        if not (0 <= pitch < 128 and 1 <= velocity < 128 and length > 0):
            raise ValueError("bad note %r" % ((tick, pitch, velocity, length),))
        self._add(tick, _ON, (0x90 | channel, pitch, velocity))
        self._add(tick + length, _OFF, (0x80 | channel, pitch, 64))

    def encode(self, end_tick):
        body = bytearray()
        now = 0
        for tick, _order, _serial, data in sorted(self.events):
            if tick > end_tick:
                raise ValueError("event at %d after the end %d" % (tick, end_tick))
            body += vlq(tick - now) + data
            now = tick
        body += vlq(end_tick - now) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def save(path, tracks, division, end_tick):
    fmt = 0 if len(tracks) == 1 else 1
    data = b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), division)
    for t in tracks:
        data += t.encode(end_tick)
    with open(path, "wb") as fh:
        fh.write(data)


def _read_vlq(data, pos):
    value = 0
    for _ in range(4):
        b = data[pos]
        pos += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, pos
    raise ValueError("variable-length number longer than four bytes")


def parse(blob):
    """Return a dict: format, division, tracks (lists of (tick, event)), seconds.

    Raises ValueError on anything malformed, including a track whose last
    event is not end-of-track.
    """
    try:
        return _parse(blob)
    except (IndexError, struct.error):
        raise ValueError("file cut short inside a chunk or event")


def _parse(blob):
    if blob[:4] != b"MThd":
        raise ValueError("no MThd header")
    hlen, fmt, ntrks, division = struct.unpack_from(">IHHH", blob, 4)
    if hlen < 6 or fmt not in (0, 1) or (fmt == 0 and ntrks != 1):
        raise ValueError("unsupported header")
    if division & 0x8000:
        raise ValueError("SMPTE time division not supported")
    pos = 8 + hlen
    tracks = []
    tempos = []  # (tick, microseconds per quarter)
    last_tick = 0
    for _ in range(ntrks):
        if blob[pos:pos + 4] != b"MTrk":
            raise ValueError("missing MTrk chunk")
        (length,) = struct.unpack_from(">I", blob, pos + 4)
        data = blob[pos + 8:pos + 8 + length]
        if len(data) != length:
            raise ValueError("track chunk cut short")
        pos += 8 + length
        events = []
        tick = 0
        p = 0
        status = None
        ended = False
        while p < len(data):
            if ended:
                raise ValueError("events after end-of-track")
            delta, p = _read_vlq(data, p)
            tick += delta
            b = data[p]
            if b == 0xFF:
                kind = data[p + 1]
                n, q = _read_vlq(data, p + 2)
                payload = data[q:q + n]
                p = q + n
                events.append((tick, ("meta", kind, payload)))
                if kind == 0x2F:
                    ended = True
                elif kind == 0x51:
                    tempos.append((tick, int.from_bytes(payload, "big")))
                status = None
            elif b in (0xF0, 0xF7):
                n, q = _read_vlq(data, p + 1)
                p = q + n
                events.append((tick, ("sysex",)))
                status = None
            else:
                if b & 0x80:
                    status = b
                    p += 1
                elif status is None:
                    raise ValueError("running status without a status byte")
                size = 1 if (status & 0xF0) in (0xC0, 0xD0) else 2
                args = tuple(data[p:p + size])
                if len(args) != size or any(a & 0x80 for a in args):
                    raise ValueError("bad channel event data")
                p += size
                events.append((tick, ("channel", status, args)))
        if not ended:
            raise ValueError("track without end-of-track")
        tracks.append(events)
        last_tick = max(last_tick, tick)
    # Seconds up to the last tick, following every tempo change.
    tempos.sort()
    seconds = 0.0
    cur_tick, cur_tempo = 0, 500000
    for t, tempo in tempos:
        if t >= last_tick:
            break
        seconds += (t - cur_tick) * cur_tempo / division / 1e6
        cur_tick, cur_tempo = t, tempo
    seconds += (last_tick - cur_tick) * cur_tempo / division / 1e6
    return {"format": fmt, "division": division, "tracks": tracks,
            "end_tick": last_tick, "seconds": seconds}
