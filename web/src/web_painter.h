// The page's drawing seam: each tick's pens and lines become a list of 32-bit words that
// the page's script draws on its canvas.
#pragma once

#include "drawing_context.h"
#include "repeated_line.h"

#include <cstdint>
#include <vector>

// The draw list: a run of lines in one colour, or the frog picture. Coordinates are
// pixels of the canvas, the lines already cut to it.
enum DrawListWord {
    LIST_RUN = 1,  // colour 0x00BBGGRR, line count n, then n times x1 y1 x2 y2
    LIST_FROG = 2, // x y: the picture's top-left corner
};

// Pens live at most three creations long (the erasing pen until the next figure's band pen
// displaces it), so a ring of this many colours, indexed by the pen's id, holds every live
// pen.
enum { PEN_RING = 4 };

struct WebPainter {
    int32_t width, height; // the canvas
    PenHandle nextPen;     // the id the next pen gets; never 0
    PenHandle penIds[PEN_RING];
    uint32_t penColours[PEN_RING];
    PenHandle selected; // 0: the stock pen; lines are drawn only with a pen that exists
    uint32_t selectedColour;
    LastLine last;
    size_t openRun; // index of the open run's count word in list, or 0 for none
    std::vector<int32_t> list;
};

// A painter for a canvas of the given size with no pen but the stock pen selected.
void ResetWebPainter(WebPainter &painter, int32_t width, int32_t height);

// A new size: lines are cut to it, and the canvas, cleared, holds no line drawn before.
void ResizeWebPainter(WebPainter &painter, int32_t width, int32_t height);

// Empties the draw list for the next tick.
void StartDrawList(WebPainter &painter);

// The frog picture's corner into the draw list.
void AddFrog(WebPainter &painter, int32_t x, int32_t y);

DrawingContext WebDrawingContext(WebPainter &painter);
