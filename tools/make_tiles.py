#!/usr/bin/python3
"""Draw the sixteen 34x34 board tiles and write them as GIFs to data/images/.

Every tile is drawn on the same grass, so creatures can stand anywhere.
Creatures are drawn on a transparent layer facing up, outlined, rotated to
their facing and laid on the grass with a soft shadow. Water and rock are
drawn with wrap-around so neighbouring tiles join without a seam.

Usage: /usr/bin/python3 tools/make_tiles.py [output folder]
"""

import io
import os
import random
import sys

from PIL import Image

SIZE = 34

# The whole palette, by name. Shapes differ as well as colours, so a player
# who cannot tell the hues apart still knows every creature.
C = {
    "grass": (104, 170, 76),
    "grass_dark": (86, 150, 62),
    "grass_light": (130, 192, 94),
    "shadow": (72, 128, 56),
    "ink": (38, 32, 30),
    "white": (250, 250, 246),
    # turtle
    "shell": (156, 110, 50),
    "shell_plate": (186, 138, 66),
    "shell_light": (214, 172, 96),
    "shell_seam": (100, 66, 32),
    "skin": (196, 206, 96),
    "skin_dark": (150, 162, 64),
    # dog
    "fur": (236, 206, 150),
    "fur_light": (250, 236, 206),
    "fur_dark": (198, 160, 104),
    "ear": (130, 80, 44),
    "collar": (206, 44, 44),
    "tag": (250, 210, 60),
    "tongue": (236, 110, 130),
    # alien
    "alien": (150, 84, 206),
    "alien_light": (190, 136, 236),
    "alien_dark": (108, 56, 160),
    "bulb": (250, 220, 70),
    # foot
    "foot": (242, 190, 150),
    "foot_shade": (212, 152, 114),
    "foot_light": (252, 218, 190),
    "nail": (252, 236, 226),
    # hole
    "dirt": (140, 100, 60),
    "dirt_dark": (100, 70, 42),
    "pit": (22, 16, 12),
    "pit_edge": (56, 38, 24),
    # water
    "water": (54, 118, 202),
    "water_deep": (44, 98, 180),
    "water_light": (104, 166, 228),
    "foam": (210, 236, 252),
    "lily": (70, 150, 70),
    "lily_dark": (44, 110, 50),
    "petal": (250, 170, 200),
    # rock
    "mortar": (74, 72, 78),
    "stone": (146, 144, 150),
    "stone_light": (184, 182, 188),
    "stone_dark": (112, 110, 118),
}


