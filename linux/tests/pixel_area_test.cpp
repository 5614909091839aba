// What a tick copies to the window, and where the pictures go on several monitors.
#include "monitor_layout.h"
#include "pixel_area.h"

#include <gtest/gtest.h>

#include <vector>

static bool operator==(const PixelArea &a, const PixelArea &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {
using Areas = std::vector<PixelArea>;

Areas Added(const Areas &areas) {
    ChangedAreas changed;
    for (const PixelArea &area : areas) {
        AddChangedArea(changed, area, {0, 0, 100, 80});
    }
    return changed.areas;
}
} // namespace

TEST(ChangedAreas, CutToThePictureAndJoinedOnlyWhenThatSavesCopying) {
    EXPECT_TRUE(SegmentArea({10, 40, 4, 20}, 2) == (PixelArea{2, 18, 13, 43}));
    EXPECT_EQ(Added({{-5, -5, 3, 3}, {100, 0, 120, 10}}), (Areas{{0, 0, 3, 3}}));
    EXPECT_EQ(Added({{0, 0, 10, 10}, {50, 50, 60, 60}}).size(), 2u);
    EXPECT_EQ(Added({{0, 0, 10, 10}, {2, 3, 12, 13}}), (Areas{{0, 0, 12, 13}}));
    // A box bridging two that lie apart joins all three.
    EXPECT_EQ(Added({{0, 0, 10, 10}, {30, 0, 40, 10}, {5, 0, 35, 10}}), (Areas{{0, 0, 40, 10}}));
}

TEST(PicturePlaces, OnePerMonitorInTheServersOrderCutToTheScreen) {
    const Areas three = {{800, 0, 1824, 768}, {0, 0, 800, 600}, {800, 768, 1440, 1248}};
    EXPECT_EQ(PicturePlaces(three, 1824, 1248), three);
    EXPECT_EQ(PicturePlaces({{-100, 0, 500, 400}, {2000, 0, 2100, 100}}, 1000, 400),
              (Areas{{0, 0, 500, 400}}));
    // Mirrored outputs: a monitor repeated, or within a larger one.
    EXPECT_EQ(
        PicturePlaces({{0, 0, 1024, 768}, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}}, 1920, 1080),
        (Areas{{0, 0, 1920, 1080}}));
    EXPECT_EQ(PicturePlaces({}, 640, 480), (Areas{{0, 0, 640, 480}}));
    EXPECT_EQ(PicturePlaces({{0, 0, 0, 480}}, 640, 480), (Areas{{0, 0, 640, 480}}));
}
