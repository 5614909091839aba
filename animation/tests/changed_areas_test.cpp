// What a tick copies to the window.
#include "changed_areas.h"

#include <gtest/gtest.h>

#include <vector>

static bool operator==(const ClientRect &a, const ClientRect &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {
using Areas = std::vector<ClientRect>;

Areas Added(const Areas &areas) {
    ChangedAreas changed;
    for (const ClientRect &area : areas) {
        AddChangedArea(changed, area, {0, 0, 100, 80});
    }
    return changed.areas;
}
} // namespace

TEST(ChangedAreas, CutToThePictureAndJoinedOnlyWhenThatSavesCopying) {
    EXPECT_TRUE(SegmentArea({10, 40, 4, 20}, 2) == (ClientRect{2, 18, 13, 43}));
    EXPECT_EQ(Added({{-5, -5, 3, 3}, {100, 0, 120, 10}}), (Areas{{0, 0, 3, 3}}));
    EXPECT_EQ(Added({{0, 0, 10, 10}, {50, 50, 60, 60}}).size(), 2u);
    EXPECT_EQ(Added({{0, 0, 10, 10}, {2, 3, 12, 13}}), (Areas{{0, 0, 12, 13}}));
    // A box bridging two that lie apart joins all three.
    EXPECT_EQ(Added({{0, 0, 10, 10}, {30, 0, 40, 10}, {5, 0, 35, 10}}), (Areas{{0, 0, 40, 10}}));
}
