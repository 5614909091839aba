// The animation's drawing seam backed by a GDI device context.
#pragma once

#include "drawing_context.h"
#include "repeated_line.h"

#include <windows.h>

// What the context draws on: the device context, the line drawn last with the selected
// pen, so that an exact repeat of it is skipped (a solid pen drawing the same line again
// changes no pixel), and where the drawing's (0, 0) lies on the device context. Start one
// with last.known 0 whenever the surface may have been drawn on by other means.
struct GdiTarget {
    HDC dc;
    LastLine last;
    int32_t originX, originY;
};

// value + offset, clamped to the 32-bit range: a line's end moved to its place on the device
// context, where a clamped far end must stay far instead of wrapping around.
int32_t ShiftedCoordinate(int32_t value, int32_t offset);

// The context draws on target, which must outlive it.
DrawingContext GdiDrawingContext(GdiTarget &target);
