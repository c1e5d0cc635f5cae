#!/usr/bin/env python3
"""Draw the 78 French tarot card faces used by Zarvane as SVG files.

Usage (from the repository root):

    python3 tools/make_card_faces.py [--out DIR]

By default the files are written to assets/cards/ at the repository root:
PIQUE1..14, COEUR1..14, TREFLE1..14, CARREAU1..14, ATOUT1..21 and
ATOUT22 (the Excuse), each with the extension .svg.  The court cards are
also written with English indices (K, Q, C, J) into the en/ folder under
the same names; the other faces are the same in both languages.

The drawings use the SVG 1.2 Tiny subset understood by Qt's QSvgRenderer:
basic shapes, paths, text, gradients declared in <defs>, transforms and
<use> of elements from the same file.  No CSS, filters, masks or clipping.

Every face is drawn in a 90 x 150 design box.  The value and suit sign
are placed in the top-left corner (well inside 30 x 50 design pixels) and
repeated upside down in the bottom-right corner.

The output is fully deterministic: running the script twice produces
byte-identical files.
"""

import argparse
import colorsys
import math
import os
import sys
from collections import namedtuple

WIDTH = 90
HEIGHT = 150

SERIF = "Liberation Serif"

RED = "#d01c1c"
BLACK = "#1a1a1a"
INK = "#2b2b2b"
CARD_FILL = "#fffdf6"
CARD_EDGE = "#5c5c5c"
GOLD = "#e2b33c"
GOLD_DARK = "#8a6514"
SKIN = "#f6d8b8"
SKIN_EDGE = "#a5724f"
WHITE = "#ffffff"

Suit = namedtuple("Suit", "name shape colour robe tint")

SUITS = [
    Suit("PIQUE", "spade", BLACK, "#2f4b8a", "#e4ebf6"),
    Suit("COEUR", "heart", RED, "#a8232f", "#fbe8e4"),
    Suit("TREFLE", "club", BLACK, "#2e6b43", "#e3f1e6"),
    Suit("CARREAU", "diamond", RED, "#74408e", "#f1e6f5"),
]

HONOURS = {
    11: ("V", "VALET"),
    12: ("C", "CAVALIER"),
    13: ("D", "DAME"),
    14: ("R", "ROI"),
}

# As English-language tarot packs print them; the Cavalier keeps C.
ENGLISH_HONOURS = {
    11: ("J", "JACK"),
    12: ("C", "KNIGHT"),
    13: ("Q", "QUEEN"),
    14: ("K", "KING"),
}

ENGLISH_FOLDER = "en"

EXCUSE_NUMBER = 22

# Pip columns and rows in design pixels.  The rows are spread over the
# height 30..120 so that the corner indices stay clear.
PIP_LEFT, PIP_MIDDLE, PIP_RIGHT = 29, 45, 61
PIP_TOP, PIP_BOTTOM = 30, 120
PIP_SCALE = 0.7  # suit shapes are drawn in a 20 x 20 box

# Pip layouts: (column, fraction of the way from top row to bottom row).
PIP_LAYOUTS = {
    2: [("M", 0), ("M", 1)],
    3: [("M", 0), ("M", 0.5), ("M", 1)],
    4: [("L", 0), ("R", 0), ("L", 1), ("R", 1)],
    5: [("L", 0), ("R", 0), ("M", 0.5), ("L", 1), ("R", 1)],
    6: [("L", 0), ("R", 0), ("L", 0.5), ("R", 0.5), ("L", 1), ("R", 1)],
    7: [("L", 0), ("R", 0), ("M", 0.25), ("L", 0.5), ("R", 0.5),
        ("L", 1), ("R", 1)],
    8: [("L", 0), ("R", 0), ("M", 0.25), ("L", 0.5), ("R", 0.5),
        ("M", 0.75), ("L", 1), ("R", 1)],
    9: [("L", 0), ("R", 0), ("L", 1 / 3), ("R", 1 / 3), ("M", 0.5),
        ("L", 2 / 3), ("R", 2 / 3), ("L", 1), ("R", 1)],
    10: [("L", 0), ("R", 0), ("M", 1 / 6), ("L", 1 / 3), ("R", 1 / 3),
         ("L", 2 / 3), ("R", 2 / 3), ("M", 5 / 6), ("L", 1), ("R", 1)],
}


# ---------------------------------------------------------------------------
# Small SVG helpers
# ---------------------------------------------------------------------------

def fmt(value):
    """Format a number compactly and deterministically."""
    if isinstance(value, float):
        text = "%.2f" % value
        text = text.rstrip("0").rstrip(".")
        return "0" if text in ("-0", "") else text
    return str(value)


def el(name, content=None, **attrs):
    """Return one SVG element.

    Attribute names use underscores for hyphens (stroke_width ->
    stroke-width); ``href`` becomes ``xlink:href``.
    """
    parts = [name]
    for key, value in attrs.items():
        if value is None:
            continue
        key = "xlink:href" if key == "href" else key.replace("_", "-")
        parts.append('%s="%s"' % (key, fmt(value)))
    head = " ".join(parts)
    if content is None:
        return "<%s/>" % head
    if isinstance(content, (list, tuple)):
        content = "\n".join(content)
        return "<%s>\n%s\n</%s>" % (head, content, name)
    return "<%s>%s</%s>" % (head, content, name)


