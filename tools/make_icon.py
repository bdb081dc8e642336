#!/usr/bin/python3
"""Draw the game's icon: a turtle on the grass heading for a pond; and the
icons of its two kinds of file: a level set (a stack of pages, the icon on
the top one) and a replay (a page with the icon and a play mark).

The icon is a list of filled shapes (circles, turned ellipses, polygons and
rounded squares) in a 256-unit square, in the colours of the board tiles.
The same list is written as an SVG and rasterised here, with anti-aliased
edges, into PNGs of 48, 64, 128 and 256 pixels, so the two never disagree.
Outlines are darker copies of a shape drawn a little larger beneath it.

Usage: /usr/bin/python3 tools/make_icon.py [output folder]   (default desktop/icons)
"""

import math
import os
import struct
import sys
import zlib

from make_tiles import C

UNITS = 256
SIZES = (48, 64, 128, 256)
SUBROWS = 16  # sample lines per pixel row; across a row, coverage is exact
OUTLINE = 5


class Shape:
    """A filled shape in icon units: kind is circle, ellipse, polygon or rrect."""

    def __init__(self, kind, colour, opacity=1.0, **geometry):
        self.kind = kind
        self.colour = colour
        self.opacity = opacity
        self.g = geometry

    def outline(self, grow=OUTLINE):
        """The same circle or ellipse grown by `grow` units, in ink."""
        g = dict(self.g)
        if self.kind == "circle":
            g["r"] += grow
        else:
            g["rx"] += grow
            g["ry"] += grow
        return Shape(self.kind, C["ink"], **g)

    def svg(self):
        fill = 'fill="#%02x%02x%02x"' % self.colour
        if self.opacity < 1:
            fill += ' fill-opacity="%s"' % num(self.opacity)
        g = self.g
        if self.kind == "circle":
            return '<circle cx="%s" cy="%s" r="%s" %s/>' % (num(g["cx"]), num(g["cy"]), num(g["r"]), fill)
        if self.kind == "ellipse":
            turn = ""
            if g.get("angle"):
                turn = ' transform="rotate(%s %s %s)"' % (num(g["angle"]), num(g["cx"]), num(g["cy"]))
            return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s %s/>' % (
                num(g["cx"]), num(g["cy"]), num(g["rx"]), num(g["ry"]), turn, fill)
        if self.kind == "rrect":
            return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" %s/>' % (
                num(g["x"]), num(g["y"]), num(g["w"]), num(g["h"]), num(g["r"]), fill)
        points = " ".join("%s,%s" % (num(x), num(y)) for x, y in g["points"])
        return '<polygon points="%s" %s/>' % (points, fill)

    def polygon(self):
        """The outline as a list of points, fine enough for a 256-pixel picture."""
        g = self.g
        if self.kind == "polygon":
            return g["points"]
        if self.kind == "rrect":
            x0, y0, x1, y1, r = g["x"], g["y"], g["x"] + g["w"], g["y"] + g["h"], g["r"]
            corners = ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180))
            points = []
            for cx, cy, start in corners:
                for i in range(17):
                    t = math.radians(start + 90 * i / 16)
                    points.append((cx + r * math.cos(t), cy + r * math.sin(t)))
            return points
        rx, ry = (g["r"], g["r"]) if self.kind == "circle" else (g["rx"], g["ry"])
        a = math.radians(g.get("angle", 0))
        ca, sa = math.cos(a), math.sin(a)
        points = []
        for i in range(128):
            t = 2 * math.pi * i / 128
            x, y = rx * math.cos(t), ry * math.sin(t)
            points.append((g["cx"] + x * ca - y * sa, g["cy"] + x * sa + y * ca))
        return points


def num(value):
    """A number for the SVG: at most two decimals, no trailing zeros."""
    text = ("%.2f" % value).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


class Frame:
    """Local coordinates of a figure drawn facing up, turned and placed on the icon."""

    def __init__(self, x, y, angle):
        self.x, self.y, self.angle = x, y, angle
        a = math.radians(angle)
        self.ca, self.sa = math.cos(a), math.sin(a)

    def point(self, x, y):
        return (self.x + x * self.ca - y * self.sa, self.y + x * self.sa + y * self.ca)

    def ellipse(self, x, y, rx, ry, colour, angle=0, opacity=1.0):
        cx, cy = self.point(x, y)
        return Shape("ellipse", colour, opacity, cx=cx, cy=cy, rx=rx, ry=ry, angle=angle + self.angle)

    def polygon(self, points, colour, opacity=1.0):
        return Shape("polygon", colour, opacity, points=[self.point(x, y) for x, y in points])


