"""Bitmap 107, the dialog's top picture, 300 x 120: the name over swinging bands.

The dialog centres the picture in its frame and fills any rest of the frame with the
picture's top-left colour, so the picture fades into one even colour at its edges."""

import math
import random

from canvas import Canvas, mix
from glyphs import text_strokes, text_width

WIDTH, HEIGHT = 300, 120
EDGE = (10, 6, 32)
GLOW = (44, 0, 76)
BAND = (128, 0, 255)  # the saver's default colour


def edge_fade(x, y, margin=28.0):
    """1 inside, falling to 0 at the picture's border."""
    return max(0.0, min(1.0, x / margin, (WIDTH - x) / margin, y / 12.0, (HEIGHT - y) / 12.0))


def background(x, y):
    dx, dy = (x - WIDTH / 2) / 150.0, (y - HEIGHT / 2) / 70.0
    glow = max(0.0, 1.0 - math.sqrt(dx * dx + dy * dy))
    return mix(EDGE, GLOW, glow * edge_fade(x, y))


def bands(c, cx, cy, count, seed):
    """Concentric arcs about 2.4 radians long, each at its own phase, the outer ones
    darker, as the saver draws them with fading on."""
    rng = random.Random(seed)
    step = 150.0 / count
    for k in range(count):
        inner = 6 + k * step
        start = rng.uniform(0, 2 * math.pi)
        shade = mix(BAND, (0, 0, 0), k / (count + 3))
        c.ring_arc(cx, cy, inner, inner + step * 0.62, start, start + 2.4,
                   lambda x, y, shade=shade: mix(background(x, y), shade, edge_fade(x, y)))


def draw():
    c = Canvas(WIDTH, HEIGHT, EDGE, supersample=3)
    c.fill(background)
    bands(c, 150, 60, 18, seed=7)
    size = 62
    width = text_width("Sinuet", size)
    lines, _ = text_strokes("Sinuet", 150 - width / 2 - 6, 60 - size / 2 - 4, size, slant=0.18)
    for line in lines:
        c.stroke([(x + 3, y + 3) for x, y in line], 13, (0, 0, 0), alpha=0.6)
    for line in lines:
        c.stroke(line, 12, (20, 10, 40))
    for line in lines:
        c.stroke(line, 8, lambda x, y: mix((255, 250, 200), (120, 230, 90), (y - 26) / 64.0))
    return c.pixels()
