# SPDX-License-Identifier: GPL-3.0-or-later
"""The boy and the girl, drawn as SVG fragments in a 200 x 200 box with the
figure's centre line at x = 100 and the feet at about y = 195. The caller
places them with a transform. The pictures and every frame of the refusal
scene use these same functions, so the characters look alike everywhere."""

from svgkit import INK, f, heart_d

SKIN = "#ffe4d0"
SKIN_SHADE = "#f6cdb3"
BLUSH = "#f59aa5"
SW = 3.2                   # outline width in the 200-unit box


def limb(points, width, fill, sw=SW):
    """An outlined, round-ended limb along a polyline: the ink line underneath
    shows as the outline around the coloured line on top."""
    d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in points)
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            % (d, INK, f(width + 2 * sw), d, fill, f(width)))


def _ellipse(cx, cy, rx, ry, fill, sw=SW, extra=""):
    return ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="%s" %s/>'
            % (f(cx), f(cy), f(rx), f(ry), fill, INK, f(sw), extra))


def _stroke(d, w=SW, color=INK, extra=""):
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
            'stroke-linejoin="round" %s/>' % (d, color, f(w), extra))


def face(mood, girl=False, cx=100, cy=76):
    """Eyes, brows, cheeks and mouth. Moods: happy, sad, determined."""
    out = []
    lx, rx, ey = cx - 20, cx + 20, cy + 6
    if mood == "happy":
        for x in (lx, rx):
            out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(x - 8), f(ey + 2), f(x), f(ey - 7), f(x + 8), f(ey + 2)), 3.4))
        if girl:
            out.append(_stroke("M%s,%s l-5,-3 M%s,%s l5,-3" % (f(lx - 8), f(ey + 1), f(rx + 8), f(ey + 1)), 2.4))
    elif mood == "sad":
        for x, s in ((lx, -1), (rx, 1)):
            out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(x - 8), f(ey - 1), f(x), f(ey + 6), f(x + 8), f(ey - 1)), 3.2))
            # brows rise towards the middle
            out.append(_stroke("M%s,%s L%s,%s" % (f(x - 7 * s), f(ey - 13), f(x + 6 * s), f(ey - 18)), 2.8))
    elif mood == "determined":
        for x, s in ((lx, -1), (rx, 1)):
            out.append('<ellipse cx="%s" cy="%s" rx="5.2" ry="6.6" fill="%s"/>' % (f(x), f(ey), INK))
            out.append('<circle cx="%s" cy="%s" r="2.1" fill="#ffffff"/>' % (f(x - 1.6), f(ey - 2.4)))
            # brows drop towards the middle: resolve
            out.append(_stroke("M%s,%s L%s,%s" % (f(x + 9 * s), f(ey - 17), f(x - 7 * s), f(ey - 11)), 3.6))
    # cheeks
    for x in (lx - 6, rx + 6):
        out.append('<ellipse cx="%s" cy="%s" rx="9" ry="5.5" fill="%s" opacity="0.85"/>' % (f(x), f(ey + 13), BLUSH))
        out.append(_stroke("M%s,%s l-2.5,4 M%s,%s l-2.5,4 M%s,%s l-2.5,4"
                           % (f(x - 3), f(ey + 10), f(x + 1), f(ey + 10), f(x + 5), f(ey + 10)), 1.3, "#e06b7b"))
    my = cy + 24
    if mood == "happy":
        out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 6), f(my), f(cx), f(my + 6), f(cx + 6), f(my)), 2.8))
    elif mood == "sad":
        out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 6), f(my + 4), f(cx), f(my - 2), f(cx + 6), f(my + 4)), 2.8))
    else:
        out.append('<path d="M%s,%s Q%s,%s %s,%s Z" fill="#b8454f" stroke="%s" stroke-width="2.6" stroke-linejoin="round"/>'
                   % (f(cx - 8), f(my), f(cx), f(my + 9), f(cx + 8), f(my), INK))
    return "\n".join(out)


