// The page's picture in the module's memory: each tick's draw list is drawn into an RGBA
// buffer of the canvas's size, with the X11 protocol's wide lines, and the rectangles it
// changed are handed to the script packed one after the other, for the canvas.
#pragma once

#include "changed_areas.h"
#include "pixel_buffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct PagePicture {
    PixelBuffer buffer;
    ChangedAreas changed;          // drawn since the script last took them
    std::vector<int32_t> rects;    // taken: x y width height per rectangle
    std::vector<uint32_t> packed;  // taken: their pixels, rectangle after rectangle, row by row
    std::vector<uint32_t> frog;    // the frog picture's pixels
    int32_t frogWidth, frogHeight; // 0 x 0: no frog
};

// A black picture of the given size with nothing changed.
void ResetPagePicture(PagePicture &picture, int32_t width, int32_t height);

// Draws a draw list (web_painter.h) into the picture.
void PaintDrawList(PagePicture &picture, const int32_t *list, size_t length);

// Moves the changed rectangles, with their pixels, into rects and packed. Returns their count.
int32_t TakeChangedRects(PagePicture &picture);
