// The tilted view: the flat picture laid back about its horizontal centre line and seen
// from 20 degrees above it, in a central perspective. The steps and their order decide
// the rounding, and so which pixels are lit.
#include "projection.h"

#include "figures.h"

ProjectedPoint ProjectTilted(double x, double y) {
    const double w = static_cast<double>(figureState.width);
    const double h = static_cast<double>(figureState.height);
    const double cx = static_cast<double>(figureState.width / 2);
    const double e = (h * 2.567) - (y * 0.9397); // the common denominator
    const double a = (w * h) * 0.75;
    const double b = (x * h) * 1.5;
    ProjectedPoint p;
    p.x = cx - ((a - b) * 2.0) / e;
    const double c = (h * 0.2565) - (y * 0.513);
    p.y = (0.25 - (c * 2.25) / e) * h;
    return p;
}