def tear(cx=100, cy=76, t=0.0):
    """A tear under the left eye, sliding down as t goes 0..1."""
    x, y = cx - 25, cy + 14 + 12 * t
    return ('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="#8fd3ff" stroke="%s" stroke-width="1.8"/>'
            % (f(x), f(y - 7), f(x - 5), f(y), f(x - 4), f(y + 5), f(x), f(y + 5),
               f(x + 4), f(y + 5), f(x + 5), f(y), f(x), f(y - 7), INK))


def _head(cx=100, cy=76):
    out = []
    for s in (-1, 1):   # ears behind the head
        out.append(_ellipse(cx + s * 49, cy + 8, 8, 10, SKIN))
        out.append(_stroke("M%s,%s q%s,3 0,7" % (f(cx + s * 50), f(cy + 4), f(s * 3)), 1.6))
    out.append('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s '
               'C%s,%s %s,%s %s,%s Z" fill="%s" stroke="%s" stroke-width="%s"/>'
               % (f(cx - 50), f(cy), f(cx - 50), f(cy - 30), f(cx - 28), f(cy - 46), f(cx), f(cy - 46),
                  f(cx + 28), f(cy - 46), f(cx + 50), f(cy - 30), f(cx + 50), f(cy),
                  f(cx + 50), f(cy + 30), f(cx + 30), f(cy + 42), f(cx), f(cy + 42),
                  f(cx - 30), f(cy + 42), f(cx - 50), f(cy + 30), f(cx - 50), f(cy),
                  SKIN, INK, f(SW)))
    return "\n".join(out)


def _boy_hair(cx=100, cy=76):
    hair = "#3a2a26"
    d = ("M%s,%s " % (f(cx - 51), f(cy + 6)) +
         "C%s,%s %s,%s %s,%s " % (f(cx - 58), f(cy - 30), f(cx - 36), f(cy - 54), f(cx - 2), f(cy - 53)) +
         "C%s,%s %s,%s %s,%s " % (f(cx + 36), f(cy - 54), f(cx + 60), f(cy - 32), f(cx + 51), f(cy + 6)) +
         # fringe of pointed locks, right to left
         "C%s,%s %s,%s %s,%s " % (f(cx + 46), f(cy - 8), f(cx + 42), f(cy - 16), f(cx + 34), f(cy - 22)) +
         "L%s,%s " % (f(cx + 30), f(cy - 8)) +
         "Q%s,%s %s,%s " % (f(cx + 22), f(cy - 20), f(cx + 10), f(cy - 24)) +
         "L%s,%s " % (f(cx + 6), f(cy - 10)) +
         "Q%s,%s %s,%s " % (f(cx - 2), f(cy - 22), f(cx - 14), f(cy - 24)) +
         "L%s,%s " % (f(cx - 18), f(cy - 9)) +
         "Q%s,%s %s,%s " % (f(cx - 26), f(cy - 20), f(cx - 36), f(cy - 20)) +
         "C%s,%s %s,%s %s,%s Z" % (f(cx - 42), f(cy - 10), f(cx - 46), f(cy - 4), f(cx - 51), f(cy + 6)))
    out = ['<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (d, hair, INK, f(SW))]
    # a tuft on the crown and a soft shine
    out.append('<path d="M%s,%s q6,-12 16,-10 q-8,2 -9,11 Z" fill="%s" stroke="%s" stroke-width="2.6" stroke-linejoin="round"/>'
               % (f(cx + 2), f(cy - 52), hair, INK))
    out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 30), f(cy - 36), f(cx - 18), f(cy - 46), f(cx - 2), f(cy - 46)),
                       3.0, "#6b5650"))
    return "\n".join(out)


def _girl_hair_back(cx=100, cy=76):
    hair = "#6a3b2a"
    d = ("M%s,%s " % (f(cx - 50), f(cy + 34)) +
         "C%s,%s %s,%s %s,%s " % (f(cx - 62), f(cy - 10), f(cx - 44), f(cy - 54), f(cx), f(cy - 54)) +
         "C%s,%s %s,%s %s,%s " % (f(cx + 44), f(cy - 54), f(cx + 62), f(cy - 10), f(cx + 50), f(cy + 34)) +
         "Q%s,%s %s,%s Z" % (f(cx), f(cy + 44), f(cx - 50), f(cy + 34)))
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (d, hair, INK, f(SW))


