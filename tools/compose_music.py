#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Composes and renders the show's music: a piano piece in F major at
72 bpm, written out below bar by bar.

usage: compose_music.py OUT.wav

Form:  intro (bars 1-4), theme (5-20), variation an octave up over richer
chords and flowing triplets (21-36), return of the theme (37-44), and a
plagal close with a ritardando onto a long, fading F chord (45-47)."""

import math
import sys

import numpy as np

import os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from synth import SR, Mixer, Piano, normalise, pad_note, reverb, write_wav  # noqa: E402

LENGTH = 161.0          # seconds, the show is timed to it
BPM = 72.0
RIT_FROM, RIT_TO, RIT_BPM = 42 * 4, 46 * 4, 54.0   # beats

NOTE = {"C": 0, "Db": 1, "D": 2, "Eb": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "Ab": 8, "A": 9, "Bb": 10, "B": 11}
QUALITY = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "maj7": (0, 4, 7, 11), "m7": (0, 3, 7, 10),
           "m7b5": (0, 3, 6, 10), "sus": (0, 5, 7, 10), "9sus": (0, 5, 7, 10, 2), "m6": (0, 3, 7, 9),
           "add9": (0, 4, 7, 2)}

# One entry per bar: chords (a bar holds one, or two of two beats each), then
# the melody as "midi:beats" with "r" for a rest.
INTRO = [
    ("Fmaj7", "r:4"),
    ("Bbmaj7", "r:2 77:1 81:1"),
    ("Gm7", "86:1.5 84:.5 82:2"),
    ("C9sus C7", "81:2 79:2"),
]
THEME = [
    ("F", "72:2 69:1 72:1"),
    ("C/E", "74:1.5 72:.5 67:2"),
    ("Dm", "69:2 65:1 69:1"),
    ("Bb", "74:1.5 72:.5 70:1 69:1"),
    ("F/C", "72:1.5 69:.5 77:2"),
    ("Gm7", "77:1 74:1 70:1 74:1"),
    ("C9sus", "72:3 70:1"),
    ("C7", "67:3 69:.5 70:.5"),
    ("F", "72:2 69:1 72:1"),
    ("C/E", "74:1.5 72:.5 67:2"),
    ("Dm", "69:1 74:1 77:1 76:1"),
    ("Am", "76:3 72:1"),
    ("Bb", "74:1.5 72:.5 70:1 74:1"),
    ("Bbm6", "73:2 72:1 70:1"),
    ("F/C C7", "69:2 67:2"),
    ("F", "65:3 76:.5 79:.5"),
]
VARIATION = [
    ("Fmaj7", "84:1.5 81:.5 79:.5 81:.5 84:1"),
    ("Em7b5 A7", "86:1.5 84:.5 79:1 76:.5 79:.5"),
    ("Dm7", "81:2 77:.5 79:.5 81:.5 84:.5"),
    ("Bbmaj7", "86:1.5 84:.5 82:1 81:1"),
    ("F/A", "84:1.5 81:.5 89:2"),
    ("Gm7", "89:1 86:1 82:1 86:.5 84:.5"),
    ("C9sus", "84:3 82:1"),
    ("C7", "79:2 76:.5 77:.5 79:.5 82:.5"),
    ("Fmaj7", "84:2 81:1 84:1"),
    ("Em7 A7", "86:1.5 84:.5 79:1 81:.5 79:.5"),
    ("Dm7", "81:1 86:1 89:1 88:1"),
    ("Am7", "88:3 84:1"),
    ("Bbmaj7", "86:1.5 84:.5 82:1 86:1"),
    ("Bbm6", "85:2 84:1 82:1"),
    ("Am7 D7", "81:1.5 79:.5 78:1 81:1"),
    ("Gm7 C7", "82:.5 81:.5 79:.5 77:.5 76:.5 74:.5 72:.5 70:.5"),
]
RETURN = THEME[8:15] + [("F", "65:4")]
CODA = [
    ("Bbadd9", "77:2 74:1 72:1"),
    ("Bbm6", "73:2 72:2"),
]
FINAL_CHORD = [41, 48, 53, 57, 60, 67, 69, 72, 77]

# (bars, arpeggio figure, arpeggio velocity from..to, melody velocity, pad level, doubled melody)
SECTIONS = [
    (INTRO, "eighths", (0.22, 0.34), 0.46, 0.012, False),
    (THEME, "eighths", (0.34, 0.38), 0.60, 0.022, False),
    (VARIATION[:8], "triplets", (0.36, 0.42), 0.66, 0.034, False),
    (VARIATION[8:], "triplets", (0.42, 0.38), 0.70, 0.040, True),
    (RETURN, "eighths", (0.32, 0.26), 0.52, 0.022, False),
    (CODA, "rolled", (0.28, 0.24), 0.44, 0.020, False),
]

FIGURES = {
    "eighths": ([0, 1, 2, 3, 4, 3, 2, 1], 0.5),
    "triplets": ([0, 1, 2, 3, 4, 3, 2, 3, 4, 3, 2, 1], 1 / 3.0),
}


def parse_chord(sym):
    name, _, bass = sym.partition("/")
    root = name[:2] if len(name) > 1 and name[1] in "b#" else name[:1]
    pcs = [(NOTE[root] + i) % 12 for i in QUALITY[name[len(root):]]]
    bass_pc = NOTE[bass] if bass else pcs[0]
    return bass_pc, pcs


def arpeggio_notes(bass_pc, pcs):
    """The bass in the octave D2..C#3, then up to four chord tones above it,
    spread at least a minor third apart."""
    bass = 38 + (bass_pc - 38) % 12
    ups = []
    for p in range(bass + 7, 71):
        if p % 12 in pcs and (not ups or p - ups[-1] >= 3):
            ups.append(p)
        if len(ups) == 4:
            break
    return [bass] + ups


def pad_voicing(pcs):
    out = []
    for p in range(55, 70):
        if p % 12 in pcs and (not out or p - out[-1] >= 3):
            out.append(p)
    return out[:3]


def make_clock():
    """beat -> seconds, steady until the ritardando, then slowing linearly."""
    step = 1 / 48.0
    beats = np.arange(0, 200, step)
    bpm = np.where(beats < RIT_FROM, BPM,
                   np.where(beats < RIT_TO, BPM + (RIT_BPM - BPM) * (beats - RIT_FROM) / (RIT_TO - RIT_FROM), RIT_BPM))
    secs = np.concatenate([[0.0], np.cumsum(60.0 / bpm * step)])[:-1]
    return lambda b: float(np.interp(b, beats, secs))


def parse_melody(text):
    out, pos = [], 0.0
    for tok in text.split():
        p, d = tok.split(":")
        d = float(d)
        if p != "r":
            out.append((pos, d, int(p)))
        pos += d
    assert abs(pos - 4.0) < 1e-9, text
    return out


def compose():
    clock = make_clock()
    rng = np.random.default_rng(1402)
    piano = Piano(seed=11)
    mix = Mixer(LENGTH)
    bar = 0
    sections = []
    for bars, figure, (v0, v1), mvel, pad_amp, doubled in SECTIONS:
        sections.append((bar, clock(bar * 4)))
        for i, (chords, melody) in enumerate(bars):
            frac = i / max(len(bars) - 1, 1)
            avel = v0 + (v1 - v0) * frac
            syms = chords.split()
            span = 4.0 / len(syms)
            for ci, sym in enumerate(syms):
                b0 = bar * 4 + ci * span
                b1 = b0 + span
                t0, t1 = clock(b0), clock(b1)
                bass_pc, pcs = parse_chord(sym)
                notes = arpeggio_notes(bass_pc, pcs)
                if figure == "rolled":
                    for k, m in enumerate(notes):
                        t = t0 + 0.06 * k
                        mix.add(t, piano.note(m, avel * (1.15 if k == 0 else 1.0), t1 - t), pan=(m - 62) / 60.0)
                else:
                    pattern, step = FIGURES[figure]
                    count = int(round(span / step))
                    for k in range(count):
                        b = b0 + k * step
                        m = notes[pattern[k % len(pattern)] % len(notes)]
                        t = clock(b) + rng.normal(0, 0.006)
                        accent = 1.2 if k == 0 else (1.05 if k * step % 1 == 0 else 0.92)
                        v = avel * accent * (1 + rng.normal(0, 0.05))
                        # the pedal holds every note until the harmony changes
                        mix.add(t, piano.note(m, v, max(t1 - t, 0.2)), pan=(m - 62) / 60.0)
                if pad_amp > 0:
                    for j, m in enumerate(pad_voicing(pcs)):
                        l, r = pad_note(m, t1 - t0 + 0.3, pad_amp, seed=int(b0 * 10) + j)
                        mix.add(t0 - 0.15, stereo=(l, r))
            for pos, dur, m in parse_melody(melody):
                b = bar * 4 + pos
                t = clock(b) + rng.normal(0, 0.008)
                hold = clock(b + dur) - clock(b) + 0.08
                # lean on the long notes, lighter on passing eighths
                v = mvel * (1.0 + 0.12 * min(dur - 1, 1)) * (1 + rng.normal(0, 0.04))
                mix.add(t, piano.note(m, min(v, 1.0), hold, release=0.35), pan=0.12, gain=1.4)
                if doubled:
                    mix.add(t + 0.01, piano.note(m - 12, v * 0.5, hold, release=0.35), pan=-0.05)
            bar += 1
    # the last chord, rolled slowly from the bass and left to ring out
    t_end = clock(bar * 4)
    sections.append((bar, t_end))
    for k, m in enumerate(FINAL_CHORD):
        t = t_end + 0.09 * k
        mix.add(t, piano.note(m, 0.42 if k else 0.5, LENGTH - t, release=0.5), pan=(m - 62) / 60.0)
    for j, m in enumerate(pad_voicing([5, 9, 0])):
        l, r = pad_note(m, LENGTH - t_end - 1.0, 0.02, seed=900 + j, attack=1.5, release=3.0)
        mix.add(t_end, stereo=(l, r))
    return mix, sections


def main():
    mix, sections = compose()
    out = reverb(mix.buf, wet=0.26)
    # a long fade on the final chord so the piece ends in silence, not a cut
    fade = int(4.5 * SR)
    out[:, -fade:] *= (0.5 + 0.5 * np.cos(np.linspace(0, math.pi, fade))) ** 1.5
    out = normalise(out, -2.0)
    write_wav(sys.argv[1], out)
    names = ["intro", "theme", "variation", "variation'", "return", "coda", "final chord"]
    for (b, t), name in zip(sections, names):
        print("%-12s bar %2d  %6.1f s" % (name, b + 1, t))


if __name__ == "__main__":
    main()
