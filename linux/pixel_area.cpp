// Bounding boxes and their joining, in 64 bits where sizes are multiplied.
#include "pixel_area.h"

#include <algorithm>

namespace {
int64_t Size(const PixelArea &area) {
    return static_cast<int64_t>(area.right - area.left) * (area.bottom - area.top);
}

bool WorthJoining(const PixelArea &a, const PixelArea &b) {
    return Size(BoundingArea(a, b)) <= Size(a) + Size(b);
}
} // namespace

bool IsEmptyArea(const PixelArea &area) {
    return area.right <= area.left || area.bottom <= area.top;
}

PixelArea CommonArea(const PixelArea &a, const PixelArea &b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

void AddChangedArea(ChangedAreas &changed, PixelArea area, const PixelArea &bounds) {
    area = CommonArea(area, bounds);
    if (IsEmptyArea(area)) {
        return;
    }
    // A joined box may now be worth joining with another one: look again until none is.
    std::vector<PixelArea> &areas = changed.areas;
    for (std::size_t k = 0; k < areas.size();) {
        if (WorthJoining(areas[k], area)) {
            area = BoundingArea(areas[k], area);
            areas[k] = areas.back();
            areas.pop_back();
            k = 0;
        } else {
            ++k;
        }
    }
    areas.push_back(area);
}