def group(children, **attrs):
    return el("g", list(children), **attrs)


def translate(x, y, scale=None, rotate=None):
    """Build a transform attribute value."""
    text = "translate(%s %s)" % (fmt(x), fmt(y))
    if rotate:
        text += " rotate(%s)" % fmt(rotate)
    if scale is not None:
        text += " scale(%s)" % fmt(scale)
    return text


def points(coords):
    return " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in coords)


def hls_colour(hue, lightness, saturation):
    red, green, blue = colorsys.hls_to_rgb(hue % 1.0, lightness, saturation)
    return "#%02x%02x%02x" % (round(red * 255), round(green * 255),
                              round(blue * 255))


def vertical_gradient(gradient_id, stops):
    """A top-to-bottom linear gradient; stops are (offset, colour)."""
    return el("linearGradient", [
        el("stop", offset=offset, stop_color=colour)
        for offset, colour in stops
    ], id=gradient_id, x1=0, y1=0, x2=0, y2=1)


def radial_gradient(gradient_id, inner, outer):
    return el("radialGradient", [
        el("stop", offset=0, stop_color=inner),
        el("stop", offset=1, stop_color=outer),
    ], id=gradient_id, cx=0.5, cy=0.5, r=0.5)


def star_points(cx, cy, outer, inner, count=5, turn=-90.0):
    """Corner points of a regular star, first tip at angle ``turn``."""
    coords = []
    for i in range(count * 2):
        radius = outer if i % 2 == 0 else inner
        angle = math.radians(turn + i * 180.0 / count)
        coords.append((cx + radius * math.cos(angle),
                       cy + radius * math.sin(angle)))
    return coords


def star(cx, cy, outer, fill, inner_ratio=0.42, count=5, **attrs):
    return el("polygon",
              points=points(star_points(cx, cy, outer, outer * inner_ratio,
                                        count)),
              fill=fill, **attrs)


def svg_document(defs, body):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
            'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
            % (WIDTH, HEIGHT, WIDTH, HEIGHT))
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', head]
    if defs:
        lines.append(el("defs", defs))
    lines.extend(body)
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


# ---------------------------------------------------------------------------
# Suit symbols, drawn in a 20 x 20 box centred on the origin
# ---------------------------------------------------------------------------

def heart_shape(fill):
    return el("path", fill=fill, d=(
        "M0,10 C-3,6.5 -10,2 -10,-3.5 C-10,-7.5 -7.2,-9.6 -4.8,-9.6 "
        "C-2.6,-9.6 -0.8,-8.2 0,-6 C0.8,-8.2 2.6,-9.6 4.8,-9.6 "
        "C7.2,-9.6 10,-7.5 10,-3.5 C10,2 3,6.5 0,10 Z"))


def diamond_shape(fill):
    return el("path", fill=fill, d=(
        "M0,-10 C2,-6 4.5,-3 7.5,0 C4.5,3 2,6 0,10 "
        "C-2,6 -4.5,3 -7.5,0 C-4.5,-3 -2,-6 0,-10 Z"))


def spade_shape(fill):
    return el("path", fill=fill, d=(
        "M0,-10 C-2.5,-5.5 -10,-2.5 -10,3 C-10,6.6 -7.2,8.4 -4.6,8.4 "
        "C-2.8,8.4 -1.4,7.6 -0.7,6.4 C-0.9,8 -2,9.3 -4,10 L4,10 "
        "C2,9.3 0.9,8 0.7,6.4 C1.4,7.6 2.8,8.4 4.6,8.4 "
        "C7.2,8.4 10,6.6 10,3 C10,-2.5 2.5,-5.5 0,-10 Z"))


def club_shape(fill):
    leaves = [el("circle", cx=x, cy=y, r=4.8, fill=fill)
              for x, y in ((0, -4.6), (-5.2, 1.6), (5.2, 1.6))]
    heart_of_leaves = el("circle", cx=0, cy=0.4, r=2.6, fill=fill)
    stem = el("path", fill=fill, d=(
        "M-0.9,1 C-0.9,5.5 -2.5,8.5 -5,10 L5,10 "
        "C2.5,8.5 0.9,5.5 0.9,1 Z"))
    return group(leaves + [heart_of_leaves, stem])


SUIT_SHAPES = {
    "heart": heart_shape,
    "diamond": diamond_shape,
    "spade": spade_shape,
    "club": club_shape,
}


def suit_symbol_def(suit):
    """The suit sign of ``suit`` as <g id="suit"> for the file's <defs>."""
    return group([SUIT_SHAPES[suit.shape](suit.colour)], id="suit")


def suit_sign(x, y, scale, upside_down=False):
    """Place the suit sign defined in <defs> centred on (x, y)."""
    return el("use", href="#suit",
              transform=translate(x, y, scale, 180 if upside_down else None))


def suit_sign_on_medallion(x, y, radius):
    """A suit sign on a small cream disc, readable over coloured cloth."""
    return group([
        el("circle", cx=x, cy=y, r=radius, fill=CARD_FILL, stroke=GOLD_DARK,
           stroke_width=0.6),
        suit_sign(x, y, radius * 0.07),
    ])


# ---------------------------------------------------------------------------
# Parts shared by every card
# ---------------------------------------------------------------------------

