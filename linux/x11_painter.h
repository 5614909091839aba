// The animation's drawing seam on X11: pens are GCs, and every batch of lines goes to the
// window and to the backing pixmap that repairs exposed parts of it.
#pragma once

#include "drawing_context.h"
#include "repeated_line.h"
#include "target_window.h"

#include <X11/Xlib.h>

#include <unordered_map>
#include <vector>

struct X11Painter {
    Display *display;
    TargetWindow *target;
    Pixmap backing; // the window's picture, None until the first resize
    GC copyGc;      // copies the backing pixmap back, and clears
    GC selected;    // the pen the last selectPen chose (null: none yet)
    LastLine last;
    std::vector<XSegment> segments;
    std::unordered_map<uint32_t, unsigned long> pixels; // 0x00BBGGRR -> pixel value
};

void OpenPainter(X11Painter &painter, Display *display, TargetWindow &target);
// Frees the selected pen, the copy GC and the backing pixmap.
void ClosePainter(X11Painter &painter);

// The window's pixel value for a colour reference 0x00BBGGRR, allocated once per colour
// in the window's colormap (black when the colormap is full).
unsigned long PixelOf(X11Painter &painter, uint32_t colour);

DrawingContext X11DrawingContext(X11Painter &painter);
