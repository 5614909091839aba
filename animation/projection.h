// The tilted "3D" view: a central perspective of the flat picture laid down as a floor.
#pragma once

#include "point_pair.h"

#include <cstdint>

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

// The tilted view's terms laid out by lane for ProjectPair, so that both coordinates go
// through the same steps:
//   x: ((across - (x * h) * 1.5) * 2.0) / e, subtracted from cx, times 1.0;
//   y: ((rise - (y * 1.0) * 0.513) * 2.25) / e, subtracted from 0.25, times h.
// A product with 1.0 is exact, so each lane gives the value of the projection's steps.
struct TiltedPairView {
    double depth;
    PointPair scale;  // [h, 1.0]
    PointPair slope;  // [1.5, 0.513]
    PointPair offset; // [across, rise]
    PointPair factor; // [2.0, 2.25]
    PointPair base;   // [cx, 0.25]
    PointPair finish; // [1.0, h]
};

TiltedPairView TiltedPairViewOf(const TiltedView &view);

// The projection of a point [x, y] as one vector: the x and y steps run side by side, and
// both divisions by the denominator are one instruction.
inline PointPair ProjectPair(const TiltedPairView &view, PointPair point) {
    const PointPair depth = view.depth - point * 0.9397; // lane 1: the denominator
    const PointPair e = __builtin_shufflevector(depth, depth, 1, 1);
    const PointPair quotient =
        ((view.offset - (point * view.scale) * view.slope) * view.factor) / e;
    return (view.base - quotient) * view.finish;
}

// The projection in the current window (figureState's width and height).
ProjectedPoint ProjectTilted(double x, double y);
