// A rectangle of pixels: a picture's area on its window, a monitor, a changed part of a
// picture. Left and top are the first pixels inside, right and bottom the first ones past it.
#pragma once

#include <algorithm>
#include <cstdint>

struct ClientRect {
    int32_t left, top, right, bottom;
};

inline bool IsEmptyArea(const ClientRect &area) {
    return area.right <= area.left || area.bottom <= area.top;
}

inline ClientRect CommonArea(const ClientRect &a, const ClientRect &b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The smallest area holding both.
inline ClientRect BoundingArea(const ClientRect &a, const ClientRect &b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}
