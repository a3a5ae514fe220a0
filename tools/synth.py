# SPDX-License-Identifier: GPL-3.0-or-later
"""The instruments shared by the show's music and the refusal scene's sound:
an additive piano, a soft string pad, a convolution reverb and a mixer."""

import math
import wave

import numpy as np

SR = 44100


def midi_hz(m):
    return 440.0 * 2.0 ** ((m - 69) / 12.0)


class Piano:
    """Additive piano. Each key/velocity pair is rendered once, as the full
    free decay of a struck string group; notes then cut a copy short with a
    damper release, which keeps a few hundred notes fast to synthesise."""

    VEL_STEPS = 16

    def __init__(self, seed=7):
        self.seed = seed
        self.cache = {}

    def _strike(self, midi, vstep, length):
        key = (midi, vstep)
        have = self.cache.get(key)
        if have is not None and len(have) >= length:
            return have
        length = max(length, int(1.0 * SR))
        vel = (vstep + 1) / self.VEL_STEPS
        rng = np.random.default_rng(self.seed * 1000 + midi * 20 + vstep)
        f0 = midi_hz(midi)
        t = np.arange(length, dtype=np.float64) / SR
        # a fundamental's decay: long in the bass, short in the treble
        tau = float(np.clip(1.7 * (261.6 / f0) ** 0.6, 0.35, 5.0))
        inharm = 0.00008 * (f0 / 261.6) ** 1.2
        brightness = 0.55 + 0.9 * vel
        sig = np.zeros(length)
        k = 1
        while True:
            fk = k * f0 * math.sqrt(1 + inharm * k * k)
            if fk > 9000 or k > 16:
                break
            amp = math.exp(-(k - 1) * 0.34 / brightness) / k ** 0.7
            if k == 2:
                amp *= 1.1
            tk = tau / (1 + 0.28 * (k - 1) ** 1.25)
            env = 0.62 * np.exp(-t / (0.22 * tk)) + 0.38 * np.exp(-t / tk)
            # three slightly mistuned strings give the slow beating of a real piano
            cents = (0.0, 0.9, -0.7) if midi > 40 else (0.0, 0.6)
            osc = np.zeros(length)
            for c in cents:
                w = 2 * math.pi * fk * 2 ** (c / 1200.0)
                osc += np.sin(w * t + rng.uniform(0, 2 * math.pi))
            sig += amp * env * osc / len(cents)
            k += 1
        # felt on steel: a short, bright knock at the very start
        nlen = int(0.03 * SR)
        noise = rng.standard_normal(nlen)
        noise = np.diff(noise, prepend=0.0)
        noise = np.convolve(noise, [0.25, 0.5, 0.25], mode="same")
        noise *= np.exp(-np.arange(nlen) / (0.006 * SR))
        sig[:nlen] += 0.035 * vel * noise
        ramp = int(0.003 * SR)
        sig[:ramp] *= 0.5 - 0.5 * np.cos(np.linspace(0, math.pi, ramp))
        sig *= (0.35 + 0.65 * vel) * 0.25
        self.cache[key] = sig
        return sig

    def note(self, midi, vel, hold, release=0.28):
        """Samples of one note held for `hold` seconds (key and pedal), then
        damped. Ends exactly at zero."""
        vstep = int(np.clip(round(vel * self.VEL_STEPS) - 1, 0, self.VEL_STEPS - 1))
        n_hold = int(hold * SR)
        n_rel = int(release * 3 * SR)
        s = self._strike(midi, vstep, n_hold + n_rel)[: n_hold + n_rel].copy()
        rel = np.exp(-np.arange(n_rel) / (release * SR))
        rel *= np.linspace(1.0, 0.0, n_rel)
        s[n_hold:] *= rel[: len(s) - n_hold]
        return s


def pad_note(midi, dur, amp, seed, attack=0.9, release=1.2):
    """A soft bowed-string voice: a few detuned saw-like voices with slow vibrato,
    returned as (left, right)."""
    rng = np.random.default_rng(seed)
    n = int((dur + release) * SR)
    t = np.arange(n) / SR
    f0 = midi_hz(midi)
    out = []
    for side, cents in ((0, -6.0), (1, 6.0)):
        vib = 1 + 0.0025 * np.sin(2 * math.pi * (4.6 + side * 0.4) * t + rng.uniform(0, 6.28))
        phase = 2 * math.pi * f0 * 2 ** (cents / 1200.0) * np.cumsum(vib) / SR
        sig = np.zeros(n)
        for k in range(1, 7):
            if k * f0 > 5000:
                break
            sig += np.sin(k * phase + rng.uniform(0, 6.28)) * (0.7 ** (k - 1)) / k
        out.append(sig)
    env = np.ones(n)
    na = min(int(attack * SR), n)
    env[:na] = 0.5 - 0.5 * np.cos(np.linspace(0, math.pi, na))
    nr = int(release * SR)
    start_rel = max(n - nr, 0)
    env[start_rel:] *= 0.5 + 0.5 * np.cos(np.linspace(0, math.pi, n - start_rel))
    return out[0] * env * amp, out[1] * env * amp


class Mixer:
    def __init__(self, seconds):
        self.n = int(round(seconds * SR))
        self.buf = np.zeros((2, self.n))

    def add(self, start, mono=None, pan=0.0, stereo=None, gain=1.0):
        """Adds at `start` seconds; pan -1 (left) .. 1 (right), equal power."""
        i = int(round(start * SR))
        if i >= self.n:
            return
        if stereo is None:
            a = (pan + 1) * math.pi / 4
            stereo = (mono * math.cos(a), mono * math.sin(a))
        skip = max(-i, 0)
        i = max(i, 0)
        for ch in (0, 1):
            s = stereo[ch][skip:]
            j = min(self.n, i + len(s))
            self.buf[ch, i:j] += gain * s[: j - i]


def reverb(buf, seconds=2.6, rt60=2.2, wet=0.22, seed=99):
    """Convolution with a synthetic hall: decaying noise whose highs die
    faster than its lows, different for each ear, with a short pre-delay."""
    rng = np.random.default_rng(seed)
    m = int(seconds * SR)
    t = np.arange(m) / SR
    pre = int(0.022 * SR)
    irs = []
    for ch in range(2):
        noise = rng.standard_normal(m)
        low = np.convolve(noise, np.ones(9) / 9, mode="same")
        high = noise - low
        ir = low * np.exp(-6.9 * t / rt60) + 0.5 * high * np.exp(-6.9 * t / (rt60 * 0.4))
        ir[: int(0.004 * SR)] *= np.linspace(0, 1, int(0.004 * SR))
        ir = np.concatenate([np.zeros(pre), ir])
        ir /= np.sqrt(np.sum(ir ** 2))
        irs.append(ir)
    n = buf.shape[1]
    size = 1 << int(math.ceil(math.log2(n + len(irs[0]))))
    out = np.empty_like(buf)
    for ch in range(2):
        y = np.fft.irfft(np.fft.rfft(buf[ch], size) * np.fft.rfft(irs[ch], size), size)[:n]
        out[ch] = buf[ch] + wet * y
    return out


def normalise(buf, peak_db):
    peak = np.max(np.abs(buf))
    return buf * (10 ** (peak_db / 20.0) / peak)


def write_wav(path, buf, seed=1):
    """16-bit stereo WAV with seeded triangular dither."""
    rng = np.random.default_rng(seed)
    d = (rng.random(buf.shape) - rng.random(buf.shape))
    pcm = np.clip(np.round(buf * 32767.0 + d), -32768, 32767).astype("<i2")
    inter = pcm.T.reshape(-1)
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(inter.tobytes())
