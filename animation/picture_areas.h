// Where the pictures of a full-screen window go: one per monitor, each in the part of the
// window's client area that its monitor shows. The Windows saver and the Linux hack on a
// bare root window share it.
#pragma once

#include "figures.h"

#include <cstdint>

enum { MAX_PICTURES = 16 };

// The picture areas, in client coordinates, of a client area of the given size whose
// top-left corner lies at (originX, originY) in the coordinates of the monitor rectangles:
// each monitor's rectangle moved into client coordinates and cut to the client area, in
// the order given. A monitor outside the client area, or one whose area lies within
// another's (a mirrored display; of equal ones the first stays), gets no area, and at most
// MAX_PICTURES are listed.
// Without any area the whole client area is the one area. Writes the areas to `areas`,
// which holds MAX_PICTURES, and returns their number, at least 1.
int32_t PictureAreas(const ClientRect *monitors, int32_t monitorCount, int32_t originX,
                     int32_t originY, int32_t width, int32_t height, ClientRect *areas);
