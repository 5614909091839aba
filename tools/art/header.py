"""Bitmap 107, the dialog's top picture, 300 x 120: the name over swinging bands."""

import math
import random

from canvas import Canvas, mix
from glyphs import text_strokes, text_width

WIDTH, HEIGHT = 300, 120
BAND = (128, 0, 255)  # the saver's default colour


def background(x, y):
    return mix((8, 6, 30), (34, 0, 56), y / HEIGHT)


def bands(c, cx, cy, count, seed):
    """Concentric arcs about 2.4 radians long, each at its own phase, the outer ones
    darker, as the saver draws them with fading on."""
    rng = random.Random(seed)
    step = 150.0 / count
    for k in range(count):
        inner = 6 + k * step
        start = rng.uniform(0, 2 * math.pi)
        shade = mix(BAND, (0, 0, 0), k / (count + 3))
        c.ring_arc(cx, cy, inner, inner + step * 0.62, start, start + 2.4, shade)


def draw():
    c = Canvas(WIDTH, HEIGHT, (0, 0, 0), supersample=3)
    c.fill(background)
    bands(c, 150, 60, 18, seed=7)
    size = 62
    width = text_width("Sinuet", size)
    lines, _ = text_strokes("Sinuet", 150 - width / 2 - 6, 60 - size / 2 - 4, size, slant=0.18)
    shadow = [[(x + 3, y + 3) for x, y in line] for line in lines]
    for line in shadow:
        c.stroke(line, 13, (0, 0, 0), alpha=0.6)
    for line in lines:
        c.stroke(line, 12, (20, 10, 40))
    for line in lines:
        c.stroke(line, 8, lambda x, y: mix((255, 250, 200), (120, 230, 90),
                                           (y - 26) / 64.0))
    return c.pixels()
