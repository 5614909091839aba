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

// The context draws on target, which must outlive it.
DrawingContext GdiDrawingContext(GdiTarget &target);