def card_background():
    return el("rect", x=0.5, y=0.5, width=WIDTH - 1, height=HEIGHT - 1,
              rx=5, ry=5, fill=CARD_FILL, stroke=CARD_EDGE, stroke_width=1)


def index_text(text, colour):
    """Value text for the corner; two characters get a narrower size."""
    size = 15 if len(text) == 1 else 14
    return el("text", text, x=10.5, y=16, font_family=SERIF,
              font_size=size, font_weight="bold", text_anchor="middle",
              fill=colour)


def trump_mark(cx, cy, size):
    """Small trump sign: a filled disc inside a ring."""
    return group([
        el("circle", cx=cx, cy=cy, r=size, fill="none", stroke=INK,
           stroke_width=size * 0.25),
        el("circle", cx=cx, cy=cy, r=size * 0.55, fill=INK),
    ])


def corner_indices(index_markup):
    """The index at top left and the same index turned at bottom right."""
    return [
        group(index_markup),
        group(index_markup,
              transform="translate(%d %d) rotate(180)" % (WIDTH, HEIGHT)),
    ]


def suit_index(label, suit):
    return corner_indices([index_text(label, suit.colour),
                           suit_sign(10.5, 27, 0.5)])


def trump_index(number, frame_colour):
    """Trump number and trump sign on a cream label over the tinted card."""
    label = el("rect", x=2, y=3, width=17, height=30.5, rx=2.5, ry=2.5,
               fill=CARD_FILL, stroke=frame_colour, stroke_width=0.6)
    return corner_indices([label, index_text(str(number), INK),
                           trump_mark(10.5, 26.5, 4.2)])


def excuse_index():
    return corner_indices([star(10.5, 13, 8, INK, inner_ratio=0.45)])


# ---------------------------------------------------------------------------
# Pip cards (1..10)
# ---------------------------------------------------------------------------

def pip_positions(value):
    """Centres and orientation of the pips of a 2..10 card."""
    columns = {"L": PIP_LEFT, "M": PIP_MIDDLE, "R": PIP_RIGHT}
    placed = []
    for column, fraction in PIP_LAYOUTS[value]:
        y = PIP_TOP + fraction * (PIP_BOTTOM - PIP_TOP)
        placed.append((columns[column], y, fraction > 0.5))
    return placed


def ace_picture(suit):
    """One large suit sign inside a double ring with small flourishes."""
    cx, cy = WIDTH / 2, HEIGHT / 2
    parts = [
        el("circle", cx=cx, cy=cy, r=31, fill=suit.tint, stroke=suit.colour,
           stroke_width=1),
        el("circle", cx=cx, cy=cy, r=28, fill="none", stroke=GOLD,
           stroke_width=0.8),
    ]
    for angle in range(0, 360, 45):
        rad = math.radians(angle)
        parts.append(el("circle", cx=cx + 31 * math.cos(rad),
                        cy=cy + 31 * math.sin(rad), r=1.6, fill=GOLD,
                        stroke=GOLD_DARK, stroke_width=0.4))
    parts.append(suit_sign(cx, cy, 2.2))
    return parts


def pip_card(suit, value):
    if value == 1:
        picture = ace_picture(suit)
    else:
        picture = [suit_sign(x, y, PIP_SCALE, flipped)
                   for x, y, flipped in pip_positions(value)]
    body = [card_background()] + picture + suit_index(str(value), suit)
    return svg_document([suit_symbol_def(suit)], body)


# ---------------------------------------------------------------------------
# Honours (V, C, D, R): a framed picture of a figure
# ---------------------------------------------------------------------------

FRAME_X, FRAME_Y, FRAME_W, FRAME_H = 21, 18, 48, 114


def honour_frame():
    """Coloured panel with a gold inner line; the figure goes on top."""
    return [
        el("rect", x=FRAME_X, y=FRAME_Y, width=FRAME_W, height=FRAME_H,
           rx=2, ry=2, fill="url(#panel)", stroke=INK, stroke_width=1),
        el("rect", x=FRAME_X + 2, y=FRAME_Y + 2, width=FRAME_W - 4,
           height=FRAME_H - 4, rx=1, ry=1, fill="none", stroke=GOLD,
           stroke_width=0.7),
    ]


def honour_label(name, suit):
    """Name plate at the bottom of the frame."""
    top = FRAME_Y + FRAME_H - 12
    return [
        el("rect", x=FRAME_X + 2, y=top, width=FRAME_W - 4, height=10,
           fill=suit.robe, stroke=GOLD, stroke_width=0.7),
        el("text", name, x=WIDTH / 2, y=top + 7.3, font_family=SERIF,
           font_size=6.8 if len(name) < 8 else 6, font_weight="bold",
           text_anchor="middle", fill=WHITE),
    ]