def _girl_hair_front(cx=100, cy=76):
    hair = "#6a3b2a"
    out = []
    # the bun, with a red ribbon
    out.append(_ellipse(cx, cy - 56, 17, 15, hair))
    out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 9), f(cy - 62), f(cx), f(cy - 70), f(cx + 9), f(cy - 62)), 2.2, "#9a6248"))
    # swept fringe and side locks over the face edge
    d = ("M%s,%s " % (f(cx - 50), f(cy + 2)) +
         "C%s,%s %s,%s %s,%s " % (f(cx - 52), f(cy - 34), f(cx - 30), f(cy - 50), f(cx), f(cy - 49)) +
         "C%s,%s %s,%s %s,%s " % (f(cx + 30), f(cy - 50), f(cx + 53), f(cy - 34), f(cx + 50), f(cy + 2)) +
         "C%s,%s %s,%s %s,%s " % (f(cx + 44), f(cy - 12), f(cx + 36), f(cy - 22), f(cx + 26), f(cy - 26)) +
         "C%s,%s %s,%s %s,%s " % (f(cx + 14), f(cy - 14), f(cx - 8), f(cy - 10), f(cx - 24), f(cy - 12)) +
         "C%s,%s %s,%s %s,%s Z" % (f(cx - 36), f(cy - 12), f(cx - 46), f(cy - 6), f(cx - 50), f(cy + 2)))
    out.append('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (d, hair, INK, f(SW)))
    out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 30), f(cy - 36), f(cx - 16), f(cy - 46), f(cx + 2), f(cy - 45)), 3.0, "#9a6248"))
    # ribbon on the bun
    rx, ry = cx + 13, cy - 46
    out.append('<path d="M%s,%s l-11,-8 l-1,14 Z M%s,%s l11,-7 l0,14 Z" fill="#e8333f" stroke="%s" stroke-width="2.2" stroke-linejoin="round"/>'
               % (f(rx), f(ry), f(rx), f(ry), INK))
    out.append('<circle cx="%s" cy="%s" r="3.6" fill="#e8333f" stroke="%s" stroke-width="2"/>' % (f(rx), f(ry), INK))
    return "\n".join(out)


def _legs(cx, walk, shoe):
    out = []
    if walk:
        out.append(limb([(cx - 10, 168), (cx - 11, 186)], 9, SKIN))
        out.append(limb([(cx + 10, 168), (cx + 14, 178), (cx + 13, 182)], 9, SKIN))
        out.append(_ellipse(cx - 12, 190, 10.5, 6, shoe))
        out.append(_ellipse(cx + 14, 185, 10, 5.5, shoe, extra='transform="rotate(-12 %s 185)"' % f(cx + 14)))
    else:
        for s in (-1, 1):
            out.append(limb([(cx + s * 10, 168), (cx + s * 10, 186)], 9, SKIN))
            out.append(_ellipse(cx + s * 12, 190, 10.5, 6, shoe))
    return "\n".join(out)


ARM_POSES = {
    "down": [[(-22, 124), (-30, 140), (-33, 150)], [(22, 124), (30, 140), (33, 150)]],
    "swing": [[(-22, 124), (-32, 136), (-38, 144)], [(22, 124), (29, 142), (30, 153)]],
    "hold": [[(-22, 124), (-36, 146), (-25, 156)], [(22, 124), (36, 146), (25, 156)]],
    "fist": [[(-22, 124), (-58, 114), (-66, 80)], [(22, 124), (30, 140), (31, 150)]],
}


