#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The scene played after a "No": the boy alone in the rain, his heart
cracks and falls in two; he gathers the halves, patches them together, and
ends with his fist raised beside a glowing, beating heart.

usage: refusal_scene.py WORKDIR
Writes WORKDIR/frames/NNNN.png (1184 x 744, 307 frames at 24000/1001 fps)
and WORKDIR/refusal.wav, ready for the encoder.

The frames have the shape of the player's area in the window (788 x 496), so
the film fills it without bars. The scene is drawn in units of its own: the
ground line lies at 600 to 610 and the boy in the middle at x = 640; the frame
shows VIEW of it, with room above the clouds for the sky and the sun. The
player's bottom 10 pixels lie below the window's client area, so nothing
that matters is drawn in the lowest 2 per cent of the frame."""

import math
import os
import subprocess
import sys
from multiprocessing import Pool

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import INK, f, half_heart_d, heart_d, heart_gradient, svg_doc  # noqa: E402
from figures import boy  # noqa: E402
from synth import SR, Mixer, Piano, midi_hz, normalise, reverb, write_wav  # noqa: E402

W, H = 1184, 744                          # frame size in pixels
# the part of the scene in the frame: x, y, width, height, in the shape W : H
VIEW = (24.0, -40.0, 1232.0, 1232.0 * H / W)
VX, VY, VW, VH = VIEW
BOTTOM = VY + VH
FPS = 24000 / 1001
FRAMES = 307
DURATION = FRAMES / FPS

# where the boy stands: his 200-unit box scaled up
S = 2.7
TX, TY = 640 - 100 * S, 668 - 195 * S

CRACK = [(0.0, -0.42), (0.14, -0.2), (-0.1, 0.02), (0.12, 0.24), (-0.06, 0.5), (0.0, 0.98)]

# key moments, in seconds
T_CRACK, T_SPLIT, T_LAND = 1.0, 1.7, 2.9
T_REACH, T_LIFT, T_HELD = 3.5, 4.0, 5.7
T_JOIN, T_PATCH = 6.6, 7.3
T_RESOLVE, T_UP = 9.0, 10.2
BEATS = [10.3, 11.1, 11.9, 12.7]          # heartbeats, shared by picture and sound


def ramp(t, a, b):
    """0 before a, 1 after b, eased in between."""
    if t <= a:
        return 0.0
    if t >= b:
        return 1.0
    u = (t - a) / (b - a)
    return u * u * (3 - 2 * u)


def lerp(a, b, u):
    return a + (b - a) * u


def mixcol(c1, c2, u):
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(int(round(lerp(x, y, u))) for x, y in zip(a, b))


def heartbeat(t):
    """A lub-dub pulse, 0..1, peaking just after each beat."""
    p = 0.0
    for b in BEATS:
        for off, amp in ((0.0, 1.0), (0.24, 0.6)):
            d = t - b - off
            if -0.04 < d < 0.3:
                p = max(p, amp * math.exp(-((d - 0.04) / 0.07) ** 2))
    return p


def hope(t):
    return ramp(t, 6.8, 10.5)


def rain_amount(t):
    return 1.0 - ramp(t, 6.4, 9.6)


# ---------------------------------------------------------------- scenery

def sky(t):
    h = hope(t)
    top = mixcol("#5f6d82", "#ffb59a", h)
    mid = mixcol("#8b97a8", "#ffd7b0", h)
    low = mixcol("#aeb7c3", "#fff1d8", h)
    defs = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="%s"/>'
            '<stop offset="1" stop-color="%s"/></linearGradient>' % (top, mid, low))
    body = ['<rect x="%s" y="%s" width="%s" height="%s" fill="url(#sky)"/>' % (f(VX - 60), f(VY - 60), f(VW + 120), f(VH + 120))]
    if h > 0:
        # sunbeams fanning down from behind the clouds
        rays = []
        for k in range(9):
            a = math.radians(-70 + k * 17.5 + 3 * math.sin(t * 0.7 + k))
            a2 = a + math.radians(6)
            rays.append("M640,-40 L%s,%s L%s,%s Z" % (f(640 + 1400 * math.sin(a)), f(-40 + 1400 * math.cos(a)),
                                                      f(640 + 1400 * math.sin(a2)), f(-40 + 1400 * math.cos(a2))))
        body.append('<path d="%s" fill="#fffbe8" opacity="%s"/>' % (" ".join(rays), f(0.28 * h)))
        body.append('<circle cx="640" cy="-20" r="%s" fill="#fff6d0" opacity="%s"/>' % (f(90 + 30 * h), f(0.8 * h)))
    # two rows of soft hills
    far = mixcol("#7d8b93", "#f0b8a0", h)
    near = mixcol("#6f8276", "#a9cf8e", h)
    body.append('<path d="M0,560 C160,500 300,520 420,540 C560,500 700,490 860,530 C1000,500 1150,505 1280,540 '
                'L1320,540 L1320,%s L-40,%s L-40,560 Z" fill="%s" opacity="0.7"/>' % (f(BOTTOM + 60), f(BOTTOM + 60), far))
    body.append('<path d="M-40,617 L0,610 C200,575 420,585 640,600 C860,585 1080,575 1280,605 L1320,612 '
                'L1320,%s L-40,%s Z" fill="%s" stroke="%s" stroke-width="5"/>' % (f(BOTTOM + 60), f(BOTTOM + 60), near, INK))
    # puddles catching the rain
    for cx, cy, rx in ((300, 676, 130), (1010, 684, 150), (650, 702, 90)):
        body.append('<ellipse cx="%d" cy="%d" rx="%d" ry="%s" fill="%s" stroke="%s" stroke-width="3" opacity="0.9"/>'
                    % (cx, cy, rx, f(rx * 0.13), mixcol("#9fb2c8", "#cfe6f5", h), mixcol("#5a6a80", "#6f9ab8", h)))
    return defs, "\n".join(body)


def cloud(cx, cy, s, fill):
    circles = [(-60, 10, 38), (-20, -12, 48), (30, -18, 44), (70, 6, 34), (10, 18, 40), (-40, 22, 30), (50, 24, 28)]
    rims = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
                   % (f(cx + x * s), f(cy + y * s), f(r * s), fill, INK, f(5)) for x, y, r in circles)
    fills = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                    % (f(cx + x * s), f(cy + y * s), f(r * s - 2.5), fill) for x, y, r in circles)
    return rims + fills


def clouds(t):
    h = hope(t)
    part = ramp(t, 8.0, 11.5)
    out = []
    fill = mixcol("#727c8c", "#ffffff", h)
    for cx, cy, s, side in ((130, 70, 1.5, -1), (470, 40, 1.35, -1), (830, 50, 1.45, 1), (1160, 80, 1.6, 1)):
        x = cx + 6 * t * side + side * 420 * part * (1.0 if abs(cx - 640) < 300 else 0.6)
        out.append(cloud(x, cy - 30 * part, s, fill))
    return "\n".join(out)


def rain(t):
    amount = rain_amount(t)
    if amount <= 0:
        return ""
    rng = np.random.default_rng(5150)
    n = 170
    xs = rng.uniform(VX - 100, VX + VW + 60, n)
    ys = rng.uniform(0, VH + 80, n)
    speed = rng.uniform(900, 1250, n)
    length = rng.uniform(26, 46, n)
    keep = rng.random(n)
    d = []
    for k in range(n):
        if keep[k] > amount:
            continue
        y = (ys[k] + speed[k] * t) % (VH + 80) - 40 + VY
        x = xs[k] + 0.22 * (y + 40)
        d.append("M%s,%s l%s,%s" % (f(x), f(y), f(-0.22 * length[k]), f(-length[k])))
    body = ['<path d="%s" stroke="#e8f0fb" stroke-width="3.2" stroke-linecap="round" opacity="0.7"/>' % " ".join(d)]
    # rings spreading on the puddles
    rings = []
    rr = np.random.default_rng(77)
    spots = [(300, 676, 110), (1010, 684, 130), (650, 702, 70)]
    for k in range(24):
        px, py, rx = spots[k % 3]
        x = px + rr.uniform(-rx, rx) * 0.8
        phase = rr.uniform(0, 0.9)
        age = (t + phase) % 0.9
        if rr.random() > amount:
            continue
        r = 4 + 26 * age
        rings.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="#eef5ff" stroke-width="2" opacity="%s"/>'
                     % (f(x), f(py + rr.uniform(-4, 4)), f(r), f(r * 0.25), f(0.8 * (1 - age / 0.9))))
    body.append("".join(rings))
    return "\n".join(body)


# ---------------------------------------------------------------- the heart

def band_aid(cx, cy, size, pop):
    if pop <= 0:
        return ""
    s = size / 60.0 * (pop + 0.25 * math.sin(math.pi * min(pop, 1.0)))
    return ('<g transform="translate(%s %s) rotate(-38) scale(%s)">'
            '<rect x="-46" y="-15" width="92" height="30" rx="15" fill="#f4cfa0" stroke="%s" stroke-width="5"/>'
            '<rect x="-16" y="-13" width="32" height="26" rx="5" fill="#fbe4c6" stroke="%s" stroke-width="2.5"/>'
            '<g fill="#d9a877"><circle cx="-32" cy="-5" r="2.4"/><circle cx="-32" cy="5" r="2.4"/><circle cx="-24" cy="0" r="2.4"/>'
            '<circle cx="32" cy="-5" r="2.4"/><circle cx="32" cy="5" r="2.4"/><circle cx="24" cy="0" r="2.4"/></g></g>'
            % (f(cx), f(cy), f(s), INK, INK))


def halves(cx, cy, size, gap, rot_l, rot_r, drop_l=(0, 0), drop_r=(0, 0)):
    out = []
    for side, rot, (dx, dy) in ((-1, rot_l, drop_l), (1, rot_r, drop_r)):
        x, y = cx + side * gap + dx, cy + dy
        out.append('<path d="%s" fill="url(#heart)" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
                   % (half_heart_d(x, y, size, side, rot, CRACK), INK, f(size * 0.11)))
        if side < 0:
            hx, hy = x - size * 0.52, y - size * 0.46
            out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.85" transform="rotate(%s %s %s)"/>'
                       % (f(hx), f(hy), f(size * 0.2), f(size * 0.1), f(rot - 40), f(hx), f(hy)))
    return "\n".join(out)


def whole_heart(cx, cy, size, crack_shown=1.0, glow=0.0, patch=0.0):
    out = []
    if glow > 0:
        out.append('<circle cx="%s" cy="%s" r="%s" fill="url(#glow)" opacity="%s"/>' % (f(cx), f(cy), f(size * 2.6), f(glow)))
    out.append('<path d="%s" fill="url(#heart)" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
               % (heart_d(cx, cy, size), INK, f(size * 0.11)))
    hx, hy = cx - size * 0.52, cy - size * 0.46
    out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.85" transform="rotate(-40 %s %s)"/>'
               % (f(hx), f(hy), f(size * 0.2), f(size * 0.1), f(hx), f(hy)))
    if crack_shown > 0:
        pts = [(cx + x * size, cy + y * size) for x, y in CRACK]
        total = sum(math.dist(pts[i], pts[i + 1]) for i in range(len(pts) - 1))
        d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts)
        out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round" '
                   'stroke-dasharray="%s %s"/>' % (d, INK, f(size * 0.07), f(total * crack_shown), f(total + 10)))
    out.append(band_aid(cx + size * 0.02, cy + size * 0.05, size, patch))
    return "\n".join(out)


def sparkles(cx, cy, radius, t, amount):
    if amount <= 0:
        return ""
    out = []
    # only on the side away from his head
    for k in range(7):
        a = -2.0 + k * 0.58 + 0.18 * math.sin(0.9 * t + k)
        r = radius * (1.0 + 0.15 * math.sin(t * 3 + k))
        x, y = cx + r * math.cos(a), cy + r * math.sin(a) * 0.9
        s = (6 + 5 * (0.5 + 0.5 * math.sin(t * 6 + k * 1.7))) * amount
        out.append('<path d="M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" fill="#fff3a0" stroke="%s" stroke-width="2"/>'
                   % (f(x), f(y - 2 * s), f(x), f(y), f(x + 2 * s), f(y), f(x), f(y), f(x), f(y + 2 * s),
                      f(x), f(y), f(x - 2 * s), f(y), f(x), f(y), f(x), f(y - 2 * s), "#c98a1c"))
    return "\n".join(out)


def heart_layer(t):
    """Returns (svg drawn in front of the body, svg drawn in front of all)."""
    chest = (640, TY + 140 * S)
    start = (930, 300)
    size0 = 90
    size_held = 64
    if t < T_SPLIT:
        bob = 8 * math.sin(t * 2.2)
        shake = 4 * math.sin(t * 60) * ramp(t, T_CRACK - 0.2, T_CRACK) if t < T_SPLIT else 0
        return "", whole_heart(start[0] + shake, start[1] + bob, size0, crack_shown=ramp(t, T_CRACK, T_CRACK + 0.45))
    if t < T_LIFT:
        # the halves fall apart and lie on the ground
        u = min((t - T_SPLIT) / (T_LAND - T_SPLIT), 1.0)
        fall = u * u
        bounce = 14 * math.sin(math.pi * min((t - T_LAND) / 0.35, 1.0)) if t > T_LAND else 0
        bob = 8 * math.sin(T_SPLIT * 2.2)
        gap = 6 + 60 * ramp(t, T_SPLIT, T_LAND)
        return "", halves(start[0], start[1] + bob, size0, gap, -28 * u, 32 * u,
                          (-40 * u, 330 * fall - bounce), (50 * u, 342 * fall - bounce * 0.7))
    if t < T_JOIN:
        # gathered up into his hands
        u = ramp(t, T_LIFT, T_HELD)
        bob = 8 * math.sin(T_SPLIT * 2.2)
        x = lerp(start[0], chest[0], u)
        y = lerp(start[1] + bob + 336, chest[1], u) - 120 * math.sin(math.pi * u)
        size = lerp(size0, size_held, u)
        gap = lerp(66, 16, u)
        pieces = halves(x, y, size, gap, lerp(-28, -8, u), lerp(32, 8, u), (-45 * (1 - u), 0), (50 * (1 - u), 0))
        # in front of him while they rise, between his hands once caught
        return (pieces, "") if t >= T_HELD else ("", pieces)
    if t < T_RESOLVE:
        u = ramp(t, T_JOIN - 0.5, T_JOIN)
        if u < 1:
            return halves(chest[0], chest[1], size_held, lerp(16, 0, u), lerp(-8, 0, u), lerp(8, 0, u)), ""
        glow = ramp(t, T_PATCH + 0.3, T_RESOLVE)
        return whole_heart(chest[0], chest[1], size_held, glow=glow, patch=ramp(t, T_PATCH, T_PATCH + 0.35)), ""
    # rises up beside his raised fist, glowing and beating
    u = ramp(t, T_RESOLVE, T_UP)
    x = lerp(chest[0], 900, u)
    y = lerp(chest[1], 245, u) + 6 * math.sin(t * 2.0) * u
    size = lerp(size_held, 100, u) * (1 + 0.13 * heartbeat(t))
    front = whole_heart(x, y, size, glow=1.0, patch=1.0) + sparkles(x, y, size * 1.9, t, ramp(t, T_UP - 0.6, T_UP + 0.4))
    return "", front


# ---------------------------------------------------------------- the boy

def boy_layer(t, held):
    if t < T_RESOLVE - 0.3:
        mood = "sad"
    else:
        mood = "determined"
    tear_t = None
    if mood == "sad" and t < T_PATCH:
        tear_t = (t % 1.6) / 1.6
    if t < T_REACH:
        arms, blend = "down", None
    elif t < T_RESOLVE:
        arms, blend = "down", ("hold", ramp(t, T_REACH, T_LIFT + 0.6))
    else:
        arms, blend = "hold", ("fist", ramp(t, T_RESOLVE, T_RESOLVE + 0.45))
    # a small hop of resolve when the fist goes up
    hop = -18 * math.sin(math.pi * ramp(t, T_RESOLVE, T_RESOLVE + 0.5)) if t > T_RESOLVE else 0
    # breathing, and a slump while sad
    breathe = 2.5 * math.sin(t * 2.4)
    slump = 6 * (1 - ramp(t, T_JOIN, T_RESOLVE))
    held_local = ('<g transform="scale(%s) translate(%s %s)">%s</g>' % (f(1 / S), f(-TX), f(-TY - hop - slump), held)) if held else ""
    shadow = '<ellipse cx="640" cy="670" rx="%s" ry="15" fill="#2d3442" opacity="0.25"/>' % f(90 + hop * 0.8)
    return shadow + ('<g transform="translate(%s %s) scale(%s %s)">%s</g>'
                     % (f(TX), f(TY + hop + slump), f(S), f(S * (1 + 0.004 * breathe)),
                        boy(mood=mood, arms=arms, blend=blend, tear_t=tear_t, held=held_local)))


def frame_svg(i):
    t = i / FPS
    defs = heart_gradient("heart")
    defs += ('<radialGradient id="glow"><stop offset="0" stop-color="#fff6b0" stop-opacity="0.95"/>'
             '<stop offset="0.45" stop-color="#ffc27a" stop-opacity="0.45"/>'
             '<stop offset="1" stop-color="#ff9a7a" stop-opacity="0"/></radialGradient>'
             '<radialGradient id="vignette" r="0.75"><stop offset="0.55" stop-color="#000000" stop-opacity="0"/>'
             '<stop offset="1" stop-color="#101522" stop-opacity="0.55"/></radialGradient>')
    sky_defs, scenery = sky(t)
    held, front = heart_layer(t)
    # a slow push in on him through the whole scene
    zoom = 1.0 + 0.06 * ramp(t, 0, DURATION)
    body = ['<g transform="translate(640 420) scale(%s) translate(-640 -420)">' % f(zoom),
            scenery, clouds(t), boy_layer(t, held), front, rain(t), '</g>',
            '<rect x="%s" y="%s" width="%s" height="%s" fill="url(#vignette)" opacity="%s"/>'
            % (f(VX), f(VY), f(VW), f(VH), f(1 - 0.7 * hope(t)))]
    return svg_doc(W, H, "\n".join(body), view=VIEW, defs=defs + sky_defs)


def render_frame(args):
    i, outdir = args
    svg = os.path.join(outdir, "%04d.svg" % i)
    with open(svg, "w") as fh:
        fh.write(frame_svg(i))
    subprocess.run(["rsvg-convert", "-w", str(W), "-h", str(H), "-b", "#000000",
                    "-o", os.path.join(outdir, "%04d.png" % i), svg], check=True)
    os.remove(svg)
    return i


# ---------------------------------------------------------------- sound

def rain_sound(n, amount, rng):
    """Hiss of rain: white noise softened at both ends of the spectrum, with
    single drops pattering on top."""
    noise = rng.standard_normal((2, n))
    bands = np.fft.rfft(noise, axis=1)
    freqs = np.fft.rfftfreq(n, 1 / SR)
    shape = (freqs / 400.0) ** 2 / (1 + (freqs / 400.0) ** 2) / (1 + (freqs / 5000.0) ** 1.5)
    hiss = np.fft.irfft(bands * shape, n, axis=1)
    hiss /= np.max(np.abs(hiss))
    out = 0.16 * hiss
    drops = int(14 * n / SR)
    for _ in range(drops):
        i = int(rng.uniform(0, n - 2000))
        fr = rng.uniform(1800, 5200)
        ln = 900
        tt = np.arange(ln) / SR
        blip = np.sin(2 * math.pi * fr * tt * (1 - 2.5 * tt)) * np.exp(-tt / 0.004) * rng.uniform(0.05, 0.16)
        ch = rng.integers(0, 2)
        out[ch, i:i + ln] += blip
        out[1 - ch, i:i + ln] += 0.4 * blip
    return out * amount


def soundtrack():
    rng = np.random.default_rng(4242)
    mix = Mixer(DURATION)
    n = mix.n
    t = np.arange(n) / SR
    amount = np.array([rain_amount(x) for x in t[::441]])
    amount = np.interp(t, t[::441], amount)
    mix.buf += rain_sound(n, 1.0, rng) * amount

    piano = Piano(seed=23)

    def chord(at, notes, hold, vel, spread=0.05):
        for k, m in enumerate(notes):
            mix.add(at + k * spread, piano.note(m, vel, hold - k * spread), pan=(m - 62) / 50.0)

    def melody(notes, vel):
        for at, dur, m in notes:
            mix.add(at, piano.note(m, vel, dur + 0.1, release=0.4), pan=0.1, gain=1.4)

    # D minor, slow and bare while the heart breaks
    chord(0.05, [38, 45, 50, 53, 57], 3.0, 0.32, 0.12)
    melody([(0.5, 0.9, 69), (1.4, 0.45, 70), (1.85, 0.45, 69), (2.3, 0.7, 65)], 0.5)
    chord(3.0, [34, 41, 50, 53, 58], 1.5, 0.3, 0.1)
    chord(4.5, [31, 43, 50, 55, 58], 0.75, 0.28, 0.08)
    chord(5.25, [33, 45, 49, 52, 55], 0.75, 0.3, 0.08)
    melody([(3.05, 0.9, 74), (3.95, 0.55, 72), (4.5, 0.75, 70), (5.25, 0.75, 69)], 0.5)
    # gathering the pieces: the line starts to climb
    for at, root in ((6.0, [38, 45, 50, 53, 57, 62]), (7.0, [34, 41, 46, 50, 53, 58]), (8.0, [36, 43, 48, 52, 55, 60])):
        for k, m in enumerate(root + root[-2:-5:-1]):
            mix.add(at + k * 0.111, piano.note(m, 0.3 + 0.02 * k, 1.0 - k * 0.111 + 0.05), pan=(m - 62) / 50.0)
    melody([(6.0, 0.75, 69), (6.75, 0.25, 70), (7.0, 1.0, 74), (8.0, 0.5, 76), (8.5, 0.5, 79)], 0.55)
    # resolve: B flat, C, and home on a bright F major
    chord(9.0, [34, 46, 53, 58, 62, 65], 1.0, 0.42, 0.04)
    chord(10.0, [36, 48, 52, 55, 60, 64], 1.0, 0.45, 0.04)
    chord(11.0, [29, 41, 48, 53, 57, 60, 65, 69, 72], DURATION - 11.0, 0.5, 0.07)
    melody([(9.0, 1.0, 77), (10.0, 0.5, 79), (10.5, 0.5, 76), (11.0, 1.75, 81)], 0.66)

    # the patch going on: a little chime
    for at, m in ((T_PATCH, 96), (T_PATCH + 0.09, 100), (T_PATCH + 0.18, 103)):
        ln = int(1.2 * SR)
        tt = np.arange(ln) / SR
        bell = sum(a * np.sin(2 * math.pi * midi_hz(m) * r * tt) * np.exp(-tt / d)
                   for r, a, d in ((1.0, 1.0, 0.5), (2.76, 0.4, 0.18), (5.4, 0.2, 0.08)))
        bell[:64] *= np.linspace(0, 1, 64)
        mix.add(at, bell * 0.05, pan=0.3)
    # the crack, and the halves landing
    ln = int(0.25 * SR)
    tt = np.arange(ln) / SR
    crack = rng.standard_normal(ln) * np.exp(-tt / 0.03)
    crack = np.diff(crack, prepend=0.0) * 0.1
    for k, at in enumerate((T_CRACK, T_CRACK + 0.12, T_CRACK + 0.2)):
        mix.add(at, crack * (1.0 - 0.3 * k), pan=0.35)
    thud = np.sin(2 * math.pi * 70 * tt * (1 - 1.2 * tt)) * np.exp(-tt / 0.06)
    thud[:32] *= np.linspace(0, 1, 32)
    for at, pan in ((T_LAND, 0.2), (T_LAND + 0.07, 0.5)):
        mix.add(at, thud * 0.35, pan=pan)
    # heartbeats under the final chord
    for b in BEATS:
        for off, a in ((0.0, 0.55), (0.24, 0.35)):
            beat = np.sin(2 * math.pi * 52 * tt * (1 - 0.6 * tt)) * np.exp(-tt / 0.07)
            beat[:64] *= np.linspace(0, 1, 64)
            mix.add(b + off, beat * a)

    out = reverb(mix.buf, seconds=1.8, rt60=1.6, wet=0.2, seed=31)
    fade = int(0.35 * SR)
    out[:, -fade:] *= np.linspace(1, 0, fade) ** 2
    ramp_in = int(0.05 * SR)
    out[:, :ramp_in] *= np.linspace(0, 1, ramp_in)
    return normalise(out, -3.0)


def main():
    work = sys.argv[1]
    frames = os.path.join(work, "frames")
    os.makedirs(frames, exist_ok=True)
    write_wav(os.path.join(work, "refusal.wav"), soundtrack(), seed=3)
    with Pool(2) as pool:
        for _ in pool.imap_unordered(render_frame, [(i, frames) for i in range(FRAMES)]):
            pass


if __name__ == "__main__":
    main()