def face(cx, cy, rx, ry, smile=True):
    """Head with eyes, nose and mouth."""
    parts = [
        el("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=SKIN,
           stroke=SKIN_EDGE, stroke_width=0.6),
        el("circle", cx=cx - 3.3, cy=cy - 1, r=0.9, fill=INK),
        el("circle", cx=cx + 3.3, cy=cy - 1, r=0.9, fill=INK),
        el("path", d="M%s,%s L%s,%s L%s,%s" % (
            fmt(cx), fmt(cy - 0.5), fmt(cx - 0.9), fmt(cy + 2.6),
            fmt(cx + 0.4), fmt(cy + 2.8)),
           fill="none", stroke=SKIN_EDGE, stroke_width=0.5),
    ]
    if smile:
        parts.append(el("path", d="M%s,%s Q%s,%s %s,%s" % (
            fmt(cx - 2), fmt(cy + 4.6), fmt(cx), fmt(cy + 6),
            fmt(cx + 2), fmt(cy + 4.6)),
            fill="none", stroke="#9c3b3b", stroke_width=0.7,
            stroke_linecap="round"))
    return parts


def cheeks(cx, cy, spread):
    """Two rosy spots either side of the nose."""
    return [el("circle", cx=cx + side * spread, cy=cy, r=1.4,
               fill="#f3a7a0", fill_opacity=0.7) for side in (-1, 1)]


def ermine_tails(coords):
    return [el("path", d="M%s,%s l-0.7,1.8 l0.7,-0.5 l0.7,0.5 Z"
               % (fmt(x), fmt(y)), fill=INK) for x, y in coords]


def crown(cx, base_y):
    """Five-pointed gold crown whose band sits on ``base_y``."""
    tips = [(-10, -12), (-5, -14), (0, -17), (5, -14), (10, -12)]
    outline = [(cx - 10, base_y)]
    for i, (dx, dy) in enumerate(tips):
        outline.append((cx + dx, base_y + dy))
        if i < len(tips) - 1:
            outline.append((cx + dx + 2.5, base_y - 6))
    outline.append((cx + 10, base_y))
    parts = [el("polygon", points=points(outline), fill=GOLD,
                stroke=GOLD_DARK, stroke_width=0.6, stroke_linejoin="round")]
    parts += [el("circle", cx=cx + dx, cy=base_y + dy, r=1.3, fill=GOLD,
                 stroke=GOLD_DARK, stroke_width=0.4) for dx, dy in tips]
    parts.append(el("rect", x=cx - 10.5, y=base_y - 4, width=21, height=4.5,
                    rx=1, ry=1, fill=GOLD, stroke=GOLD_DARK,
                    stroke_width=0.6))
    parts += [el("circle", cx=cx + dx, cy=base_y - 1.75, r=1.1, fill=colour)
              for dx, colour in ((-6, "#2a62c9"), (0, "#c8102e"),
                                 (6, "#2a62c9"))]
    return parts


def sceptre(x, top, bottom):
    """Gold rod topped with the suit sign."""
    return [
        el("line", x1=x, y1=bottom, x2=x, y2=top + 5, stroke=GOLD_DARK,
           stroke_width=2.4, stroke_linecap="round"),
        el("line", x1=x, y1=bottom, x2=x, y2=top + 5, stroke=GOLD,
           stroke_width=1.3, stroke_linecap="round"),
        el("circle", cx=x, cy=top + 5, r=1.6, fill=GOLD, stroke=GOLD_DARK,
           stroke_width=0.4),
        suit_sign(x, top, 0.42),
    ]


def king_figure(suit):
    cx = WIDTH / 2
    robe = el("path", fill=suit.robe, stroke=INK, stroke_width=0.7, d=(
        "M25,120 L25,104 C25,92 33,86 45,86 C57,86 65,92 65,104 "
        "L65,120 Z"))
    ermine_band = el("rect", x=41.5, y=90, width=7, height=30, fill=WHITE,
                     stroke="#9a9a9a", stroke_width=0.4)
    collar = el("path", fill=WHITE, stroke="#9a9a9a", stroke_width=0.5, d=(
        "M30,92 C36,97 54,97 60,92 C57,87 52,85 45,85 "
        "C38,85 33,87 30,92 Z"))
    hair = el("path", fill="#8c8c8c", d=(
        "M35,72 C33,62 37,56 45,56 C53,56 57,62 55,72 Z"))
    beard = el("path", fill="#9a9a9a", stroke="#6e6e6e", stroke_width=0.4,
               d=("M36,68 C36,80 41,88 45,88 C49,88 54,80 54,68 "
                  "C52,74 38,74 36,68 Z"))
    moustache = el("path", fill="#8a8a8a", d=(
        "M40.5,74 C42,72 44,72 45,73 C46,72 48,72 49.5,74 "
        "C47.5,74.5 46,74.3 45,74 C44,74.3 42.5,74.5 40.5,74 Z"))
    hand = el("circle", cx=59, cy=100, r=2.8, fill=SKIN, stroke=SKIN_EDGE,
              stroke_width=0.5)
    parts = [robe, ermine_band]
    parts += ermine_tails([(45, 94), (45, 101), (45, 108), (45, 115)])
    parts += sceptre(59, 34, 114)
    parts += [hand, collar]
    parts += ermine_tails([(36, 90), (45, 91.5), (54, 90)])
    parts += [hair] + face(cx, 67, 9, 10.5, smile=False)
    parts += [beard, moustache]
    parts += crown(cx, 60)
    return parts


