// Writes an RGB picture as a PNG file (uncompressed deflate blocks), for screenshots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width * height pixels, rows from the top, three bytes each.
bool WritePng(const std::string &path, uint32_t width, uint32_t height,
              const std::vector<uint8_t> &rgb);
