"""Tracks of a Standard MIDI File, collected at absolute ticks and handed to mido.

The arranger adds events in any order; each track sorts them and ends exactly
on the given end tick, so a piece that is a whole number of bars loops
without a gap.
"""

import mido

# Events at the same tick are ordered: set-up first, then note offs, then
# note ons, so a repeated note is released before it sounds again.
_SETUP, _OFF, _ON = 0, 1, 2

# Major keys by their number of sharps (flats negative), as mido names them.
MAJOR_KEYS = {n - 7: key for n, key in enumerate("Cb Gb Db Ab Eb Bb F C G D A E B F# C#".split())}


class Track:
    def __init__(self, name=None):
        self.events = []  # (tick, order, serial, message)
        if name:
            self._add(0, _SETUP, mido.MetaMessage("track_name", name=name))

    def _add(self, tick, order, message):
        self.events.append((int(tick), order, len(self.events), message))

    def tempo(self, tick, bpm):
        self._add(tick, _SETUP, mido.MetaMessage("set_tempo", tempo=int(round(60000000 / bpm))))

    def time_signature(self, tick, beats, unit):
        self._add(tick, _SETUP, mido.MetaMessage("time_signature", numerator=beats, denominator=unit,
                                                 clocks_per_click=24, notated_32nd_notes_per_beat=8))

    def key_signature(self, tick, sharps):
        self._add(tick, _SETUP, mido.MetaMessage("key_signature", key=MAJOR_KEYS[sharps]))

    def program(self, tick, channel, program):
        self._add(tick, _SETUP, mido.Message("program_change", channel=channel, program=program))

    def control(self, tick, channel, controller, value):
        self._add(tick, _SETUP, mido.Message("control_change", channel=channel, control=controller, value=value))

    def note(self, tick, channel, pitch, velocity, length):
        if not (0 <= pitch < 128 and 1 <= velocity < 128 and length > 0):
            raise ValueError("bad note %r" % ((tick, pitch, velocity, length),))
        self._add(tick, _ON, mido.Message("note_on", channel=channel, note=pitch, velocity=velocity))
        self._add(tick + length, _OFF, mido.Message("note_off", channel=channel, note=pitch, velocity=64))

    def midi_track(self, end_tick):
        """The events in order with delta times, closed by end-of-track at end_tick."""
        out = mido.MidiTrack()
        now = 0
        for tick, _order, _serial, message in sorted(self.events, key=lambda e: e[:3]):
            if tick > end_tick:
                raise ValueError("event at %d after the end %d" % (tick, end_tick))
            out.append(message.copy(time=tick - now))
            now = tick
        out.append(mido.MetaMessage("end_of_track", time=end_tick - now))
        return out


def midi_file(tracks, division, end_tick):
    """A format 0 file for one track, format 1 for more; every track ends at end_tick."""
    song = mido.MidiFile(type=0 if len(tracks) == 1 else 1, ticks_per_beat=division)
    song.tracks.extend(t.midi_track(end_tick) for t in tracks)
    return song
