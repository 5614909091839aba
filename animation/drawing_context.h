// The narrow seam through which the animation draws: GDI in the saver, a recorder in the
// tests and in sinuet-trace.
#pragma once

#include <cstdint>

typedef uintptr_t PenHandle;

// A line from (x1, y1) to (x2, y2).
struct LineSegment {
    int32_t x1, y1, x2, y2;
};

struct DrawingContext {
    void *target; // the HDC, or the recorder
    PenHandle (*createPen)(void *target, int32_t width, uint32_t colour); // solid pen
    PenHandle (*selectPen)(void *target, PenHandle pen); // returns the displaced pen
    void (*deletePen)(void *target, PenHandle pen);
    // Draws the lines in order with the selected pen, each as a move to its start and a
    // line to its end; count is at least 1.
    void (*drawLines)(void *target, const LineSegment *lines, int32_t count);
};
