// The tilted "3D" view: a central perspective of the flat picture laid down as a floor.
#pragma once

#include <cstdint>

struct FigureState;

struct ProjectedPoint {
    double x;
    double y;
};

// The projection's terms that depend on the window size alone, formed once for many
// points: the same doubles the projection's steps would form for each point.
struct TiltedView {
    double h;      // height
    double cx;     // width / 2, the integer division
    double depth;  // h * 2.567, the denominator's distance term
    double across; // (w * h) * 0.75, the horizontal centring term
    double rise;   // h * 0.2565, the vertical centring term
};

TiltedView TiltedViewOf(int32_t width, int32_t height);

// The projection of one point with the terms given; the denominator serves both
// coordinates. Each operation is rounded in the order of the projection's steps.
inline ProjectedPoint ProjectInView(const TiltedView &view, double x, double y) {
    const double e = view.depth - (y * 0.9397); // the common denominator
    const double b = (x * view.h) * 1.5;
    ProjectedPoint p;
    p.x = view.cx - ((view.across - b) * 2.0) / e;
    const double c = view.rise - (y * 0.513);
    p.y = (0.25 - (c * 2.25) / e) * view.h;
    return p;
}

// The projection in the record's window (its width and height).
ProjectedPoint ProjectTilted(const FigureState &f, double x, double y);