def flower(x, y):
    """A small red rose on a green stem, held upright."""
    petals = [el("circle", cx=x + dx, cy=y + dy, r=2.1, fill="#d0324a",
                 stroke="#7d1426", stroke_width=0.3)
              for dx, dy in ((0, -1.8), (-1.8, 0.2), (1.8, 0.2), (0, 1.6))]
    return [
        el("line", x1=x, y1=y + 2, x2=x + 1.5, y2=y + 22, stroke="#3d7a2e",
           stroke_width=1, stroke_linecap="round"),
        el("path", d="M%s,%s c-3,-2 -4,-0.5 -4.5,1 c2,0.5 3.5,0.3 4.5,-1 Z"
           % (fmt(x + 0.8), fmt(y + 11)), fill="#4c8f37"),
    ] + petals + [el("circle", cx=x, cy=y, r=1.3, fill="#f07a8a")]


def tiara(cx, base_y):
    outline = [(cx - 8, base_y), (cx - 7, base_y - 4), (cx - 4, base_y - 2),
               (cx, base_y - 8), (cx + 4, base_y - 2), (cx + 7, base_y - 4),
               (cx + 8, base_y)]
    return [
        el("polygon", points=points(outline), fill=GOLD, stroke=GOLD_DARK,
           stroke_width=0.5, stroke_linejoin="round"),
        el("circle", cx=cx, cy=base_y - 3, r=1.4, fill="#c8102e"),
        el("circle", cx=cx - 7, cy=base_y - 4, r=0.8, fill=WHITE),
        el("circle", cx=cx + 7, cy=base_y - 4, r=0.8, fill=WHITE),
    ]


def queen_figure(suit):
    cx = WIDTH / 2
    hair = el("path", fill="#8b5a2b", stroke="#5e3a17", stroke_width=0.4, d=(
        "M35,71 C33,59 38,58 45,58 C52,58 57,59 55,71 "
        "C57,82 60,90 58,97 L32,97 C30,90 33,82 35,71 Z"))
    neck = el("path", fill=SKIN, d="M42.8,78 L47.2,78 L48.5,91 L41.5,91 Z")
    gown = el("path", fill=suit.robe, stroke=INK, stroke_width=0.7, d=(
        "M27,120 C29,106 31,95 38,90 L52,90 C59,95 61,106 63,120 Z"))
    neckline = el("path", fill=SKIN, stroke=SKIN_EDGE, stroke_width=0.4, d=(
        "M38,90 C40,96 50,96 52,90 Z"))
    lace = el("path", fill="none", stroke=WHITE, stroke_width=1.2,
              stroke_linecap="round",
              d="M37.5,90.5 C40,97.5 50,97.5 52.5,90.5")
    necklace = [el("circle", cx=45 + dx, cy=93 - abs(dx) * 0.35, r=0.7,
                   fill=GOLD) for dx in (-4, -2, 0, 2, 4)]
    hand = el("circle", cx=33.5, cy=104, r=2.6, fill=SKIN, stroke=SKIN_EDGE,
              stroke_width=0.5)
    fringe = el("path", fill="#8b5a2b", d=(
        "M36.5,69 C37,62 41,60.5 45,60.5 C49,60.5 53,62 53.5,69 "
        "C50,65 40,65 36.5,69 Z"))
    parts = [hair, neck, gown, neckline, lace] + necklace
    parts.append(suit_sign_on_medallion(cx, 108, 5.5))
    parts += flower(32, 84) + [hand]
    parts += face(cx, 71, 8.5, 10)
    parts += [
        fringe,
    ] + cheeks(cx, 74, 4.8)
    parts += tiara(cx, 63)
    return parts


def knight_figure(suit):
    """A horse's head in profile with bridle, plume and caparison."""
    coat, coat_edge, mane = "#b5713f", "#5b3416", "#4a2a12"
    plume = el("path", fill=suit.robe, stroke=INK, stroke_width=0.4, d=(
        "M50,38 C50,30 56,25 63,24 C59,28 58,31 58,35 "
        "C56,33 53,34 50,38 Z"))
    mane_shape = el("path", fill=mane, d=(
        "M50,40 C60,44 66,56 67,72 C68,90 67,106 67,120 L60,120 "
        "C61,104 62,86 60,70 C59,58 55,48 50,40 Z"))
    head = el("path", fill=coat, stroke=coat_edge, stroke_width=0.8,
              stroke_linejoin="round", d=(
                  "M36,120 C37,108 38,100 34,92 C31,87 27,84 26,79 "
                  "C25,75 26,72 29,70 C33,66 38,58 42,50 "
                  "C44,46 45.5,43 46.5,40 L47.5,33 L52,41 "
                  "C59,47 63,58 63,72 C64,90 63,106 63,120 Z"))
    ear_inner = el("path", fill=mane, d="M47.8,36 L50.6,41 L47.2,41 Z")
    forelock = el("path", fill=mane, d=(
        "M46.5,41 C44,44 42,46 40.5,50 C43,48 45,47.5 47,47 Z"))
    eye = [
        el("ellipse", cx=43.5, cy=55, rx=2, ry=1.5, fill=WHITE,
           stroke=coat_edge, stroke_width=0.4),
        el("circle", cx=43.2, cy=55.1, r=1.1, fill=INK),
    ]
    nostril = el("ellipse", cx=29.5, cy=74, rx=1.2, ry=0.8, fill=coat_edge)
    mouth = el("path", fill="none", stroke=coat_edge, stroke_width=0.6,
               stroke_linecap="round", d="M27,80.5 C29,81.5 31,81.5 33,80.5")
    bridle = [
        el("path", fill="none", stroke=GOLD_DARK, stroke_width=2.2,
           stroke_linecap="round",
           d="M29,69.5 L35.5,81 M33,67 C38,60 45,50 50,44 M35,79 L51,61"),
        el("path", fill="none", stroke=GOLD, stroke_width=1.2,
           stroke_linecap="round",
           d="M29,69.5 L35.5,81 M33,67 C38,60 45,50 50,44 M35,79 L51,61"),
        el("circle", cx=35.5, cy=79.5, r=1.6, fill=GOLD, stroke=GOLD_DARK,
           stroke_width=0.4),
        el("circle", cx=42.5, cy=60.5, r=1.3, fill=GOLD, stroke=GOLD_DARK,
           stroke_width=0.4),
    ]
    reins = el("path", fill="none", stroke=suit.robe, stroke_width=1,
               d="M35.5,80.5 C38,92 46,98 58,100")
    caparison = el("path", fill=suit.robe, stroke=INK, stroke_width=0.6, d=(
        "M36.5,104 C45,100 56,99 65,101 L65,120 L35,120 "
        "C36,114 36.5,109 36.5,104 Z"))
    fringe = [el("circle", cx=38 + i * 3.8, cy=104.3 - i * 0.45, r=0.8,
                 fill=GOLD) for i in range(7)]
    parts = [mane_shape, head, ear_inner, forelock, plume] + eye
    parts += [nostril, mouth, reins] + bridle + [caparison] + fringe
    parts.append(suit_sign_on_medallion(50, 111.5, 5.2))
    return parts


