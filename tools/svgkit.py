# SPDX-License-Identifier: GPL-3.0-or-later
"""Small helpers shared by the drawing scripts: number formatting, hearts,
calligraphic strokes and rendering through rsvg-convert."""

import math
import subprocess

INK = "#33282a"          # outline colour of every drawing
HEART_RED = "#e8333f"
HEART_DARK = "#b81f2c"


def f(v):
    """Fixed-precision numbers keep the SVG text (and so the output) stable."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join("%s,%s" % (f(x), f(y)) for x, y in points)


def svg_doc(width, height, body, view=None, defs=""):
    vb = view or (0, 0, width, height)
    return ('<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n'
            '<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            'width="%s" height="%s" viewBox="%s">\n<defs>%s</defs>\n%s\n</svg>\n'
            % (f(width), f(height), " ".join(f(v) for v in vb), defs, body))


# A heart 2 units wide, centred on its lobes; the tip points down.
_HEART = [
    ("M", (0.0, -0.42)),
    ("C", (-0.12, -0.86), (-0.98, -0.98), (-1.0, -0.32)),
    ("C", (-1.02, 0.18), (-0.42, 0.52), (0.0, 0.98)),
    ("C", (0.42, 0.52), (1.02, 0.18), (1.0, -0.32)),
    ("C", (0.98, -0.98), (0.12, -0.86), (0.0, -0.42)),
]


def _xf(p, cx, cy, s, rot):
    c, si = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    x, y = p[0] * s, p[1] * s
    return cx + x * c - y * si, cy + x * si + y * c


def heart_d(cx, cy, size, rot=0.0):
    """Path data of a heart whose lobes span `size` (half width) around cx,cy."""
    out = []
    for cmd, *ps in _HEART:
        out.append(cmd + " ".join("%s,%s" % tuple(map(f, _xf(p, cx, cy, size, rot))) for p in ps))
    return " ".join(out) + " Z"


def half_heart_d(cx, cy, size, side, rot=0.0, crack=None):
    """One half of a broken heart. `crack` is a list of (x, y) in heart units
    running from the top notch to the tip; both halves share it so they fit."""
    crack = crack or [(0.0, -0.42), (0.12, -0.15), (-0.1, 0.15), (0.1, 0.45), (0.0, 0.98)]
    P = lambda p: "%s,%s" % tuple(map(f, _xf(p, cx, cy, size, rot)))
    if side < 0:
        d = "M" + P(crack[0])
        d += " C" + " ".join(P(p) for p in [(-0.12, -0.86), (-0.98, -0.98), (-1.0, -0.32)])
        d += " C" + " ".join(P(p) for p in [(-1.02, 0.18), (-0.42, 0.52), (0.0, 0.98)])
        d += " L" + " L".join(P(p) for p in reversed(crack[:-1]))
    else:
        d = "M" + P(crack[0])
        d += " L" + " L".join(P(p) for p in crack[1:])
        d += " C" + " ".join(P(p) for p in [(0.42, 0.52), (1.02, 0.18), (1.0, -0.32)])
        d += " C" + " ".join(P(p) for p in [(0.98, -0.98), (0.12, -0.86), (0.0, -0.42)])
    return d + " Z"


def glossy_heart(cx, cy, size, rot=0.0, ink=INK, sw=None, gid="hg", highlight=True):
    """A cartoon heart: red body, darker lower edge, white gloss streak."""
    sw = size * 0.12 if sw is None else sw
    out = ['<path d="%s" fill="url(#%s)" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
           % (heart_d(cx, cy, size, rot), gid, ink, f(sw))]
    if highlight:
        hx, hy = _xf((-0.52, -0.45), cx, cy, size, rot)
        out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.85" '
                   'transform="rotate(%s %s %s)"/>'
                   % (f(hx), f(hy), f(size * 0.22), f(size * 0.11), f(rot - 40), f(hx), f(hy)))
        dx, dy = _xf((-0.2, -0.62), cx, cy, size, rot)
        out.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="0.85"/>'
                   % (f(dx), f(dy), f(size * 0.06)))
    return "\n".join(out)


def heart_gradient(gid, light="#ff6b73", mid=HEART_RED, dark=HEART_DARK):
    return ('<radialGradient id="%s" cx="0.38" cy="0.3" r="0.85">'
            '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="%s"/>'
            '<stop offset="1" stop-color="%s"/></radialGradient>' % (gid, light, mid, dark))


def calligraphic(center, widths):
    """Filled outline around a centre line whose width varies along it, the
    thick-thin look of a broad pen. `center` and `widths` have equal length."""
    n = len(center)
    left, right = [], []
    for i in range(n):
        x0, y0 = center[max(i - 1, 0)]
        x1, y1 = center[min(i + 1, n - 1)]
        dx, dy = x1 - x0, y1 - y0
        L = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / L, dx / L
        w = widths[i] / 2.0
        x, y = center[i]
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    poly = left + right[::-1]
    return "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in poly) + " Z"


def spiral_curl(cx, cy, r0, turns, start_angle, direction=1, steps=60):
    """Points of a tightening spiral, as in the end of a flourish."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        a = start_angle + direction * t * turns * 2 * math.pi
        r = r0 * (1 - 0.82 * t)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def bezier(p0, p1, p2, p3, steps=40):
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        out.append((u**3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t**3 * p3[0],
                    u**3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t**3 * p3[1]))
    return out


def render(svg_path, png_path, width, height):
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height),
                    "-o", png_path, svg_path], check=True)
