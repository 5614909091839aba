"""Bitmap 112, the dialog's bottom strip, 300 x 45: swinging waves and a peeking frog."""

import math

from canvas import Canvas, mix

WIDTH, HEIGHT = 300, 45


def draw():
    c = Canvas(WIDTH, HEIGHT, (0, 0, 0), supersample=3)
    c.fill(lambda x, y: mix((34, 0, 56), (8, 6, 30), y / HEIGHT))
    for k, colour in enumerate([(128, 0, 255), (96, 0, 190), (64, 0, 128)]):
        points = [(x, 22 + 9 * math.sin(x / 22.0 + k * 1.1) + (k - 1) * 5)
                  for x in range(-4, WIDTH + 5, 3)]
        c.stroke(points, 4.0 - k, colour)
    # A little frog peeks up at the right.
    c.ellipse(244, 44, 24, 14, (16, 52, 16))
    c.ellipse(244, 44, 22, 12, (96, 196, 64))
    for ex in (234, 254):
        c.circle(ex, 33, 7.5, (16, 52, 16))
        c.circle(ex, 33, 6.2, (96, 196, 64))
        c.circle(ex, 33, 4.4, (250, 250, 244))
        c.circle(ex + 1, 34, 2.2, (20, 16, 24))
    return c.pixels()
