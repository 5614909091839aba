"""A tiny anti-aliased rasteriser: shapes in model coordinates, an affine transform,
supersampling, and a final box-filter down to the picture's size."""

import math


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0), supersample=4):
        self.width = width
        self.height = height
        self.s = supersample
        self.hw = width * supersample
        self.hh = height * supersample
        count = self.hw * self.hh
        self.r = [float(background[0])] * count
        self.g = [float(background[1])] * count
        self.b = [float(background[2])] * count
        self.a = [0.0] * count  # coverage, for pictures with a transparent mask
        self.matrix = (1.0, 0.0, 0.0, 1.0, 0.0, 0.0)
        self.stack = []

    # --- transform -------------------------------------------------------------------
    def save(self):
        self.stack.append(self.matrix)

    def restore(self):
        self.matrix = self.stack.pop()

    def _concat(self, m):
        a, b, c, d, e, f = self.matrix
        a2, b2, c2, d2, e2, f2 = m
        self.matrix = (a * a2 + c * b2, b * a2 + d * b2, a * c2 + c * d2, b * c2 + d * d2,
                       a * e2 + c * f2 + e, b * e2 + d * f2 + f)

    def translate(self, x, y):
        self._concat((1.0, 0.0, 0.0, 1.0, x, y))

    def rotate(self, degrees):
        t = math.radians(degrees)
        self._concat((math.cos(t), math.sin(t), -math.sin(t), math.cos(t), 0.0, 0.0))

    def scale(self, sx, sy=None):
        self._concat((sx, 0.0, 0.0, sx if sy is None else sy, 0.0, 0.0))

    def _to_pixel(self, x, y):
        a, b, c, d, e, f = self.matrix
        return a * x + c * y + e, b * x + d * y + f

    # --- the one painting loop ---------------------------------------------------------
    def paint(self, bbox, inside, color, alpha=1.0):
        """Paints every sample whose model point lies inside. bbox is the model-space
        bounding box (x0, y0, x1, y1); color is an (r, g, b) tuple or a function of the
        model point."""
        x0, y0, x1, y1 = bbox
        corners = [self._to_pixel(x, y) for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1))]
        s = self.s
        px0 = max(0, int(math.floor(min(p[0] for p in corners) * s)) - 1)
        px1 = min(self.hw, int(math.ceil(max(p[0] for p in corners) * s)) + 1)
        py0 = max(0, int(math.floor(min(p[1] for p in corners) * s)) - 1)
        py1 = min(self.hh, int(math.ceil(max(p[1] for p in corners) * s)) + 1)
        a, b, c, d, e, f = self.matrix
        det = a * d - b * c
        ia, ib, ic, id_ = d / det, -b / det, -c / det, a / det
        fixed = None if callable(color) else color
        R, G, B, A, hw = self.r, self.g, self.b, self.a, self.hw
        for sy in range(py0, py1):
            py = (sy + 0.5) / s - f
            for sx in range(px0, px1):
                px = (sx + 0.5) / s - e
                mx = ia * px + ic * py
                my = ib * px + id_ * py
                if not inside(mx, my):
                    continue
                col = fixed if fixed is not None else color(mx, my)
                i = sy * hw + sx
                if alpha >= 1.0:
                    R[i], G[i], B[i] = col
                    A[i] = 1.0
                else:
                    R[i] += (col[0] - R[i]) * alpha
                    G[i] += (col[1] - G[i]) * alpha
                    B[i] += (col[2] - B[i]) * alpha
                    A[i] = A[i] + (1.0 - A[i]) * alpha

    # --- shapes ------------------------------------------------------------------------
    def fill(self, color):
        self.paint((-1e4, -1e4, 1e4, 1e4), lambda x, y: True, color)

    def rect(self, x0, y0, x1, y1, color, alpha=1.0):
        self.paint((x0, y0, x1, y1), lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, color, alpha)

    def ellipse(self, cx, cy, rx, ry, color, angle=0.0, alpha=1.0):
        t = math.radians(angle)
        ct, st = math.cos(t), math.sin(t)
        r = max(rx, ry)

        def inside(x, y):
            dx, dy = x - cx, y - cy
            u = (dx * ct + dy * st) / rx
            v = (-dx * st + dy * ct) / ry
            return u * u + v * v <= 1.0

        self.paint((cx - r, cy - r, cx + r, cy + r), inside, color, alpha)

    def circle(self, cx, cy, radius, color, alpha=1.0):
        self.ellipse(cx, cy, radius, radius, color, 0.0, alpha)

    def polygon(self, points, color, alpha=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        n = len(points)

        def inside(x, y):
            hit = False
            j = n - 1
            for i in range(n):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit

        self.paint((min(xs), min(ys), max(xs), max(ys)), inside, color, alpha)

    def stroke(self, points, width, color, alpha=1.0):
        """A polyline of the given width with round ends and joints."""
        half = width / 2.0
        hh = half * half
        segments = list(zip(points, points[1:])) or [(points[0], points[0])]
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def inside(x, y):
            for (ax, ay), (bx, by) in segments:
                dx, dy = bx - ax, by - ay
                length2 = dx * dx + dy * dy
                t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
                qx, qy = ax + t * dx - x, ay + t * dy - y
                if qx * qx + qy * qy <= hh:
                    return True
            return False

        self.paint((min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half), inside, color,
                   alpha)

    def ring_arc(self, cx, cy, r_in, r_out, a0, a1, color, alpha=1.0):
        """Part of a ring between two radii, from angle a0 to a1 (radians, clockwise on
        screen, 0 pointing right)."""
        span = (a1 - a0) % (2 * math.pi)

        def inside(x, y):
            dx, dy = x - cx, y - cy
            d2 = dx * dx + dy * dy
            if d2 < r_in * r_in or d2 > r_out * r_out:
                return False
            return (math.atan2(dy, dx) - a0) % (2 * math.pi) <= span

        self.paint((cx - r_out, cy - r_out, cx + r_out, cy + r_out), inside, color, alpha)

    # --- result ------------------------------------------------------------------------
    def pixels(self):
        """The picture at its own size: rows top to bottom of (r, g, b, coverage)."""
        s, hw = self.s, self.hw
        n = float(s * s)
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r = g = b = a = 0.0
                for sy in range(y * s, y * s + s):
                    base = sy * hw + x * s
                    for i in range(base, base + s):
                        r += self.r[i]
                        g += self.g[i]
                        b += self.b[i]
                        a += self.a[i]
                row.append((int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5), a / n))
            rows.append(row)
        return rows


def arc_points(cx, cy, rx, ry, a0, a1, steps=24):
    """Points along an elliptic arc, angles in degrees measured upward from the right
    (screen y grows downward)."""
    out = []
    for k in range(steps + 1):
        t = math.radians(a0 + (a1 - a0) * k / steps)
        out.append((cx + rx * math.cos(t), cy - ry * math.sin(t)))
    return out


def mix(c1, c2, t):
    """The colour a fraction t (clamped to 0..1) of the way from c1 to c2."""
    t = min(1.0, max(0.0, t))
    return tuple(c1[i] + (c2[i] - c1[i]) * t for i in range(3))