def inked(shape):
    return [shape.outline(), shape]


def ground():
    shapes = [
        Shape("rrect", C["grass_dark"], x=12, y=12, w=232, h=232, r=48),
        Shape("rrect", C["grass"], x=16, y=16, w=224, h=224, r=44),
    ]
    for x, y in ((46, 60), (64, 214), (204, 190), (150, 222), (36, 140), (222, 150)):
        shapes.append(Shape("ellipse", C["grass_light"], cx=x, cy=y, rx=7, ry=3, angle=-20))
        shapes.append(Shape("ellipse", C["grass_dark"], cx=x + 3, cy=y + 3, rx=6, ry=2.5, angle=-20))
    return shapes


def pond():
    f = Frame(168, 82, -12)

    def rim(angle):  # a point just beyond the lily pad's edge
        return (20 + 22 * math.cos(math.radians(angle)), 18 + 22 * math.sin(math.radians(angle)))

    return [
        f.ellipse(0, 0, 66, 48, C["water_deep"]),
        f.ellipse(0, 2, 61, 43, C["water"]),
        f.ellipse(-18, -14, 28, 9, C["water_light"], opacity=0.8),
        f.ellipse(-30, -17, 9, 3, C["foam"]),
        f.ellipse(20, 20, 16, 15, C["lily_dark"]),
        f.ellipse(20, 18, 15, 14, C["lily"]),
        f.polygon([(20, 18), rim(-75), rim(-35)], C["water"]),
        f.ellipse(12, 14, 5, 5, C["petal"]),
    ]


def turtle():
    f = Frame(100, 160, 38)
    shapes = [f.ellipse(8, 10, 58, 68, C["shadow"], opacity=0.55)]
    for x, y, angle in ((-44, -30, -35), (44, -30, 35), (-42, 36, 35), (42, 36, -35)):
        shapes += inked(f.ellipse(x, y, 17, 11, C["skin"], angle=angle))
    shapes += inked(f.ellipse(0, 62, 7, 13, C["skin_dark"]))
    shapes += inked(f.ellipse(0, -66, 18, 21, C["skin"]))
    for side in (-1, 1):
        shapes.append(f.ellipse(8 * side, -72, 4, 4.5, C["ink"]))
        shapes.append(f.ellipse(8 * side + 1.4, -73.6, 1.5, 1.5, C["white"]))
    shapes += inked(f.ellipse(0, 2, 48, 58, C["shell"]))
    shapes.append(f.ellipse(0, 2, 40, 50, C["shell_plate"]))
    # The seams run from the corners of the middle plate out to the rim.
    for i in range(6):
        t = math.radians(-90 + 60 * i)
        reach = 1 / math.hypot(math.cos(t) / 40, math.sin(t) / 50)
        dx, dy = math.cos(t), math.sin(t)
        px, py = -dy * 2.5, dx * 2.5
        shapes.append(f.polygon([(dx * 14 + px, 2 + dy * 14 + py), (dx * reach + px, 2 + dy * reach + py),
                                 (dx * reach - px, 2 + dy * reach - py), (dx * 14 - px, 2 + dy * 14 - py)],
                                C["shell_seam"]))
    for radius, colour in ((23, C["shell_seam"]), (18, C["shell_light"])):
        corners = [math.radians(-90 + 60 * i) for i in range(6)]
        shapes.append(f.polygon([(radius * math.cos(t), 2 + radius * 1.15 * math.sin(t)) for t in corners], colour))
    shapes.append(f.ellipse(-18, -24, 12, 6, C["white"], angle=-40, opacity=0.3))
    return shapes


def icon():
    return ground() + pond() + turtle()


PAPER = (250, 250, 244)
PAPER_EDGE = (128, 128, 120)
FOLD = (214, 214, 204)
PLAY = (36, 104, 196)


def scaled(shapes, factor, dx, dy):
    """The shapes shrunk by factor about the origin, then moved by (dx, dy)."""
    out = []
    for shape in shapes:
        g = dict(shape.g)
        if shape.kind == "polygon":
            g["points"] = [(x * factor + dx, y * factor + dy) for x, y in g["points"]]
        elif shape.kind == "rrect":
            g.update(x=g["x"] * factor + dx, y=g["y"] * factor + dy, w=g["w"] * factor, h=g["h"] * factor,
                     r=g["r"] * factor)
        else:
            g.update(cx=g["cx"] * factor + dx, cy=g["cy"] * factor + dy)
            for key in ("r", "rx", "ry"):
                if key in g:
                    g[key] *= factor
        out.append(Shape(shape.kind, shape.colour, shape.opacity, **g))
    return out


