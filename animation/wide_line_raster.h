// Solid lines three pixels wide with round ends, drawn as the X11 protocol defines a wide
// line with CapRound: the pixels whose centres lie inside the shape swept by the line's
// width, each end adding a circle of the width's diameter. Pixel (x, y) has its centre at
// (x, y). With integer ends no centre lies on that shape's edge, so plain integer
// arithmetic decides every pixel exactly: a centre is inside when it lies closer than 1.5
// to the line's segment. No smoothing, no blending.
#pragma once

#include "pixel_buffer.h"

#include <cstdint>

enum { WIDE_LINE_WIDTH = 3 };

// Draws the line from (x1, y1) to (x2, y2) in `pixel`, cut to the buffer, and returns the
// bounding box of the pixels it set (empty: right <= left). The ends may lie up to 32768
// pixels outside the buffer.
ClientRect DrawWideLine(PixelBuffer &buffer, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        uint32_t pixel);