def _arms(cx, pose, sleeve, blend=None):
    """Arms for a pose: 'down', 'swing', 'hold' (both hands at the chest) or
    'fist' (his right arm raised, fist clenched). `blend` = (other pose, u)
    moves part of the way towards another pose, for animation."""
    arms = [[(cx + x, y) for x, y in a] for a in ARM_POSES[pose]]
    fist = pose == "fist"
    if blend:
        other, u = blend
        arms = [[(x + (cx + ox - x) * u, y + (oy - y) * u) for (x, y), (ox, oy) in zip(a, b)]
                for a, b in zip(arms, ARM_POSES[other])]
        fist = (other == "fist") if u >= 0.5 else fist
    out = []
    for a in arms:
        sl = a[:2] + [((a[1][0] * 0.4 + a[2][0] * 0.6), (a[1][1] * 0.4 + a[2][1] * 0.6))]
        out.append(limb(a, 8, SKIN))
        out.append(limb(sl, 12, sleeve))
    for i, a in enumerate(arms):
        hx, hy = a[-1]
        if fist and i == 0:
            out.append('<rect x="%s" y="%s" width="15" height="13" rx="5" fill="%s" stroke="%s" stroke-width="%s"/>'
                       % (f(hx - 7.5), f(hy - 9), SKIN, INK, f(SW * 0.9)))
            out.append(_stroke("M%s,%s h9 M%s,%s h9" % (f(hx - 6), f(hy - 4), f(hx - 6), f(hy)), 1.6))
        else:
            out.append('<circle cx="%s" cy="%s" r="6" fill="%s" stroke="%s" stroke-width="%s"/>' % (f(hx), f(hy), SKIN, INK, f(SW * 0.9)))
    return "\n".join(out)


def boy(mood="happy", arms="down", walk=False, tear_t=None, held="", blend=None):
    """The boy. `held` is SVG drawn between his body and his hands."""
    cx = 100
    shirt = "#2d3a5e"
    out = [_legs(cx, walk, "#7a4a32")]
    # shorts
    out.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" fill="#c9b08a" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
               % (f(cx - 24), f(152), f(cx + 24), f(152), f(cx + 23), f(172), f(cx + 2), f(172), f(cx), f(165), f(cx - 23), f(172), INK, f(SW)))
    # shirt
    out.append('<path d="M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
               % (f(cx - 22), f(118), f(cx - 26), f(132), f(cx - 28), f(150), f(cx - 27), f(160),
                  f(cx + 27), f(160), f(cx + 28), f(150), f(cx + 26), f(132), f(cx + 22), f(118), shirt, INK, f(SW)))
    out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 9), f(121), f(cx), f(129), f(cx + 9), f(121)), 2.4, "#ffffff"))
    out.append(held)
    out.append(_arms(cx, "swing" if walk and arms == "down" else arms, shirt, blend))
    out.append(_head())
    out.append(_boy_hair())
    out.append(face(mood))
    if tear_t is not None:
        out.append(tear(t=tear_t))
    return "\n".join(out)


def girl(mood="happy", arms="down"):
    cx = 100
    dress = "#f48fb1"
    out = [_girl_hair_back()]
    out.append(_legs(cx, False, "#d9344a"))
    # an A-line dress with a white collar
    out.append('<path d="M%s,%s C%s,%s %s,%s %s,%s Q%s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
               % (f(cx - 20), f(118), f(cx - 26), f(134), f(cx - 34), f(156), f(cx - 38), f(170),
                  f(cx), f(177), f(cx + 38), f(170), f(cx + 34), f(156), f(cx + 26), f(134), f(cx + 20), f(118),
                  dress, INK, f(SW)))
    out.append(_stroke("M%s,%s Q%s,%s %s,%s" % (f(cx - 33), f(162), f(cx), f(169), f(cx + 33), f(162)), 2.2, "#ffffff", 'opacity="0.9"'))
    out.append('<path d="M%s,%s q4,10 14,6 q-6,-6 -2,-10 Z M%s,%s q-4,10 -14,6 q6,-6 2,-10 Z" fill="#ffffff" stroke="%s" stroke-width="2.2" stroke-linejoin="round"/>'
               % (f(cx - 14), f(120), f(cx + 14), f(120), INK))
    out.append(_arms(cx, arms, dress))
    out.append(_head())
    out.append(_girl_hair_front())
    out.append(face(mood, girl=True))
    return "\n".join(out)


def small_heart(cx, cy, size, rot=0.0):
    """The little floating heart beside a figure."""
    return ('<path d="%s" fill="#e8333f" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.8" transform="rotate(%s %s %s)"/>'
            % (heart_d(cx, cy, size, rot), INK, f(SW * 0.9),
               f(cx - size * 0.45), f(cy - size * 0.42), f(size * 0.2), f(size * 0.1), f(rot - 40),
               f(cx - size * 0.45), f(cy - size * 0.42)))
