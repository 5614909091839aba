// The animation's drawing seam on X11: pens are GCs, and every batch of lines goes into the
// pixmap of the picture being drawn; the window receives copies of the changed parts.
#pragma once

#include "drawing_context.h"
#include "changed_areas.h"
#include "repeated_line.h"
#include "target_window.h"

#include <X11/Xlib.h>

#include <unordered_map>
#include <vector>

// One picture on the window: where it lies, the pixmap it is drawn in (the picture
// itself, which also repairs what an Expose uncovers), and what of it was drawn since
// the window last received it.
struct PictureSurface {
    ClientRect place;     // in window coordinates
    Pixmap pixmap;        // None until made
    ChangedAreas changed; // in the picture's own coordinates
};

struct X11Painter {
    Display *display;
    TargetWindow *target;
    PictureSurface *surface; // where lines and pictures go now (null: nowhere)
    GC copyGc;               // copies pixmaps to the window, and clears
    GC selected;             // the pen the last selectPen chose (null: none yet)
    int32_t reach;           // how far the selected pen lights pixels beyond a line's ends
    LastLine last;
    std::vector<XSegment> segments;
    std::unordered_map<uint32_t, unsigned long> pixels; // 0x00BBGGRR -> pixel value
};

void OpenPainter(X11Painter &painter, Display *display, TargetWindow &target);
// Frees the selected pen and the copy GC.
void ClosePainter(X11Painter &painter);

// The surface that the lines and pictures drawn next go to.
void PaintOn(X11Painter &painter, PictureSurface &surface);

// The picture's size as a rectangle at (0, 0).
ClientRect SurfaceBounds(const PictureSurface &surface);

// The window's pixel value for a colour reference 0x00BBGGRR, allocated once per colour
// in the window's colormap (black when the colormap is full).
unsigned long PixelOf(X11Painter &painter, uint32_t colour);

DrawingContext X11DrawingContext(X11Painter &painter);
