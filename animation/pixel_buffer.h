// A picture kept in memory: RGBA pixels, row by row, as a canvas takes them (the bytes R,
// G, B, A in this order on the little-endian hosts the page runs on).
#pragma once

#include "client_rect.h"

#include <cstdint>
#include <vector>

struct PixelBuffer {
    int32_t width, height;
    std::vector<uint32_t> pixels; // width * height, row by row from the top
};

// The opaque pixel for a colour reference 0x00BBGGRR.
inline uint32_t OpaquePixel(uint32_t colour) {
    return 0xFF000000u | (colour & 0xFFFFFFu);
}

// A buffer of the given size (0 x 0 for any size below 1), every pixel `pixel`.
void ResetPixelBuffer(PixelBuffer &buffer, int32_t width, int32_t height, uint32_t pixel);

// Copies a picture of width x height pixels with its corner at (x, y), as it is, cut to
// the buffer. Returns the part of the buffer it covers (empty: right <= left).
ClientRect PutPicture(PixelBuffer &buffer, const uint32_t *picture, int32_t width, int32_t height,
                      int32_t x, int32_t y);
