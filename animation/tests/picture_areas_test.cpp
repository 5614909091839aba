// Monitor rectangles into picture areas of the full-screen window's client area.
#include "picture_areas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Found by argument lookup, so in the rectangle's own (global) namespace.
static bool operator==(const ClientRect &a, const ClientRect &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {
typedef std::vector<ClientRect> Rects;

Rects Areas(const Rects &monitors, int32_t originX, int32_t originY, int32_t width,
            int32_t height) {
    ClientRect areas[MAX_PICTURES];
    const int32_t count = PictureAreas(monitors.data(), static_cast<int32_t>(monitors.size()),
                                       originX, originY, width, height, areas);
    return Rects(areas, areas + count);
}

// The window covers the virtual screen: monitors left of or above the primary have negative
// coordinates, a monitor reaching beyond the window is cut to it, a repeated (mirrored) one
// gets no second area, and the list stops at MAX_PICTURES.
TEST(PictureAreas, EachMonitorInClientCoordinates) {
    EXPECT_EQ(
        Areas({{0, 0, 1024, 768}, {-800, 0, 0, 600}, {0, 768, 640, 1248}}, -800, 0, 1824, 1248),
        (Rects{{800, 0, 1824, 768}, {0, 0, 800, 600}, {800, 768, 1440, 1248}}));
    EXPECT_EQ(
        Areas({{-100, -50, 500, 400}, {500, 0, 1200, 900}, {-100, -50, 500, 400}}, 0, 0, 1024, 768),
        (Rects{{0, 0, 500, 400}, {500, 0, 1024, 768}}));
    // Mirrored outputs as an X server lists them: a monitor within a larger one.
    EXPECT_EQ(Areas({{0, 0, 1024, 768}, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}}, 0, 0, 1920, 1080),
              (Rects{{0, 0, 1920, 1080}}));
    Rects many;
    for (int32_t n = 0; n < MAX_PICTURES + 4; ++n)
        many.push_back({n * 10, 0, n * 10 + 10, 10});
    EXPECT_EQ(Areas(many, 0, 0, 1000, 10).size(), static_cast<size_t>(MAX_PICTURES));
}

// One monitor, no list (the platform cannot enumerate monitors), or only monitors that the
// window does not reach, also far ones that would overflow: the whole client area.
TEST(PictureAreas, WithoutSeveralMonitorsTheWholeClientArea) {
    const Rects whole = {{0, 0, 640, 480}};
    for (const Rects &monitors :
         {whole, Rects{}, Rects{{2000, 0, 2800, 600}}, Rects{{0, 0, 0, 480}}})
        EXPECT_EQ(Areas(monitors, 0, 0, 640, 480), whole) << monitors.size();
    EXPECT_EQ(Areas({{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}}, INT32_MAX, INT32_MIN, 640, 480),
              whole);
}
} // namespace
