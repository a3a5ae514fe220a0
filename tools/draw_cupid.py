#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the cupid icon: writes RESOURCES/cupid.svg and renders the PNG
sizes from that same file.

usage: draw_cupid.py WORKDIR RESOURCES"""

import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import f, heart_d, render, svg_doc  # noqa: E402

INK = "#3b2620"
SW = 7.0            # heavy enough to survive the 48 px icon
SKIN = "#ffdcc4"
HAIR = "#f5c13c"
HAIR_LIGHT = "#ffe27a"
SASH = "#e1323f"
WOOD = "#b8692e"


def stroked(shape, fill, sw=SW, extra=""):
    return shape.replace("/>", ' fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" '
                                'stroke-linecap="round" %s/>' % (fill, INK, f(sw), extra), 1)


def blob(circles, fill, sw=SW):
    """A bumpy outline (curls, clouds, feathers) from overlapping circles:
    all outlines first, then all fills on top, so only the rim stays inked."""
    rims = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
                   % (f(x), f(y), f(r), fill, INK, f(sw)) for x, y, r in circles)
    fills = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(r), fill) for x, y, r in circles)
    return rims + fills


def limb(points, width, fill, sw=SW):
    d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in points)
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            % (d, INK, f(width + 2 * sw), d, fill, f(width)))


def wing(rot, scale, light):
    """A wing of three rounded feather rows, pivoting at its root (0,0)."""
    g = []
    outline = ("M0,0 C10,-40 50,-70 96,-64 C86,-50 92,-44 80,-34 C88,-30 88,-18 74,-12 "
               "C82,-4 76,8 60,8 C64,18 50,26 36,20 C28,30 10,28 0,0 Z")
    g.append('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (outline, "#ffffff", INK, f(SW)))
    g.append('<path d="M8,-6 C18,-32 46,-50 80,-50 C70,-40 74,-34 62,-26 C66,-20 60,-12 50,-10 C50,-2 36,4 26,2 Z" fill="%s"/>' % light)
    for d in ("M18,-16 C34,-30 54,-38 74,-36", "M16,-4 C30,-12 46,-16 60,-14", "M14,6 C24,4 34,4 44,6"):
        g.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (d, INK, f(SW * 0.55)))
    return '<g transform="rotate(%s) scale(%s)">%s</g>' % (f(rot), f(scale), "".join(g))


def cupid_svg():
    defs = ('<radialGradient id="skin" cx="0.4" cy="0.35" r="0.8"><stop offset="0" stop-color="#fff0e4"/>'
            '<stop offset="1" stop-color="%s"/></radialGradient>'
            '<linearGradient id="wood" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#d98b43"/>'
            '<stop offset="0.5" stop-color="%s"/><stop offset="1" stop-color="#d98b43"/></linearGradient>' % (SKIN, WOOD))
    b = []
    # wings on his back, the far one first
    b.append('<g transform="translate(182 128)">%s</g>' % wing(-28, 1.0, "#dfe9fb"))
    b.append('<g transform="translate(180 140)">%s</g>' % wing(6, 0.88, "#e8f1ff"))
    # back leg, body, front leg
    b.append(limb([(178, 196), (200, 214), (192, 232)], 24, SKIN))
    b.append(stroked('<ellipse cx="164" cy="166" rx="34" ry="38"/>', "url(#skin)"))
    # the sash over one shoulder, with fluttering ends
    b.append('<clipPath id="torso"><ellipse cx="164" cy="166" rx="34" ry="38"/></clipPath>')
    b.append('<path d="M118,152 L196,184 L198,204 L118,170 Z" fill="%s" clip-path="url(#torso)"/>' % SASH)
    b.append('<path d="M118,152 L196,184 M118,170 L198,204" stroke="%s" stroke-width="%s" clip-path="url(#torso)"/>'
             % (INK, f(SW * 0.7)))
    b.append(stroked('<path d="M188,192 C206,196 222,186 236,194 C226,204 230,214 238,222 C220,222 206,214 190,206 Z"/>', SASH))
    b.append(stroked('<circle cx="190" cy="196" r="9"/>', SASH, SW * 0.8))
    b.append(limb([(146, 192), (126, 206), (138, 226)], 24, SKIN))
    # the bow, its string drawn back to the hand at his chin
    b.append('<path d="M96,36 Q6,124 96,212" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (INK, f(14 + 2 * SW)))
    b.append('<path d="M96,36 Q6,124 96,212" fill="none" stroke="url(#wood)" stroke-width="14" stroke-linecap="round"/>')
    b.append('<path d="M96,36 L156,122 L96,212" fill="none" stroke="%s" stroke-width="3.5" stroke-linejoin="round"/>' % INK)
    # the arrow, heart head pointing left
    b.append('<path d="M34,122 L160,122" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (INK, f(8 + 2 * SW * 0.7)))
    b.append('<path d="M34,122 L160,122" stroke="#e9b35a" stroke-width="8" stroke-linecap="round"/>')
    b.append('<path d="M146,122 l18,-14 l8,0 l-12,14 l12,14 l-8,0 Z" fill="#ff9fb0" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
             % (INK, f(SW * 0.7)))
    b.append('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
             % (heart_d(28, 122, 20, 90), SASH, INK, f(SW * 0.8)))
    # front arm out to the bow grip; back arm bent to the string
    b.append(limb([(144, 146), (100, 134), (58, 126)], 20, SKIN))
    b.append(stroked('<circle cx="54" cy="124" r="13"/>', SKIN))
    b.append(limb([(186, 148), (196, 126), (164, 122)], 20, SKIN))
    b.append(stroked('<circle cx="158" cy="121" r="12"/>', SKIN))
    # head, golden curls
    curls = [(136, 58, 20), (150, 38, 21), (174, 30, 22), (198, 40, 20), (212, 62, 18), (210, 86, 15), (128, 78, 14)]
    b.append(blob(curls, HAIR))
    b.append(stroked('<circle cx="172" cy="82" r="44"/>', "url(#skin)"))
    b.append(stroked('<circle cx="218" cy="84" r="11"/>', "url(#skin)", SW * 0.8))
    fringe = [(140, 52, 16), (158, 44, 16), (178, 42, 15), (198, 50, 15), (210, 66, 12)]
    b.append(blob(fringe, HAIR))
    b.append('<path d="M150,40 q10,-8 20,-2 M182,34 q10,-4 18,4" fill="none" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % HAIR_LIGHT)
    b.append('<path d="M132,72 q-6,-10 4,-14" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (INK, f(SW * 0.6)))
    # face, looking along the arrow
    b.append('<ellipse cx="146" cy="84" rx="6" ry="8" fill="%s"/>' % INK)
    b.append('<ellipse cx="178" cy="84" rx="6" ry="8" fill="%s"/>' % INK)
    b.append('<circle cx="144" cy="81" r="2.4" fill="#ffffff"/><circle cx="176" cy="81" r="2.4" fill="#ffffff"/>')
    b.append('<ellipse cx="136" cy="100" rx="9" ry="6" fill="#ff8d9c" opacity="0.8"/>')
    b.append('<ellipse cx="192" cy="100" rx="9" ry="6" fill="#ff8d9c" opacity="0.8"/>')
    b.append('<path d="M152,104 q8,8 16,0" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (INK, f(SW * 0.6)))
    return svg_doc(256, 256, '<g transform="translate(4 12) scale(0.9)">%s</g>' % "\n".join(b), defs=defs)


def main():
    work, res = sys.argv[1], sys.argv[2]
    svg = os.path.join(res, "cupid.svg")
    with open(svg, "w") as fh:
        fh.write(cupid_svg())
    os.makedirs(os.path.join(res, "icons"), exist_ok=True)
    # 512 is the doubled 256; the doubled 64 and 128 are the 128 and 256
    for size in (64, 128, 256, 512):
        tmp = os.path.join(work, "cupid-%d.png" % size)
        render(svg, tmp, size, size)
        Image.open(tmp).convert("RGBA").save(os.path.join(res, "icons", "cupid-%d.png" % size))
    # the 48 px window icon has no alpha channel: flattened on white; its
    # doubled size is picked by Qt on screens scaled above 100 %
    for size, name in ((48, "cupid-48.png"), (96, "cupid-48@2x.png")):
        tmp = os.path.join(work, name)
        render(svg, tmp, size, size)
        rgba = Image.open(tmp).convert("RGBA")
        flat = Image.new("RGBA", rgba.size, (255, 255, 255, 255))
        flat.alpha_composite(rgba)
        flat.convert("RGB").save(os.path.join(res, name))


if __name__ == "__main__":
    main()