class Layer:
    """A square of pixels; None is transparent."""

    def __init__(self, fill=None):
        self.px = [[fill] * SIZE for _ in range(SIZE)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, colour, wrap=False):
        if wrap:
            x %= SIZE
            y %= SIZE
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = colour

    def ellipse(self, cx, cy, rx, ry, colour, wrap=False):
        """Fill the pixels whose centres lie inside the ellipse."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.set(x, y, colour, wrap)

    def rect(self, x0, y0, x1, y1, colour):
        """Fill x0 <= x < x1, y0 <= y < y1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            if width == 1:
                self.set(int(x), int(y), colour)
            else:
                self.ellipse(x, y, width / 2, width / 2, colour)

    def recolour_inside(self, cx, cy, rx, ry, colour, only):
        """Repaint the pixels of colour `only` that lie inside an ellipse."""
        for y in range(SIZE):
            for x in range(SIZE):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0 and self.px[y][x] == only:
                    self.px[y][x] = colour

    def outline(self, colour):
        """Ring the opaque shape with a one-pixel line on its outside."""
        ring = []
        for y in range(SIZE):
            for x in range(SIZE):
                if self.px[y][x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < SIZE and 0 <= ny < SIZE and self.px[ny][nx] not in (None, colour):
                        ring.append((x, y))
                        break
        for x, y in ring:
            self.px[y][x] = colour

    def rotated(self, quarter_turns):
        """A copy turned clockwise by 90 degrees per quarter turn."""
        out = Layer()
        out.px = [row[:] for row in self.px]
        for _ in range(quarter_turns % 4):
            src = out.px
            out.px = [[src[SIZE - 1 - x][y] for x in range(SIZE)] for y in range(SIZE)]
        return out

    def mirrored(self):
        out = Layer()
        out.px = [list(reversed(row)) for row in self.px]
        return out

    def over(self, below):
        """This layer laid over another; returns a new layer."""
        out = Layer()
        out.px = [[a if a is not None else b for a, b in zip(ra, rb)]
                  for ra, rb in zip(self.px, below.px)]
        return out

    def shadow(self, dx, dy, colour):
        """The silhouette of this layer, moved and painted in one colour."""
        out = Layer()
        for y in range(SIZE):
            for x in range(SIZE):
                if self.px[y][x] is not None:
                    out.set(x + dx, y + dy, colour)
        return out

    def pixels(self):
        return [c for row in self.px for c in row]


# Facings as clockwise quarter turns from "up".
TURNS = {"up": 0, "right": 1, "down": 2, "left": 3}


def grass():
    g = Layer(C["grass"])
    rnd = random.Random(3401)
    for _ in range(46):
        x, y = rnd.randrange(SIZE), rnd.randrange(SIZE)
        g.set(x, y, C["grass_dark"], wrap=True)
        g.set(x, y + 1, C["grass_dark"], wrap=True)
        g.set(x + rnd.choice((-1, 1)), y - 1, C["grass_dark"], wrap=True)
    for _ in range(30):
        x, y = rnd.randrange(SIZE), rnd.randrange(SIZE)
        if g.get(x, y) == C["grass"]:
            g.set(x, y, C["grass_light"])
    return g


def on_grass(sprite, shadow=(1, 2)):
    ground = grass()
    if shadow:
        ground = sprite.shadow(shadow[0], shadow[1], C["shadow"]).over(ground)
    return sprite.over(ground)


# --- turtle -----------------------------------------------------------------

def turtle_up():
    t = Layer()
    skin = C["skin"]
    # Legs paddle outwards, front pair reaching forward.
    t.ellipse(8.0, 11.5, 3.6, 2.8, skin)
    t.ellipse(26.0, 11.5, 3.6, 2.8, skin)
    t.ellipse(8.5, 26.0, 3.2, 2.6, skin)
    t.ellipse(25.5, 26.0, 3.2, 2.6, skin)
    # Tail: a short point behind.
    t.ellipse(17.0, 30.5, 1.6, 2.6, skin)
    # Head well out in front, so the facing shows at a glance.
    t.ellipse(17.0, 5.5, 4.2, 4.8, skin)
    t.ellipse(17.0, 8.5, 3.0, 2.0, C["skin_dark"])
    # Shell: dark rim, rim scutes, then plates.
    t.ellipse(17.0, 18.5, 10.5, 11.0, C["ink"])
    t.ellipse(17.0, 18.5, 9.5, 10.0, C["shell"])
    t.ellipse(17.0, 18.5, 7.5, 8.0, C["shell_seam"])
    t.ellipse(17.0, 18.5, 6.6, 7.1, C["shell_plate"])
    # Plate seams: a central plate with spokes out to the rim.
    for (x0, y0, x1, y1) in ((17, 11.6, 17, 14.6), (17, 22.4, 17, 25.6),
                             (14.2, 16.5, 10.6, 14.2), (19.8, 16.5, 23.4, 14.2),
                             (14.2, 20.5, 10.6, 22.8), (19.8, 20.5, 23.4, 22.8)):
        t.line(x0, y0, x1, y1, C["shell_seam"])
    t.ellipse(17.0, 18.5, 3.4, 4.0, C["shell_seam"])
    t.ellipse(17.0, 18.5, 2.5, 3.1, C["shell_light"])
    # Scute marks on the rim.
    for (x, y) in ((17, 9), (17, 27), (8, 18), (25, 18), (10, 12), (23, 12), (10, 25), (23, 25)):
        t.set(x, y, C["shell_seam"])
    # Eyes on both sides of the head, nearer the nose.
    t.set(14, 4, C["ink"])
    t.set(19, 4, C["ink"])
    t.set(15, 4, C["white"])
    t.set(18, 4, C["white"])
    t.outline(C["ink"])
    return t


# --- dog --------------------------------------------------------------------

def dog_up():
    d = Layer()
    fur = C["fur"]
    # Paws in a walking stride: left fore and right hind forward.
    for (x, y) in ((9.6, 13.5), (24.4, 16.0), (9.8, 25.0), (24.2, 27.5)):
        d.ellipse(x, y, 2.8, 3.2, C["fur_dark"])
    # Tail wagging off to one side.
    d.line(17.0, 28.5, 20.0, 31.6, fur, width=2.4)
    d.ellipse(20.6, 31.8, 1.3, 1.3, C["fur_light"])
    # Long body with a patch on the back.
    d.ellipse(17.0, 21.0, 6.8, 9.0, fur)
    d.ellipse(19.0, 23.0, 3.0, 3.6, C["ear"])
    d.ellipse(15.0, 19.0, 2.0, 5.0, C["fur_light"])
    # Head, snout and nose pointing forward.
    d.ellipse(17.0, 9.5, 5.6, 5.0, fur)
    d.ellipse(17.0, 4.6, 3.0, 3.4, C["fur_light"])
    d.ellipse(17.0, 2.6, 1.8, 1.4, C["ink"])
    # Collar round the neck, between head and body.
    for y in (13, 14):
        for x in range(SIZE):
            if d.get(x, y) in (fur, C["fur_light"]):
                d.set(x, y, C["collar"])
    # Floppy ears hanging out to both sides.
    d.ellipse(10.8, 10.5, 2.4, 4.2, C["ear"])
    d.ellipse(23.2, 10.5, 2.4, 4.2, C["ear"])
    d.set(14, 7, C["ink"])
    d.set(19, 7, C["ink"])
    d.set(17, 14, C["tag"])
    d.set(16, 14, C["tag"])
    d.outline(C["ink"])
    return d


def dog_sit():
    d = Layer()
    fur = C["fur"]
    # Tail curling out to the right behind the haunch.
    d.line(24.0, 27.0, 29.0, 22.0, fur, width=2.4)
    d.ellipse(29.2, 21.6, 1.4, 1.4, C["fur_light"])
    # Haunches and hind paws.
    d.ellipse(17.0, 25.5, 8.5, 7.0, C["fur_dark"])
    d.ellipse(8.8, 30.8, 3.4, 2.2, fur)
    d.ellipse(25.2, 30.8, 3.4, 2.2, fur)
    # Chest and straight front legs.
    d.ellipse(17.0, 22.0, 5.6, 7.5, fur)
    d.ellipse(17.0, 22.5, 3.0, 5.0, C["fur_light"])
    d.rect(12, 24, 16, 31, fur)
    d.rect(18, 24, 22, 31, fur)
    d.ellipse(14.0, 31.0, 2.6, 2.0, C["fur_light"])
    d.ellipse(20.0, 31.0, 2.6, 2.0, C["fur_light"])
    # Collar with its tag.
    d.rect(11, 16, 23, 18, C["collar"])
    d.ellipse(17.0, 18.8, 1.4, 1.4, C["tag"])
    # Head facing the viewer.
    d.ellipse(17.0, 10.0, 7.2, 6.4, fur)
    d.ellipse(17.0, 13.3, 4.0, 2.9, C["fur_light"])
    d.ellipse(17.0, 11.7, 1.9, 1.3, C["ink"])
    d.set(17, 13, C["ink"])
    d.set(16, 14, C["ink"])
    d.set(18, 14, C["ink"])
    d.ellipse(17.0, 15.6, 1.2, 1.3, C["tongue"])
    # Floppy ears.
    d.ellipse(9.3, 10.5, 2.7, 5.4, C["ear"])
    d.ellipse(24.7, 10.5, 2.7, 5.4, C["ear"])
    # Eyes with a glint.
    for x in (13, 20):
        d.rect(x, 8, x + 2, 10, C["ink"])
        d.set(x, 8, C["white"])
    d.outline(C["ink"])
    # Separate the front legs with a line.
    for y in range(25, 31):
        d.set(16, y, C["fur_dark"])
        d.set(17, y, C["fur_dark"])
    return d


# --- alien ------------------------------------------------------------------

def alien():
    a = Layer()
    body = C["alien"]
    # Antennae with glowing bulbs.
    a.line(13.0, 8.0, 9.5, 3.3, C["alien_dark"], width=1.6)
    a.line(21.0, 8.0, 24.5, 3.3, C["alien_dark"], width=1.6)
    a.ellipse(9.0, 3.3, 2.1, 2.1, C["bulb"])
    a.ellipse(25.0, 3.3, 2.1, 2.1, C["bulb"])
    # Spring legs, zigzag, ending in round feet.
    for side in (-1, 1):
        x = 17 + side * 4
        pts = [(x, 24), (x + side * 2.5, 26), (x - side * 0.5, 27.5), (x + side * 2.5, 29), (x + side * 1.0, 30.5)]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            a.line(x0, y0, x1, y1, C["alien_dark"], width=1.4)
        a.ellipse(17 + side * 6.5, 31.6, 3.0, 1.8, C["alien_light"])
    # Round head with a little body under it.
    a.ellipse(17.0, 22.5, 5.5, 4.0, C["alien_dark"])
    a.ellipse(17.0, 14.0, 10.0, 9.0, body)
    a.ellipse(14.0, 9.5, 4.0, 2.2, C["alien_light"])
    # Two huge eyes.
    for x in (12.8, 21.2):
        a.ellipse(x, 14.0, 3.4, 3.9, C["white"])
        a.ellipse(x + 0.3, 14.8, 1.8, 2.4, C["ink"])
    a.set(12, 13, C["white"])
    a.set(21, 13, C["white"])
    # Grin.
    for x, y in ((14, 19), (15, 20), (16, 20), (17, 20), (18, 20), (19, 19)):
        a.set(x, y, C["alien_dark"])
    a.outline(C["ink"])
    return a


# --- foot -------------------------------------------------------------------

def foot_up():
    f = Layer()
    # Sole: wide ball, narrow arch, round heel.
    f.ellipse(17.5, 15.2, 9.5, 7.5, C["foot"])
    f.ellipse(17.0, 22.0, 7.6, 7.0, C["foot"])
    f.ellipse(16.5, 27.2, 7.0, 5.3, C["foot"])
    # Shade down the outer edge and light on the instep.
    f.recolour_inside(27.5, 20.0, 5.0, 14.0, C["foot_shade"], C["foot"])
    f.ellipse(13.0, 20.0, 2.5, 6.0, C["foot_light"])
    # Toes, big toe first, fanning round the front.
    toes = ((9.8, 6.6, 3.9, 4.4), (16.2, 5.2, 2.7, 3.3), (21.0, 5.7, 2.5, 3.0),
            (25.2, 7.4, 2.3, 2.7), (28.4, 10.3, 2.0, 2.4))
    for (x, y, rx, ry) in toes:
        f.ellipse(x, y, rx + 1.0, ry + 1.0, C["ink"])
    for (x, y, rx, ry) in toes:
        f.ellipse(x, y, rx, ry, C["foot"])
        f.ellipse(x, y - ry * 0.35, rx * 0.55, ry * 0.45, C["nail"])
    f.outline(C["ink"])
    # Crease lines on the sole.
    f.line(12.0, 11.2, 24.0, 11.7, C["foot_shade"])
    f.line(14.0, 29.0, 19.0, 29.5, C["foot_shade"])
    return f


# --- hole -------------------------------------------------------------------

def hole():
    h = Layer()
    h.ellipse(17.0, 17.5, 13.5, 12.5, C["dirt_dark"])
    h.ellipse(17.0, 17.0, 12.5, 11.5, C["dirt"])
    h.ellipse(17.0, 18.0, 10.5, 9.5, C["pit_edge"])
    h.ellipse(17.0, 19.0, 9.5, 8.0, C["pit"])
    # Lip of earth catching the light along the top.
    h.ellipse(17.0, 8.5, 6.0, 1.6, C["dirt"])
    rnd = random.Random(77)
    for _ in range(16):
        x = rnd.randrange(4, 30)
        y = rnd.randrange(5, 30)
        dx = (x + 0.5 - 17.0) / 12.5
        dy = (y + 0.5 - 17.0) / 11.5
        if 0.82 < dx * dx + dy * dy <= 1.0:
            h.set(x, y, C["dirt_dark"])
    # A few clods thrown onto the grass.
    for (x, y) in ((3, 29), (30, 5), (31, 27), (2, 7)):
        h.set(x, y, C["dirt"])
        h.set(x + 1, y, C["dirt_dark"])
    return h


# --- water ------------------------------------------------------------------

def water():
    w = Layer(C["water"])
    # Deeper patches and ripples, all drawn with wrap-around so that
    # neighbouring pond tiles continue each other.
    for (x, y, rx, ry) in ((8.0, 26.0, 7.0, 4.0), (27.0, 9.0, 6.0, 3.5), (30.0, 30.0, 5.0, 3.0)):
        w.ellipse(x, y, rx, ry, C["water_deep"], wrap=True)
    ripples = ((4, 5, 6), (19, 3, 5), (12, 14, 7), (26, 18, 6), (2, 21, 5),
               (15, 27, 6), (28, 30, 5), (22, 10, 4))
    for (x, y, n) in ripples:
        for i in range(n):
            w.set(x + i, y, C["water_light"], wrap=True)
        w.set(x + 1, y - 1, C["foam"], wrap=True)
        w.set(x + 2, y - 1, C["foam"], wrap=True)
        w.set(x - 1, y + 1, C["water_light"], wrap=True)
        w.set(x + n, y + 1, C["water_light"], wrap=True)
    return w


# --- rock -------------------------------------------------------------------

def rock():
    r = Layer(C["mortar"])
    # Rounded stones packed in courses; positions wrap, so a wall of rock
    # tiles reads as one piece of masonry.
    stones = ((5.0, 4.0, 6.5, 4.2), (19.0, 4.5, 7.0, 4.4), (31.5, 3.5, 5.0, 3.9),
              (11.5, 13.0, 6.8, 4.4), (25.5, 13.0, 6.4, 4.6), (-0.5, 13.5, 3.5, 4.0),
              (5.0, 22.5, 6.2, 4.3), (18.5, 22.0, 6.6, 4.6), (31.0, 22.5, 5.2, 4.3),
              (11.5, 30.5, 5.8, 3.6), (25.0, 30.5, 6.6, 3.7))
    for (x, y, rx, ry) in stones:
        r.ellipse(x, y, rx, ry, C["stone_dark"], wrap=True)
        r.ellipse(x - 0.6, y - 0.6, rx - 0.8, ry - 0.8, C["stone"], wrap=True)
        r.ellipse(x - rx * 0.35, y - ry * 0.4, rx * 0.4, ry * 0.3, C["stone_light"], wrap=True)
    return r


def render_all():
    """Every tile as (file name, list of 34*34 RGB tuples)."""
    tiles = {}
    tiles["blank.gif"] = grass()
    t = turtle_up()
    for facing, turns in TURNS.items():
        tiles["turtle_%s.gif" % facing] = on_grass(t.rotated(turns))
    d = dog_up()
    for facing, turns in TURNS.items():
        tiles["dog_%s.gif" % facing] = on_grass(d.rotated(turns))
    tiles["dog_sit.gif"] = on_grass(dog_sit(), shadow=(1, 1))
    tiles["alien.gif"] = on_grass(alien(), shadow=(1, 1))
    f = foot_up()
    tiles["foot_left.gif"] = on_grass(f.rotated(TURNS["left"]))
    # The right-walking foot is the other foot: a mirror image.
    tiles["foot_right.gif"] = on_grass(f.rotated(TURNS["left"]).mirrored())
    tiles["hole.gif"] = hole().over(grass())
    tiles["water.gif"] = water()
    tiles["rock.gif"] = rock()
    return {name: layer.pixels() for name, layer in sorted(tiles.items())}


def gif(width, height, pixels):
    """A GIF of (r, g, b) pixels, exactly: its palette is the colours in order of first use, so
    nothing is quantised or dithered. Pillow refuses (ValueError) a palette beyond 256 colours."""
    if len(pixels) != width * height:
        raise ValueError("%d pixels for a %dx%d image" % (len(pixels), width, height))
    index_of = {}
    for colour in pixels:
        index_of.setdefault(colour, len(index_of))
    image = Image.new("P", (width, height))
    image.putpalette([channel for colour in index_of for channel in colour])
    image.putdata([index_of[colour] for colour in pixels])
    out = io.BytesIO()
    image.save(out, format="GIF", interlace=False)  # Pillow interlaces by default
    return out.getvalue()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "images")
    os.makedirs(out_dir, exist_ok=True)
    for name, pixels in render_all().items():
        with open(os.path.join(out_dir, name), "wb") as fh:
            fh.write(gif(SIZE, SIZE, pixels))
        print("wrote", name)


if __name__ == "__main__":
    main()
