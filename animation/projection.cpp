// The tilted view: the flat picture laid back about its horizontal centre line and seen
// from 20 degrees above it, in a central perspective. The steps and their order decide
// the rounding, and so which pixels are lit:
//   e = (H * 2.567) - (y * 0.9397)
//   a = (W * H) * 0.75
//   b = (x * H) * 1.5
//   x' = cx - ((a - b) * 2) / e
//   c = (H * 0.2565) - (y * 0.513)
//   y' = (0.25 - (c * 2.25) / e) * H
// The terms of W and H alone are formed once (TiltedViewOf), the rest per point
// (ProjectInView).
#include "projection.h"

#include "figures.h"

TiltedView TiltedViewOf(int32_t width, int32_t height) {
    const double w = static_cast<double>(width);
    const double h = static_cast<double>(height);
    TiltedView view;
    view.h = h;
    view.cx = static_cast<double>(width / 2);
    view.depth = h * 2.567;
    view.across = (w * h) * 0.75;
    view.rise = h * 0.2565;
    return view;
}

ProjectedPoint ProjectTilted(const FigureState &f, double x, double y) {
    return ProjectInView(TiltedViewOf(f.width, f.height), x, y);
}