def halberd(x, top, bottom):
    """Pole arm: wooden shaft, spear point, crescent blade and back spike."""
    steel, steel_edge = "#d4d7dc", "#6f747c"
    blade = ("M{x},{a} L{x3},{a} C{x7},{a5} {x9},{b} {x85},{c} "
             "C{x7},{d} {x5},{e} {x3},{f} L{x},{f} Z").format(
                 x=fmt(x), x3=fmt(x + 3), x5=fmt(x + 5), x7=fmt(x + 7),
                 x9=fmt(x + 9), x85=fmt(x + 8.5), a=fmt(top + 11),
                 a5=fmt(top + 11.5), b=fmt(top + 14), c=fmt(top + 19),
                 d=fmt(top + 17.5), e=fmt(top + 17), f=fmt(top + 17.5))
    return [
        el("line", x1=x, y1=bottom, x2=x, y2=top + 8, stroke="#6b4423",
           stroke_width=1.6, stroke_linecap="round"),
        el("polygon", points=points([(x, top), (x + 1.8, top + 8),
                                     (x, top + 10), (x - 1.8, top + 8)]),
           fill=steel, stroke=steel_edge, stroke_width=0.5),
        el("path", d=blade, fill=steel, stroke=steel_edge, stroke_width=0.5,
           stroke_linejoin="round"),
        el("polygon", points=points([(x, top + 12.5), (x - 4, top + 14.5),
                                     (x, top + 16)]),
           fill=steel, stroke=steel_edge, stroke_width=0.4),
    ]


def jack_figure(suit):
    cx = WIDTH / 2
    tunic = el("path", fill=suit.robe, stroke=INK, stroke_width=0.7, d=(
        "M28,120 L28,106 C28,96 35,90 45,90 C55,90 62,96 62,106 "
        "L62,120 Z"))
    collar = el("path", fill=WHITE, stroke="#9a9a9a", stroke_width=0.4, d=(
        "M38,89 L45,95 L52,89 C50,87.5 40,87.5 38,89 Z"))
    belt = el("rect", x=28.4, y=112, width=33.2, height=3, fill=GOLD_DARK)
    buckle = el("rect", x=43.2, y=111.5, width=3.6, height=4, fill=GOLD,
                stroke=GOLD_DARK, stroke_width=0.4)
    neck = el("rect", x=42.5, y=80, width=5, height=9, fill=SKIN)
    hair = el("path", fill="#a0692f", d=(
        "M36.5,74 C35,64 39,61 45,61 C51,61 55,64 53.5,74 "
        "C52,69 38,69 36.5,74 Z"))
    cap = el("path", fill=suit.robe, stroke=INK, stroke_width=0.6, d=(
        "M33,64.5 C33,57 38,54 46,54 C53,54 58,57 57.5,63 "
        "C50,61 40,61.5 33,64.5 Z"))
    cap_band = el("path", fill="none", stroke=GOLD, stroke_width=1.3,
                  d="M33.4,64 C40,61 50,60.5 57.3,62.5")
    feather = el("path", fill=WHITE, stroke="#8a8a8a", stroke_width=0.5, d=(
        "M53,57 C56,50 61,45 66,42 C64,47 61,53 55,58.5 Z"))
    feather_rib = el("path", fill="none", stroke="#8a8a8a", stroke_width=0.4,
                     d="M54,58 C57,52 61,47 65.5,42.5")
    hand = el("circle", cx=30.5, cy=101, r=2.6, fill=SKIN, stroke=SKIN_EDGE,
              stroke_width=0.5)
    parts = [tunic, belt, buckle]
    parts.append(suit_sign_on_medallion(cx, 103, 5))
    parts += halberd(30.5, 29, 118) + [hand, neck, collar]
    parts += face(cx, 72, 8.3, 9.8) + [hair]
    parts += [feather, feather_rib, cap, cap_band]
    return parts


