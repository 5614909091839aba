"""Bitmap 112, the dialog's bottom strip, 300 x 45: swinging waves and a frog peeking up
with a hiccup. Like the top picture it fades into one even colour at its edges."""

import math

from canvas import Canvas, mix
from glyphs import text_strokes

WIDTH, HEIGHT = 300, 45
EDGE = (10, 6, 32)
GLOW = (44, 0, 76)
OUTLINE = (16, 52, 16)
GREEN = (96, 196, 64)
LIGHT_GREEN = (150, 226, 96)


def edge_fade(x, y, margin=28.0):
    return max(0.0, min(1.0, x / margin, (WIDTH - x) / margin, y / 6.0, (HEIGHT - y) / 6.0))


def background(x, y):
    return mix(EDGE, GLOW, (1.0 - abs(y - HEIGHT / 2) / (HEIGHT / 2)) * edge_fade(x, y))


def frog_peeking(c, cx):
    c.ellipse(cx, 46, 25, 15, OUTLINE)
    c.ellipse(cx, 46, 23, 13, lambda x, y: mix(LIGHT_GREEN, GREEN, (y - 33) / 10.0))
    for ex, look in ((cx - 10, 2.0), (cx + 10, -1.0)):
        c.circle(ex, 30, 7.5, OUTLINE)
        c.circle(ex, 30, 6.2, GREEN)
        c.circle(ex, 30.5, 4.6, (250, 250, 244))
        c.circle(ex + look, 31.5, 2.3, (20, 16, 24))
        # Heavy lids: it has had a drop too many.
        c.paint((ex - 7, 23, ex + 7, 30), lambda x, y, ex=ex: y < 29.0 and
                (x - ex) ** 2 + (y - 30.5) ** 2 <= 4.9 ** 2, GREEN)
        c.stroke([(ex - 4.6, 29.0), (ex + 4.6, 29.0)], 1.3, OUTLINE)
    c.ellipse(cx - 17, 40, 4, 2.5, (246, 96, 110), alpha=0.6)
    c.ellipse(cx + 17, 40, 4, 2.5, (246, 96, 110), alpha=0.6)


def draw():
    c = Canvas(WIDTH, HEIGHT, EDGE, supersample=3)
    c.fill(background)
    for k, colour in enumerate([(128, 0, 255), (96, 0, 190), (64, 0, 128)]):
        points = [(x, 22 + 8 * math.sin(x / 22.0 + k * 1.1) + (k - 1) * 4)
                  for x in range(-4, WIDTH + 5, 3)]
        c.stroke(points, 4.0 - k, lambda x, y, colour=colour:
                 mix(background(x, y), colour, edge_fade(x, y)))
    c.save()
    c.translate(0, -3)
    frog_peeking(c, 205)
    c.restore()
    lines, _ = text_strokes("hic!", 232, 7, 14, slant=0.15)
    for line in lines:
        c.stroke(line, 4.2, (20, 10, 40))
    for line in lines:
        c.stroke(line, 2.2, (255, 250, 200))
    for x, y, r in ((226, 20, 1.6), (230, 15, 2.2)):
        c.circle(x, y, r + 0.9, (170, 220, 255))
        c.circle(x, y, r, mix(EDGE, GLOW, 0.8))
    return c.pixels()
