// Cleaning up the server's monitor list.
#include "monitor_layout.h"

#include <cstddef>

namespace {
bool Within(const PixelArea &inner, const PixelArea &outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
} // namespace

std::vector<PixelArea> PicturePlaces(const std::vector<PixelArea> &monitors, int32_t width,
                                     int32_t height) {
    const PixelArea screen = {0, 0, width, height};
    std::vector<PixelArea> cut;
    for (const PixelArea &monitor : monitors) {
        const PixelArea area = CommonArea(monitor, screen);
        if (!IsEmptyArea(area)) {
            cut.push_back(area);
        }
    }
    std::vector<PixelArea> places;
    for (std::size_t k = 0; k < cut.size(); ++k) {
        bool covered = false;
        for (std::size_t other = 0; other < cut.size() && !covered; ++other) {
            // Within a larger one, or equal to one listed before it.
            const bool equal = Within(cut[other], cut[k]) && Within(cut[k], cut[other]);
            covered = other != k && Within(cut[k], cut[other]) && (!equal || other < k);
        }
        if (!covered) {
            places.push_back(cut[k]);
        }
    }
    if (places.empty()) {
        places.push_back(screen);
    }
    return places;
}