HONOUR_FIGURES = {
    11: jack_figure,
    12: knight_figure,
    13: queen_figure,
    14: king_figure,
}


def honour_card(suit, value, honours=HONOURS):
    letter, name = honours[value]
    defs = [
        suit_symbol_def(suit),
        vertical_gradient("panel", [(0, WHITE), (1, suit.tint)]),
    ]
    body = [card_background()] + honour_frame()
    body += HONOUR_FIGURES[value](suit)
    body += honour_label(name, suit)
    body += suit_index(letter, suit)
    return svg_document(defs, body)


# ---------------------------------------------------------------------------
# Trumps 1..21
# ---------------------------------------------------------------------------

def trump_palette(number):
    """Pale, middle and deep tones; the hue walks round the colour wheel."""
    hue = 0.55 + (number - 1) / 21.0
    return (hls_colour(hue, 0.92, 0.6), hls_colour(hue, 0.68, 0.45),
            hls_colour(hue, 0.3, 0.55))


def polar_point(cx, cy, radius, degrees):
    """Point at ``radius`` from the centre; 0 degrees is straight up."""
    rad = math.radians(degrees - 90)
    return (cx + radius * math.cos(rad), cy + radius * math.sin(rad))


def sun_rays(cx, cy, inner, long_ray, short_ray, count, fill):
    """Alternating long and short pointed rays around a centre."""
    rays = []
    for i in range(count):
        angle = 360.0 * i / count
        length = long_ray if i % 2 == 0 else short_ray
        half = 180.0 / count * 0.55
        tip = polar_point(cx, cy, length, angle)
        left = polar_point(cx, cy, inner, angle - half)
        right = polar_point(cx, cy, inner, angle + half)
        rays.append(el("polygon", points=points([left, tip, right]),
                       fill=fill))
    return rays


def trump_ornament(cy, colour):
    """Horizontal flourish: a star between two tapering lines with dots."""
    cx = WIDTH / 2
    return [
        el("polygon", points=points([(cx - 6, cy - 0.6), (cx - 20, cy),
                                     (cx - 6, cy + 0.6)]), fill=colour),
        el("polygon", points=points([(cx + 6, cy - 0.6), (cx + 20, cy),
                                     (cx + 6, cy + 0.6)]), fill=colour),
        el("circle", cx=cx - 22, cy=cy, r=1, fill=colour),
        el("circle", cx=cx + 22, cy=cy, r=1, fill=colour),
        star(cx, cy, 4.5, GOLD, stroke=GOLD_DARK, stroke_width=0.5),
    ]


def trump_medallion(number, middle, deep):
    cx, cy = WIDTH / 2, HEIGHT / 2
    text = str(number)
    size = 30 if len(text) == 1 else 26
    parts = sun_rays(cx, cy, 20, 33, 27, 24, middle)
    parts += [
        el("circle", cx=cx, cy=cy, r=21, fill="url(#medal)", stroke=deep,
           stroke_width=1.2),
        el("circle", cx=cx, cy=cy, r=18, fill="none", stroke=GOLD,
           stroke_width=0.8),
    ]
    for i in range(12):
        x, y = polar_point(cx, cy, 19.5, i * 30 + 15)
        parts.append(el("circle", cx=x, cy=y, r=0.7, fill=deep))
    parts.append(el("text", text, x=cx, y=cy + size * 0.35,
                    font_family=SERIF, font_size=size, font_weight="bold",
                    text_anchor="middle", fill=deep))
    return parts


def trump_card(number):
    pale, middle, deep = trump_palette(number)
    defs = [
        vertical_gradient("wash", [(0, pale), (0.5, CARD_FILL), (1, pale)]),
        radial_gradient("medal", WHITE, pale),
    ]
    body = [
        card_background(),
        el("rect", x=3.5, y=3.5, width=WIDTH - 7, height=HEIGHT - 7, rx=3,
           ry=3, fill="url(#wash)", stroke=middle, stroke_width=0.8),
        el("rect", x=5.5, y=5.5, width=WIDTH - 11, height=HEIGHT - 11, rx=2,
           ry=2, fill="none", stroke=middle, stroke_width=0.4),
    ]
    body += trump_ornament(27, deep) + trump_ornament(HEIGHT - 27, deep)
    body += trump_medallion(number, middle, deep)
    body += trump_index(number, middle)
    return svg_document(defs, body)


# ---------------------------------------------------------------------------
# The Excuse
# ---------------------------------------------------------------------------

EXCUSE_STARS = [
    (27, 26, 2.2), (62, 24, 1.6), (56, 33, 1.1), (31, 40, 1.3),
    (63, 60, 1.8), (26, 64, 1.5), (28, 88, 1.1), (63, 86, 1.3),
    (38, 28, 1.0), (52, 45, 0.9), (25, 104, 1.6), (64, 104, 1.9),
]

JESTER_COLOURS = ("#c8102e", "#2e7d32", "#f0b429")


