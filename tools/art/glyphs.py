"""A small stroke font: each glyph is a list of polylines in a box one unit high
(baseline at y = 1, x-height at y = 0.42, cap height at y = 0), with its advance."""

from canvas import arc_points

XH = 0.42  # top of the lower-case letters


def _S():
    upper = arc_points(0.30, 0.25, 0.24, 0.23, 25, 270, 20)
    lower = arc_points(0.30, 0.73, 0.26, 0.25, 90, -155, 20)
    return [upper + lower[1:]], 0.62


def _i():
    return [[(0.08, XH + 0.02), (0.08, 1.0)], [(0.08, 0.20), (0.08, 0.20)]], 0.18


def _n():
    r = 0.17
    arch = arc_points(0.08 + r, XH + r, r, r, 180, 0, 12)
    return [[(0.08, XH), (0.08, 1.0)], arch + [(0.08 + 2 * r, 1.0)]], 0.52


def _u():
    r = 0.17
    bowl = arc_points(0.08 + r, 1.0 - r, r, r, 180, 360, 12)
    return [[(0.08, XH)] + bowl, [(0.08 + 2 * r, XH), (0.08 + 2 * r, 1.0)]], 0.52


def _e():
    cx, cy, r = 0.27, XH + 0.29, 0.23
    ring = arc_points(cx, cy, r, 0.29, 0, 305, 24)
    return [[(cx - r, cy), (cx + r, cy)] + ring], 0.56


def _t():
    hook = arc_points(0.32, 0.86, 0.14, 0.14, 180, 290, 8)
    return [[(0.18, 0.10)] + hook, [(0.02, XH), (0.40, XH)]], 0.46


def _h():
    r = 0.17
    arch = arc_points(0.08 + r, XH + r, r, r, 180, 0, 12)
    return [[(0.08, 0.0), (0.08, 1.0)], arch + [(0.08 + 2 * r, 1.0)]], 0.52


def _c():
    return [arc_points(0.27, XH + 0.29, 0.22, 0.29, 50, 310, 22)], 0.50


def _bang():
    return [[(0.08, 0.0), (0.08, 0.68)], [(0.08, 0.98), (0.08, 0.98)]], 0.18


GLYPHS = {"S": _S(), "i": _i(), "n": _n(), "u": _u(), "e": _e(), "t": _t(), "h": _h(),
          "c": _c(), "!": _bang()}


def text_strokes(text, x, y, size, slant=0.0, spacing=0.12):
    """Polylines for `text` with its top-left corner at (x, y) and `size` units high;
    `slant` leans the letters to the right (italic). Returns (polylines, width)."""
    lines = []
    pen = 0.0
    for ch in text:
        strokes, advance = GLYPHS[ch]
        for stroke in strokes:
            lines.append([(x + (pen + px + slant * (1.0 - py)) * size, y + py * size)
                          for px, py in stroke])
        pen += advance + spacing
    return lines, (pen - spacing) * size


def text_width(text, size, spacing=0.12):
    return (sum(GLYPHS[ch][1] for ch in text) + spacing * (len(text) - 1)) * size
