#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws background.jpg, walking-figure.jpg and waiting-figure.jpg, and each
of them at twice its size (NAME@2x.jpg) for screens scaled above 100 % and
at four times (NAME@4x.jpg) for the show on a whole screen.

usage: draw_pictures.py WORKDIR RESOURCES
The SVG sources and raw renderings stay in WORKDIR."""

import math
import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import (INK, bezier, calligraphic, f, glossy_heart, heart_d,  # noqa: E402
                    heart_gradient, render, spiral_curl, svg_doc)
from figures import boy, girl, small_heart  # noqa: E402

PAPER = "#fbf8f2"
BG_W, BG_H = 800, 500


def clouds(width, height, seed=20240214):
    """Soft grey cloud cover: a few octaves of smoothly interpolated value
    noise, pushed through a gentle contrast curve."""
    rng = np.random.default_rng(seed)
    acc = np.zeros((height, width))
    total = 0.0
    for cells, weight in ((4, 1.0), (8, 0.55), (16, 0.3), (32, 0.16), (64, 0.08)):
        grid = rng.random((cells * height // width + 2, cells + 2))
        img = Image.fromarray((grid * 255).astype(np.uint8), "L")
        big = img.resize((width + 2 * width // cells, height + 2 * width // cells), Image.BICUBIC)
        off = width // cells // 2
        acc += weight * np.asarray(big, dtype=np.float64)[off:off + height, off:off + width] / 255.0
        total += weight
    n = acc / total
    n = (n - n.min()) / (n.max() - n.min())
    n = n * n * (3 - 2 * n)                      # billows with soft edges
    y = np.linspace(0, 1, height)[:, None]
    light = 0.55 * n + 0.45 * (0.35 + 0.65 * y) * n + 0.12 * y
    light = np.clip(light, 0, 1)
    dark = np.array([214, 216, 222], dtype=np.float64)
    bright = np.array([250, 250, 252], dtype=np.float64)
    rgb = dark + (bright - dark) * light[..., None]
    return Image.fromarray(np.clip(rgb + 0.5, 0, 255).astype(np.uint8), "RGB")


# Letter outlines in a local box, 130 units tall.
LETTERS = {
    "L": ("M0,0 L40,0 L40,96 L92,96 L92,130 L0,130 Z", 92),
    "O": ("M58,0 C92,0 116,28 116,65 C116,102 92,130 58,130 C24,130 0,102 0,65 C0,28 24,0 58,0 Z "
          "M58,33 C46,33 39,47 39,65 C39,83 46,97 58,97 C70,97 77,83 77,65 C77,47 70,33 58,33 Z", 116),
    "V": ("M0,0 L42,0 L58,78 L74,0 L116,0 L78,130 L38,130 Z", 116),
    "E": ("M0,0 L90,0 L90,32 L40,32 L40,50 L80,50 L80,80 L40,80 L40,98 L92,98 L92,130 L0,130 Z", 92),
}


def letter(ch, x, y, scale, rot, idx):
    d, w = LETTERS[ch]
    t = 'translate(%s %s) rotate(%s %s 65) scale(%s)' % (f(x), f(y), f(rot), f(w / 2), f(scale))
    sw = 6.0 / scale
    return ('<g transform="%s">'
            '<path d="%s" fill="#5a5560" opacity="0.22" transform="translate(5 6)" fill-rule="evenodd"/>'
            '<clipPath id="lc%d"><path d="%s" clip-rule="evenodd"/></clipPath>'
            '<g clip-path="url(#lc%d)"><rect x="-10" y="-10" width="140" height="150" fill="#dcdde6"/>'
            '<path d="%s" fill="#ffffff" transform="translate(-6 -6)" fill-rule="evenodd"/></g>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            '</g>' % (t, d, idx, d, idx, d, d, "#141214", f(sw)))


def flourish(points, wmax, wmin=1.2, ink="#141214"):
    n = len(points)
    widths = []
    for i in range(n):
        t = i / (n - 1)
        widths.append(wmin + (wmax - wmin) * math.sin(math.pi * min(1.0, t * 1.15)) ** 1.4)
    return '<path d="%s" fill="%s"/>' % (calligraphic(points, widths), ink)


def mirror(points, cx):
    return [(2 * cx - x, y) for x, y in points]


def scroll(start, c1, c2, end, curl_r, curl_turns, curl_dir, wmax, steps=50):
    """A pen stroke that sweeps along a curve and winds up in a spiral."""
    line = bezier(start, c1, c2, end, steps)
    dx, dy = end[0] - c2[0], end[1] - c2[1]
    heading = math.atan2(dy, dx)
    # centre the spiral so that it continues the stroke's heading
    a0 = heading - curl_dir * math.pi / 2
    ccx, ccy = end[0] - curl_r * math.cos(a0), end[1] - curl_r * math.sin(a0)
    curl = spiral_curl(ccx, ccy, curl_r, curl_turns, a0, direction=curl_dir, steps=int(40 * curl_turns))
    return line + curl[1:]


def ornaments(cx):
    out = []
    # under the word: a long wave from the middle, winding up beside L and E
    low = scroll((cx - 16, 244), (cx - 120, 268), (cx - 230, 222), (cx - 300, 236), 26, 1.45, 1, 10.0, 60)
    out.append(flourish(low, 10.0))
    out.append(flourish(mirror(low, cx), 10.0))
    out.append(glossy_heart(cx, 244, 12, 0, ink="#141214", sw=3, gid="bgheart", highlight=False))
    inner = scroll((cx - 140, 248), (cx - 160, 264), (cx - 190, 266), (cx - 204, 254), 8, 1.2, 1, 4.5, 24)
    out.append(flourish(inner, 4.5))
    out.append(flourish(mirror(inner, cx), 4.5))
    # above the word: from over the hearts out to curls above L and E
    top = scroll((cx - 70, 82), (cx - 130, 38), (cx - 214, 36), (cx - 262, 62), 23, 1.45, -1, 8.0, 56)
    out.append(flourish(top, 8.0))
    out.append(flourish(mirror(top, cx), 8.0))
    tin = scroll((cx - 130, 52), (cx - 140, 30), (cx - 164, 24), (cx - 178, 32), 7, 1.2, -1, 4.0, 24)
    out.append(flourish(tin, 4.0))
    out.append(flourish(mirror(tin, cx), 4.0))
    return "\n".join(out)


def background_svg():
    cx = 400
    defs = heart_gradient("bgheart")
    body = [ornaments(cx)]
    y0 = 88
    body.append(letter("L", 104, y0 + 4, 1.0, -6, 1))
    body.append(letter("O", 202, y0, 1.0, -3, 2))
    body.append(letter("V", 482, y0, 1.0, 3, 3))
    body.append(letter("E", 606, y0 + 4, 1.0, 6, 4))
    # the pale heart behind, then the glossy red one
    body.append('<path d="%s" fill="#ffffff" stroke="%s" stroke-width="6" stroke-linejoin="round"/>'
                % (heart_d(cx - 26, 140, 52, -14), "#141214"))
    body.append('<path d="%s" fill="#fff3f4" stroke="#e0404c" stroke-width="6" stroke-linejoin="round"/>'
                % heart_d(cx - 26, 140, 44, -14))
    body.append(glossy_heart(cx + 28, 166, 54, 12, ink="#141214", sw=6, gid="bgheart"))
    # The letter is typed over the top of the picture (about y 14 to 120 for
    # the default one), so the artwork sits below it, in y 132 to 342.
    art = '<g transform="translate(%d 132) scale(0.82) translate(%d -24)">%s</g>' % (
        cx, -cx, "\n".join(body))
    return svg_doc(BG_W, BG_H, art, defs=defs)


def figure_svg(which):
    body = ['<rect width="200" height="200" fill="%s"/>' % PAPER,
            '<ellipse cx="%s" cy="193" rx="34" ry="5" fill="#e9e2d6"/>' % ("112" if which == "boy" else "90")]
    if which == "boy":
        body.append('<g transform="translate(12 0)">%s</g>' % boy(walk=True))
        body.append(small_heart(30, 72, 17, -16))
        body.append(small_heart(22, 40, 8, 12))
    else:
        body.append('<g transform="translate(-10 0)">%s</g>' % girl())
        body.append(small_heart(166, 74, 17, 16))
        body.append(small_heart(176, 42, 8, -12))
    return svg_doc(200, 200, "\n".join(body))


def draw_background(work, res, scale, name):
    width, height = BG_W * scale, BG_H * scale
    svg = os.path.join(work, "background.svg")
    with open(svg, "w") as fh:
        fh.write(background_svg())
    art_png = os.path.join(work, "background-art-%dx.png" % scale)
    render(svg, art_png, width, height)
    # the same clouds: the noise grid depends only on the aspect ratio
    bg = clouds(width, height).convert("RGBA")
    bg.alpha_composite(Image.open(art_png).convert("RGBA"))
    bg.convert("RGB").save(os.path.join(res, name), quality=92, subsampling=0)


def draw_figure(work, res, which, scale, name):
    svg = os.path.join(work, which + ".svg")
    with open(svg, "w") as fh:
        fh.write(figure_svg(which))
    size = 100 * scale
    big = os.path.join(work, "%s-%dx.png" % (which, scale))
    # drawn at 4x and reduced, which keeps the thin outlines crisp but soft
    render(svg, big, 4 * size, 4 * size)
    img = Image.open(big).convert("RGB").resize((size, size), Image.LANCZOS)
    img.save(os.path.join(res, name), quality=95, subsampling=0)


def main():
    work, res = sys.argv[1], sys.argv[2]
    for scale, suffix in ((1, ""), (2, "@2x"), (4, "@4x")):
        draw_background(work, res, scale, "background%s.jpg" % suffix)
        for which, name in (("boy", "walking-figure"), ("girl", "waiting-figure")):
            draw_figure(work, res, which, scale, "%s%s.jpg" % (name, suffix))


if __name__ == "__main__":
    main()