def jester_hat():
    """Three floppy points with bells, over a gold band."""
    red, green, yellow = JESTER_COLOURS
    flaps = [
        (red, "M35,66 C30,61 25,55 24,46 C30,49 38,52 44,58 Z"),
        (yellow, "M55,66 C60,61 65,55 66,46 C60,49 52,52 46,58 Z"),
        (green, "M38,62 C39,52 42,44 45,35 C48,44 51,52 52,62 Z"),
    ]
    parts = [el("path", d=d, fill=colour, stroke=INK, stroke_width=0.6,
                stroke_linejoin="round") for colour, d in flaps]
    parts += [el("circle", cx=x, cy=y, r=2.5, fill=GOLD, stroke=GOLD_DARK,
                 stroke_width=0.5) for x, y in ((24, 46), (66, 46), (45, 35))]
    parts.append(el("rect", x=34, y=61.5, width=22, height=5, rx=2, ry=2,
                    fill=GOLD, stroke=GOLD_DARK, stroke_width=0.5))
    parts += [el("circle", cx=x, cy=64, r=0.9, fill=JESTER_COLOURS[i % 3])
              for i, x in enumerate((38, 42, 45, 48, 52))]
    return parts


def jester_ruff(cy):
    """Zig-zag collar in alternating colours."""
    parts = []
    for i in range(6):
        x = 31 + i * 4.7
        colour = JESTER_COLOURS[i % 2]
        parts.append(el("polygon", points=points(
            [(x, cy), (x + 4.7, cy), (x + 2.35, cy + 8)]),
            fill=colour, stroke=INK, stroke_width=0.4))
    return parts


def jester_body():
    red, green, _ = JESTER_COLOURS
    return [
        el("path", fill=red, stroke=INK, stroke_width=0.6,
           d="M27,120 L27,106 C27,97 34,92 45,92 L45,120 Z"),
        el("path", fill=green, stroke=INK, stroke_width=0.6,
           d="M63,120 L63,106 C63,97 56,92 45,92 L45,120 Z"),
    ] + [el("circle", cx=45, cy=y, r=1.1, fill=GOLD, stroke=GOLD_DARK,
            stroke_width=0.3) for y in (100, 106, 112)]


def excuse_card():
    defs = [vertical_gradient("night", [(0, "#1d2352"), (1, "#4a2c6e")])]
    body = [
        card_background(),
        el("rect", x=FRAME_X, y=FRAME_Y, width=FRAME_W, height=FRAME_H,
           rx=2, ry=2, fill="url(#night)", stroke=INK, stroke_width=1),
        el("rect", x=FRAME_X + 2, y=FRAME_Y + 2, width=FRAME_W - 4,
           height=FRAME_H - 4, rx=1, ry=1, fill="none", stroke=GOLD,
           stroke_width=0.7),
    ]
    body += [star(x, y, r * 1.8, "#fff3b0", inner_ratio=0.4)
             for x, y, r in EXCUSE_STARS]
    body += jester_body() + jester_ruff(88)
    body += face(WIDTH / 2, 77, 9, 10.5)
    body += cheeks(WIDTH / 2, 80, 5)
    body += jester_hat()
    body += [
        el("rect", x=FRAME_X + 2, y=FRAME_Y + FRAME_H - 12,
           width=FRAME_W - 4, height=10, fill="#1d2352", stroke=GOLD,
           stroke_width=0.7),
        el("text", "EXCUSE", x=WIDTH / 2, y=FRAME_Y + FRAME_H - 4.7,
           font_family=SERIF, font_size=6.8, font_weight="bold",
           text_anchor="middle", fill=GOLD),
    ]
    body += excuse_index()
    return svg_document(defs, body)


# ---------------------------------------------------------------------------
# Deck assembly
# ---------------------------------------------------------------------------

def all_faces():
    """Return [(file name, svg text)] for the whole deck, in deck order."""
    faces = []
    for suit in SUITS:
        for value in range(1, 15):
            if value <= 10:
                svg = pip_card(suit, value)
            else:
                svg = honour_card(suit, value)
            faces.append(("%s%d.svg" % (suit.name, value), svg))
    for number in range(1, 22):
        faces.append(("ATOUT%d.svg" % number, trump_card(number)))
    faces.append(("ATOUT%d.svg" % EXCUSE_NUMBER, excuse_card()))
    return faces


def english_court_faces():
    """Return [(file name, svg text)] for the 16 court cards in English."""
    return [("%s%d.svg" % (suit.name, value),
             honour_card(suit, value, ENGLISH_HONOURS))
            for suit in SUITS for value in range(11, 15)]


def write_faces(folder, faces):
    os.makedirs(folder, exist_ok=True)
    for name, svg in faces:
        with open(os.path.join(folder, name), "w", encoding="utf-8",
                  newline="\n") as handle:
            handle.write(svg)


def default_output_dir():
    repo_root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    return os.path.join(repo_root, "assets", "cards")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=default_output_dir(),
                        help="directory to write the SVG files into "
                             "(default: assets/cards in the repository)")
    args = parser.parse_args(argv)

    faces = all_faces()
    if len(faces) != 78:
        raise RuntimeError("expected 78 faces, built %d" % len(faces))

    english = english_court_faces()
    write_faces(args.out, faces)
    write_faces(os.path.join(args.out, ENGLISH_FOLDER), english)
    print("wrote %d card faces to %s and %d English court cards to %s"
          % (len(faces), args.out, len(english),
             os.path.join(args.out, ENGLISH_FOLDER)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
