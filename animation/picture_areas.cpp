// Monitor rectangles into picture areas of the saver window's client area.
#include "picture_areas.h"

#include <algorithm>

namespace {
int32_t Clamped(int64_t value, int64_t low, int64_t high) {
    return static_cast<int32_t>(std::min(std::max(value, low), high));
}

// The monitor moved into client coordinates and cut to the client area; its right or bottom
// edge does not lie beyond its left or top edge when nothing is left of it.
ClientRect CutToClient(const ClientRect &monitor, int32_t originX, int32_t originY, int32_t width,
                       int32_t height) {
    ClientRect area;
    area.left = Clamped(static_cast<int64_t>(monitor.left) - originX, 0, width);
    area.top = Clamped(static_cast<int64_t>(monitor.top) - originY, 0, height);
    area.right = Clamped(static_cast<int64_t>(monitor.right) - originX, area.left, width);
    area.bottom = Clamped(static_cast<int64_t>(monitor.bottom) - originY, area.top, height);
    return area;
}

bool Within(const ClientRect &inner, const ClientRect &outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

int32_t PictureAreas(const ClientRect *monitors, int32_t monitorCount, int32_t originX,
                     int32_t originY, int32_t width, int32_t height, ClientRect *areas) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    int32_t count = 0;
    for (int32_t n = 0; n < monitorCount && count < MAX_PICTURES; ++n) {
        const ClientRect area = CutToClient(monitors[n], originX, originY, width, height);
        bool covered = IsEmptyArea(area);
        for (int32_t other = 0; other < monitorCount && !covered; ++other) {
            const ClientRect wider = CutToClient(monitors[other], originX, originY, width, height);
            const bool equal = Within(wider, area) && Within(area, wider);
            covered = other != n && Within(area, wider) && (!equal || other < n);
        }
        if (!covered)
            areas[count++] = area;
    }
    if (count == 0)
        areas[count++] = {0, 0, width, height};
    return count;
}
