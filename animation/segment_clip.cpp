// Cutting a line to a rectangle (Liang-Barsky) before narrowing it to 16 bits.
#include "segment_clip.h"

#include <cmath>

namespace {
// Narrows the cut line's parameter to [t0, t1] for one edge: p * t <= q.
bool ClipEdge(double p, double q, double &t0, double &t1) {
    if (p == 0.0) {
        return q >= 0.0;
    }
    const double t = q / p;
    if (p < 0.0) {
        if (t > t1) {
            return false;
        }
        if (t > t0) {
            t0 = t;
        }
    } else {
        if (t < t0) {
            return false;
        }
        if (t < t1) {
            t1 = t;
        }
    }
    return true;
}

int16_t Narrow(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0) {
        return -32768;
    }
    if (rounded > 32767.0) {
        return 32767;
    }
    return static_cast<int16_t>(rounded);
}
} // namespace

bool ClipSegment(const LineSegment &line, int32_t width, int32_t height, ShortSegment &out) {
    // Every int32 is exact in a double, and so are the differences of two of them.
    const double x1 = line.x1, y1 = line.y1;
    const double dx = static_cast<double>(line.x2) - x1;
    const double dy = static_cast<double>(line.y2) - y1;
    const double left = -CLIP_MARGIN, top = -CLIP_MARGIN;
    const double right = static_cast<double>(width) - 1 + CLIP_MARGIN;
    const double bottom = static_cast<double>(height) - 1 + CLIP_MARGIN;
    // Most lines lie wholly inside: they need no cut and keep their ends.
    const double x2 = line.x2, y2 = line.y2;
    if (x1 >= left && x2 >= left && x1 <= right && x2 <= right && y1 >= top && y2 >= top &&
        y1 <= bottom && y2 <= bottom) {
        out = {Narrow(x1), Narrow(y1), Narrow(x2), Narrow(y2)};
        return true;
    }
    double t0 = 0.0, t1 = 1.0;
    if (!ClipEdge(-dx, x1 - left, t0, t1) || !ClipEdge(dx, right - x1, t0, t1) ||
        !ClipEdge(-dy, y1 - top, t0, t1) || !ClipEdge(dy, bottom - y1, t0, t1)) {
        return false;
    }
    // The ends that need no cut stay exactly as given.
    out.x1 = Narrow(t0 == 0.0 ? x1 : x1 + t0 * dx);
    out.y1 = Narrow(t0 == 0.0 ? y1 : y1 + t0 * dy);
    out.x2 = Narrow(t1 == 1.0 ? static_cast<double>(line.x2) : x1 + t1 * dx);
    out.y2 = Narrow(t1 == 1.0 ? static_cast<double>(line.y2) : y1 + t1 * dy);
    return true;
}
