// What a tick copies to the window, and where the pictures go on several monitors.
#include "monitor_layout.h"
#include "pixel_area.h"

#include <gtest/gtest.h>

#include <vector>

static bool operator==(const PixelArea &a, const PixelArea &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {
std::vector<PixelArea> Added(const std::vector<PixelArea> &areas) {
    ChangedAreas changed;
    for (const PixelArea &area : areas) {
        AddChangedArea(changed, area, {0, 0, 100, 80});
    }
    return changed.areas;
}
} // namespace

TEST(ChangedAreas, LinesWidenedByTheirReachCutToThePictureAndJoinedOnlyWhenThatSavesCopying) {
    // Ends in either order; right and bottom lie just past the last pixel.
    EXPECT_TRUE(SegmentArea({10, 40, 4, 20}, 3) == (PixelArea{1, 17, 14, 44}));

    // Cut to the picture; nothing left of one outside it.
    EXPECT_EQ(Added({{-5, -5, 3, 3}}), (std::vector<PixelArea>{{0, 0, 3, 3}}));
    EXPECT_TRUE(Added({{100, 0, 120, 10}, {5, 80, 9, 90}}).empty());

    // Far apart: two copies. Overlapping or side by side: one box.
    EXPECT_EQ(Added({{0, 0, 10, 10}, {50, 50, 60, 60}}).size(), 2u);
    EXPECT_EQ(Added({{0, 0, 10, 10}, {2, 3, 12, 13}}), (std::vector<PixelArea>{{0, 0, 12, 13}}));
    EXPECT_EQ(Added({{0, 0, 10, 10}, {10, 0, 20, 10}}), (std::vector<PixelArea>{{0, 0, 20, 10}}));

    // A box that bridges two apart joins all three, whatever their order.
    EXPECT_EQ(Added({{0, 0, 10, 10}, {30, 0, 40, 10}, {5, 0, 35, 10}}),
              (std::vector<PixelArea>{{0, 0, 40, 10}}));
}

TEST(PicturePlaces, OnePerMonitorInTheServersOrderCutToTheScreen) {
    // The three-monitor layout: the primary right of a smaller one, a third below.
    const std::vector<PixelArea> three = {
        {800, 0, 1824, 768}, {0, 0, 800, 600}, {800, 768, 1440, 1248}};
    EXPECT_EQ(PicturePlaces(three, 1824, 1248), three);

    // A monitor reaching past the screen is cut; one wholly outside it is left out.
    EXPECT_EQ(PicturePlaces({{-100, 0, 500, 400}, {2000, 0, 2100, 100}}, 1000, 400),
              (std::vector<PixelArea>{{0, 0, 500, 400}}));

    // A mirrored output repeats its monitor, or shows a part of a larger one: one picture.
    EXPECT_EQ(
        PicturePlaces({{0, 0, 1024, 768}, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}}, 1920, 1080),
        (std::vector<PixelArea>{{0, 0, 1920, 1080}}));

    // No monitor reported (or none usable): the whole screen.
    EXPECT_EQ(PicturePlaces({}, 640, 480), (std::vector<PixelArea>{{0, 0, 640, 480}}));
    EXPECT_EQ(PicturePlaces({{0, 0, 0, 480}}, 640, 480),
              (std::vector<PixelArea>{{0, 0, 640, 480}}));
}
