// The narrow seam through which the animation draws: GDI in the saver, a recorder in the
// tests and in sinuet-trace.
#pragma once

#include <cstdint>

typedef uintptr_t PenHandle;

struct DrawingContext {
    void *target; // the HDC, or the recorder
    PenHandle (*createPen)(void *target, int32_t width, uint32_t colour); // solid pen
    PenHandle (*selectPen)(void *target, PenHandle pen); // returns the displaced pen
    void (*deletePen)(void *target, PenHandle pen);
    void (*moveTo)(void *target, int32_t x, int32_t y);
    void (*lineTo)(void *target, int32_t x, int32_t y);
};
