// Narrowing lines to X11's 16-bit segment coordinates. An end of a line may lie millions
// of pixels away (the tilted view's outer points), so the line is first cut to the window
// with a small margin: the part drawn keeps its direction, where plain narrowing would
// wrap or clamp each coordinate and bend it.
#pragma once

#include "drawing_context.h"

#include <cstdint>

struct ShortSegment {
    int16_t x1, y1, x2, y2;
};

// Pixels beyond the window's edges that a cut line still reaches, so that the pen's round
// end never shows inside the window.
enum { CLIP_MARGIN = 4 };

// The part of `line` inside the window of the given size widened by CLIP_MARGIN, from the
// first end towards the second. False when no part of it lies there.
bool ClipSegment(const LineSegment &line, int32_t width, int32_t height, ShortSegment &out);