def page(x, y):
    """A sheet of 150 by 196 units with its top right corner folded over."""
    w, h, fold = 150, 196, 40
    outline = [(x, y), (x + w - fold, y), (x + w, y + fold), (x + w, y + h), (x, y + h)]
    inner = [(px + (3 if px == x else -3 if px >= x + w - 1 else 0), py + (3 if py == y else -3 if py == y + h else 0))
             for px, py in outline]
    inner[1] = (x + w - fold - 1, y + 3)
    inner[2] = (x + w - 3, y + fold + 1)
    return [Shape("polygon", PAPER_EDGE, points=outline), Shape("polygon", PAPER, points=inner),
            Shape("polygon", PAPER_EDGE, points=[(x + w - fold, y), (x + w - fold, y + fold), (x + w, y + fold)]),
            Shape("polygon", FOLD, points=[(x + w - fold + 3, y + 7), (x + w - fold + 3, y + fold - 3),
                                           (x + w - 7, y + fold - 3)])]


def set_icon():
    """Three pages, the game's icon on the top one."""
    return page(78, 20) + page(64, 34) + page(50, 48) + scaled(icon(), 0.5, 61, 96)


def replay_icon():
    """A page with the game's icon and a play mark."""
    play = [Shape("circle", PAPER_EDGE, cx=188, cy=200, r=44), Shape("circle", PLAY, cx=188, cy=200, r=40),
            Shape("polygon", PAPER, points=[(174, 178), (174, 222), (210, 200)])]
    return page(53, 30) + scaled(icon(), 0.5, 64, 80) + play


def svg(shapes):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (UNITS, UNITS, UNITS, UNITS)]
    lines += ["  " + shape.svg() for shape in shapes]
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def rasterise(shapes, size):
    """RGBA rows of size x size pixels, straight alpha, each channel 0..255."""
    scale = size / UNITS
    canvas = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    for shape in shapes:
        points = [(x * scale, y * scale) for x, y in shape.polygon()]
        edges = list(zip(points, points[1:] + points[:1]))
        top = max(0, int(min(y for _, y in points)))
        bottom = min(size - 1, int(max(y for _, y in points)))
        colour = [c / 255 for c in shape.colour]
        for row in range(top, bottom + 1):
            cover = {}
            for sub in range(SUBROWS):
                sy = row + (sub + 0.5) / SUBROWS
                xs = sorted(x0 + (sy - y0) * (x1 - x0) / (y1 - y0)
                            for (x0, y0), (x1, y1) in edges if (y0 <= sy < y1) or (y1 <= sy < y0))
                for a, b in zip(xs[0::2], xs[1::2]):
                    a, b = max(a, 0.0), min(b, float(size))
                    for px in range(int(a), min(size, int(math.ceil(b)))):
                        part = min(b, px + 1) - max(a, px)
                        if part > 0:
                            cover[px] = cover.get(px, 0.0) + part / SUBROWS
            line = canvas[row]
            for px, amount in cover.items():
                alpha = min(amount, 1.0) * shape.opacity
                *below, a = line[px]
                out = alpha + a * (1 - alpha)
                line[px] = tuple((cs * alpha + cd * a * (1 - alpha)) / out for cs, cd in zip(colour, below)) + (out,)
    return [bytes(round(channel * 255) for pixel in line for channel in pixel) for line in canvas]


def png(rows):
    """A PNG file of RGBA rows, each row unfiltered."""
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    width, height = len(rows[0]) // 4, len(rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    data = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def files():
    """Every icon file by name: the SVG and one PNG per size of each icon."""
    out = {}
    for name, shapes in (("pondrake", icon()), ("application-x-pondrake-set", set_icon()),
                         ("application-x-pondrake-replay", replay_icon())):
        out[name + ".svg"] = svg(shapes).encode()
        for size in SIZES:
            out["%s-%d.png" % (name, size)] = png(rasterise(shapes, size))
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "desktop", "icons")
    os.makedirs(out_dir, exist_ok=True)
    for name, data in files().items():
        with open(os.path.join(out_dir, name), "wb") as fh:
            fh.write(data)
        print("wrote", name)


if __name__ == "__main__":
    main()
