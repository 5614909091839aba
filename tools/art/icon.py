"""Icon 1 of group 100, 32 x 32 with 16 colours: a frog face inside a swinging band."""

import math

from canvas import Canvas

SIZE = 32


def draw():
    c = Canvas(SIZE, SIZE, (0, 0, 0), supersample=4)
    c.ring_arc(16, 16, 12.5, 15.8, math.radians(200), math.radians(200) + 2.4 * 1.6,
               (128, 0, 255))
    c.ellipse(16, 19, 12, 8, (16, 52, 16))
    c.ellipse(16, 19, 10.8, 6.8, (96, 196, 64))
    for ex in (10, 22):
        c.circle(ex, 11.5, 5.2, (16, 52, 16))
        c.circle(ex, 11.5, 4.1, (96, 196, 64))
        c.circle(ex, 11.5, 2.9, (255, 255, 255))
        c.circle(ex + 0.6, 12.2, 1.4, (0, 0, 0))
    c.stroke([(10, 20), (13, 23), (19, 23), (22, 20)], 1.3, (16, 52, 16))
    return c.pixels()
