// Decoding BITMAPFILEHEADER + BITMAPINFOHEADER files without compression.
#include "bmp_reader.h"

namespace {
uint32_t U16(const unsigned char *p) {
    return static_cast<uint32_t>(p[0] | p[1] << 8);
}
uint32_t U32(const unsigned char *p) {
    return U16(p) | U16(p + 2) << 16;
}
uint32_t Rgb(const unsigned char *bgr) {
    return static_cast<uint32_t>(bgr[2]) << 16 | static_cast<uint32_t>(bgr[1]) << 8 | bgr[0];
}
} // namespace

bool ReadBmp(const unsigned char *data, size_t size, RgbImage &image) {
    if (size < 54 || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    const uint32_t bitsOffset = U32(data + 10);
    const uint32_t headerSize = U32(data + 14);
    const int32_t width = static_cast<int32_t>(U32(data + 18));
    const int32_t rawHeight = static_cast<int32_t>(U32(data + 22));
    const uint32_t bitCount = U16(data + 28);
    const uint32_t compression = U32(data + 30);
    uint32_t paletteSize = U32(data + 46);
    if (headerSize < 40 || compression != 0 || (bitCount != 8 && bitCount != 24) || width <= 0 ||
        width > 16384 || rawHeight == 0 || rawHeight < -16384 || rawHeight > 16384) {
        return false;
    }
    const bool bottomUp = rawHeight > 0;
    const int32_t height = bottomUp ? rawHeight : -rawHeight;
    const size_t stride = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
    if (bitsOffset > size || (size - bitsOffset) / stride < static_cast<size_t>(height)) {
        return false;
    }
    const size_t paletteStart = 14 + static_cast<size_t>(headerSize);
    if (bitCount == 8) {
        paletteSize = paletteSize == 0 ? 256 : paletteSize;
        if (paletteSize > 256 || paletteStart + 4 * paletteSize > bitsOffset) {
            return false;
        }
    }
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (int32_t y = 0; y < height; ++y) {
        const int32_t fileRow = bottomUp ? height - 1 - y : y;
        const unsigned char *row = data + bitsOffset + static_cast<size_t>(fileRow) * stride;
        uint32_t *out = &image.pixels[static_cast<size_t>(y) * static_cast<size_t>(width)];
        for (int32_t x = 0; x < width; ++x) {
            if (bitCount == 24) {
                out[x] = Rgb(row + 3 * x);
            } else {
                // An index beyond the palette reads as black.
                const uint32_t index = row[x];
                out[x] = index < paletteSize ? Rgb(data + paletteStart + 4 * index) : 0;
            }
        }
    }
    return true;
}
