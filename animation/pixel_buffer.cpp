#include "pixel_buffer.h"

#include <algorithm>
#include <cstddef>

void ResetPixelBuffer(PixelBuffer &buffer, int32_t width, int32_t height, uint32_t pixel) {
    if (width < 1 || height < 1) {
        width = 0;
        height = 0;
    }
    buffer.width = width;
    buffer.height = height;
    buffer.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), pixel);
}

ClientRect PutPicture(PixelBuffer &buffer, const uint32_t *picture, int32_t width, int32_t height,
                      int32_t x, int32_t y) {
    const ClientRect cut = {
        std::max(x, 0), std::max(y, 0),
        static_cast<int32_t>(std::min<int64_t>(int64_t{x} + width, buffer.width)),
        static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, buffer.height))};
    if (cut.right <= cut.left || cut.bottom <= cut.top) {
        return {0, 0, 0, 0};
    }
    for (int32_t row = cut.top; row < cut.bottom; ++row) {
        const uint32_t *from =
            picture + static_cast<size_t>(row - y) * static_cast<size_t>(width) + (cut.left - x);
        std::copy(from, from + (cut.right - cut.left),
                  buffer.pixels.begin() + static_cast<ptrdiff_t>(row) * buffer.width + cut.left);
    }
    return cut;
}
