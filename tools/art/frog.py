"""IDB_FROG: a friendly, slightly drunken frog on the black screen, 188 x 149."""

import math

from canvas import Canvas, arc_points, mix

WIDTH, HEIGHT = 188, 149

GREEN = (96, 196, 64)
LIGHT_GREEN = (150, 226, 96)
DARK_GREEN = (38, 110, 34)
OUTLINE = (16, 52, 16)
BELLY = (222, 236, 150)
WHITE = (250, 250, 244)
PUPIL = (20, 16, 24)
BLUSH = (246, 96, 110)
TONGUE = (232, 84, 110)
MOUTH = (70, 20, 30)


def skin(top, bottom):
    """Green lit from above: lighter at the top of a shape, darker at its bottom."""
    return lambda x, y: mix(LIGHT_GREEN, DARK_GREEN, min(1.0, max(0.0, (y - top) / (bottom - top))))


def outlined_ellipse(c, cx, cy, rx, ry, colour, angle=0.0, line=2.2):
    c.ellipse(cx, cy, rx + line, ry + line, OUTLINE, angle)
    c.ellipse(cx, cy, rx, ry, colour, angle)


def leg(c, side):
    """A folded back leg with its three-toed foot, on the left (-1) or right (+1)."""
    thigh_x = 94 + side * 44
    outlined_ellipse(c, thigh_x, 112, 24, 17, skin(96, 130), angle=side * 25)
    toes = [(thigh_x + side * 6 + side * dx, 132 + dy) for dx, dy in ((-16, 2), (-4, 6), (9, 4))]
    for tx, ty in toes:
        c.stroke([(thigh_x - side * 4, 126), (tx, ty)], 7.5, OUTLINE)
    for tx, ty in toes:
        c.stroke([(thigh_x - side * 4, 126), (tx, ty)], 4.0, GREEN)
        c.circle(tx, ty, 4.6, OUTLINE)
        c.circle(tx, ty, 3.0, LIGHT_GREEN)


def arm(c, side):
    shoulder = (94 + side * 30, 96)
    hand = (94 + side * 17, 130)
    c.stroke([shoulder, (94 + side * 26, 116), hand], 13, OUTLINE)
    c.stroke([shoulder, (94 + side * 26, 116), hand], 9, GREEN)
    for dx in (-6, 0, 6):
        tip = (hand[0] + dx + side * 2, hand[1] + 6)
        c.stroke([hand, tip], 6.5, OUTLINE)
    for dx in (-6, 0, 6):
        tip = (hand[0] + dx + side * 2, hand[1] + 6)
        c.stroke([hand, tip], 3.2, GREEN)
        c.circle(tip[0], tip[1], 3.8, OUTLINE)
        c.circle(tip[0], tip[1], 2.4, LIGHT_GREEN)


def eye(c, cx, cy, look, lid):
    """An eye on its bulge: `look` is where the pupil points (dx, dy), `lid` how far the
    heavy upper lid hangs down (0 open .. 1 shut)."""
    outlined_ellipse(c, cx, cy, 19, 18, skin(cy - 18, cy + 18))
    c.circle(cx, cy + 1, 13.5, OUTLINE)
    c.circle(cx, cy + 1, 12.2, WHITE)
    px, py = cx + look[0], cy + 1 + look[1]
    c.circle(px, py, 6.4, PUPIL)
    c.circle(px - 2.2, py - 2.4, 2.0, WHITE)
    cut = cy + 1 - 12.2 + lid * 24.4
    c.paint((cx - 14, cy - 14, cx + 14, cut + 1),
            lambda x, y: y <= cut and (x - cx) ** 2 + (y - cy - 1) ** 2 <= 13.5 ** 2,
            skin(cy - 14, cut + 4))
    edge = [(x, cut + 0.6 * math.sin((x - cx) / 12.0)) for x in
            [cx - 13 + k * 26 / 12.0 for k in range(13)]
            if (x - cx) ** 2 + (cut - cy - 1) ** 2 <= 13.6 ** 2]
    if len(edge) > 1:
        c.stroke(edge, 2.4, OUTLINE)


def head(c):
    outlined_ellipse(c, 94, 64, 58, 33, skin(30, 100))
    c.ellipse(94, 72, 40, 18, mix(GREEN, LIGHT_GREEN, 0.25), alpha=0.35)
    # Nostrils and rosy cheeks.
    c.ellipse(86, 56, 2.0, 1.4, OUTLINE)
    c.ellipse(102, 56, 2.0, 1.4, OUTLINE)
    c.ellipse(52, 72, 11, 7, BLUSH, alpha=0.55)
    c.ellipse(136, 72, 11, 7, BLUSH, alpha=0.55)
    # A wide, lopsided grin with the tongue peeking out at one corner.
    grin = arc_points(94, 58, 42, 24, 200, 345, 30)
    c.stroke(grin, 3.2, MOUTH)
    c.ellipse(118, 82, 6.5, 5.5, OUTLINE, angle=20)
    c.ellipse(118, 82, 5.0, 4.2, TONGUE, angle=20)
    c.stroke(grin[20:], 3.2, MOUTH)


def bubbles(c):
    """Hiccup bubbles rising from the grin."""
    for x, y, r in ((150, 40, 3.0), (158, 27, 4.2), (168, 12, 5.5)):
        c.circle(x, y, r + 1.2, (170, 220, 255))
        c.circle(x, y, r, (0, 0, 0))
        c.circle(x - r * 0.35, y - r * 0.35, r * 0.3, (230, 245, 255))


def draw():
    c = Canvas(WIDTH, HEIGHT, (0, 0, 0))
    c.save()
    # The whole frog leans a little: it has had a drop too many.
    c.translate(94, 80)
    c.rotate(-7)
    c.translate(-94, -80)
    leg(c, -1)
    leg(c, +1)
    outlined_ellipse(c, 94, 102, 40, 32, skin(80, 134))
    c.ellipse(94, 110, 26, 20, BELLY)
    arm(c, -1)
    arm(c, +1)
    head(c)
    eye(c, 66, 36, look=(4, 3), lid=0.42)
    eye(c, 122, 33, look=(-3, 4), lid=0.30)
    c.restore()
    bubbles(c)
    return c.pixels()
