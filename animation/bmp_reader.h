// A small reader for the uncompressed Windows bitmaps the program embeds (the frog picture):
// 8-bit paletted or 24-bit, bottom-up or top-down rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbImage {
    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, rows from the top
};

// False for anything else, or when the file is shorter than its header says.
bool ReadBmp(const unsigned char *data, size_t size, RgbImage &image);
