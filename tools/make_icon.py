#!/usr/bin/env python3
"""Draw Zarvane's application icon as SVG, in the style of the card faces.

Usage (from the repository root):

    python3 tools/make_icon.py [--out FILE]

By default the icon is written to assets/icon/zarvane.svg.  It shows three
cards fanned over the green table: the ace of hearts, the Excuse and the 21
of trumps in front, with shapes bold enough to read at 48 pixels.  The output
is deterministic and keeps to the SVG Tiny subset of the faces.
"""

import argparse
import os
import sys

from make_card_faces import (CARD_EDGE, CARD_FILL, GOLD, GOLD_DARK, RED,
                             SERIF, el, fmt, group, heart_shape,
                             radial_gradient, star, sun_rays, trump_palette,
                             vertical_gradient)

SIZE = 128
CARD_W, CARD_H = 44, 74
# The fan turns about a point below the icon, so the three tops spread apart.
PIVOT_X, PIVOT_Y = 64, 140
CARD_TOP = 14
TABLE = "#3e916d"
TABLE_RIM = "#004040"
TRUMP_NUMBER = 21


def card_outline(fill=CARD_FILL):
    return el("rect", x=-CARD_W / 2, y=0, width=CARD_W, height=CARD_H,
              rx=4, ry=4, fill=fill, stroke=CARD_EDGE, stroke_width=1.2)


def ace_of_hearts():
    return [card_outline(),
            el("g", [heart_shape(RED)], transform="translate(0 %s) scale(1.6)"
               % fmt(CARD_H * 0.4))]


def excuse():
    return [card_outline(),
            el("rect", x=-CARD_W / 2 + 4, y=4, width=CARD_W - 8,
               height=CARD_H - 8, rx=2, ry=2, fill="url(#night)",
               stroke=GOLD, stroke_width=1),
            star(0, CARD_H * 0.3, 13, GOLD, inner_ratio=0.45, stroke=GOLD_DARK,
                 stroke_width=0.8)]


def trump():
    pale, middle, deep = trump_palette(TRUMP_NUMBER)
    parts = [card_outline(),
             el("rect", x=-CARD_W / 2 + 3, y=3, width=CARD_W - 6,
                height=CARD_H - 6, rx=2.5, ry=2.5, fill=pale, stroke=middle,
                stroke_width=1)]
    parts += sun_rays(0, CARD_H / 2, 16, 22, 19, 16, deep)
    parts += [
        el("circle", cx=0, cy=CARD_H / 2, r=17, fill="url(#medal)",
           stroke=deep, stroke_width=1.6),
        el("text", str(TRUMP_NUMBER), x=0, y=CARD_H / 2 + 8.5,
           font_family=SERIF, font_size=24, font_weight="bold",
           text_anchor="middle", fill=deep),
    ]
    return parts


def fanned(parts, degrees):
    """A card hung from its top centre, turned about the fan's pivot."""
    return group(parts, transform="rotate(%s %s %s) translate(%s %s)" % (
        fmt(degrees), fmt(PIVOT_X), fmt(PIVOT_Y), fmt(PIVOT_X),
        fmt(CARD_TOP)))


def icon():
    pale, _, _ = trump_palette(TRUMP_NUMBER)
    defs = [
        vertical_gradient("night", [(0, "#1d2352"), (1, "#4a2c6e")]),
        radial_gradient("medal", "#ffffff", pale),
    ]
    body = [
        el("ellipse", cx=64, cy=84, rx=60, ry=40, fill=TABLE,
           stroke=TABLE_RIM, stroke_width=4),
        fanned(ace_of_hearts(), -22),
        fanned(excuse(), 0),
        fanned(trump(), 22),
    ]
    head = ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
            'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
            % (SIZE, SIZE, SIZE, SIZE))
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', head,
             el("defs", defs)] + body + ["</svg>"]
    return "\n".join(lines) + "\n"


def default_output():
    repo_root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    return os.path.join(repo_root, "assets", "icon", "zarvane.svg")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=default_output(),
                        help="file to write (default: assets/icon/zarvane.svg)")
    args = parser.parse_args(argv)
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as handle:
        handle.write(icon())
    print("wrote the icon to %s" % args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
