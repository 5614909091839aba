// Bounding boxes and their joining, in 64 bits where sizes are multiplied.
#include "changed_areas.h"

#include <algorithm>

namespace {
int64_t Size(const ClientRect &area) {
    return static_cast<int64_t>(area.right - area.left) * (area.bottom - area.top);
}
} // namespace

bool WorthJoiningAreas(const ClientRect &a, const ClientRect &b) {
    return Size(BoundingArea(a, b)) <= Size(a) + Size(b);
}

void AddChangedArea(ChangedAreas &changed, ClientRect area, const ClientRect &bounds) {
    area = CommonArea(area, bounds);
    if (IsEmptyArea(area)) {
        return;
    }
    // A joined box may now be worth joining with another one: look again until none is.
    std::vector<ClientRect> &areas = changed.areas;
    for (std::size_t k = 0; k < areas.size();) {
        if (WorthJoiningAreas(areas[k], area)) {
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
