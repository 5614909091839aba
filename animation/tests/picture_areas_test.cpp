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

std::vector<ClientRect> Areas(const std::vector<ClientRect> &monitors, int32_t originX,
                              int32_t originY, int32_t width, int32_t height) {
    ClientRect areas[MAX_PICTURES];
    const int32_t count = PictureAreas(monitors.data(), static_cast<int32_t>(monitors.size()),
                                       originX, originY, width, height, areas);
    return std::vector<ClientRect>(areas, areas + count);
}

// The window covers the virtual screen; monitors left of or above the primary have negative
// coordinates, and the parts of the window that no monitor shows get no area.
TEST(PictureAreas, EachMonitorInClientCoordinates) {
    const std::vector<ClientRect> three = {
        {0, 0, 1024, 768}, {-800, 0, 0, 600}, {0, 768, 640, 1248}};
    const std::vector<ClientRect> expected = {
        {800, 0, 1824, 768}, {0, 0, 800, 600}, {800, 768, 1440, 1248}};
    EXPECT_EQ(Areas(three, -800, 0, 1824, 1248), expected);

    const std::vector<ClientRect> two = {{0, 0, 1024, 768}, {1024, 0, 1824, 600}};
    EXPECT_EQ(Areas(two, 0, 0, 1824, 768), two);
}

// One monitor, no monitor list at all (the platform cannot enumerate them), or monitors the
// window does not reach: the whole client area is the one area, as in the preview.
TEST(PictureAreas, WithoutSeveralMonitorsTheWholeClientArea) {
    const std::vector<ClientRect> whole = {{0, 0, 1024, 768}};
    for (const std::vector<ClientRect> &monitors :
         {whole, std::vector<ClientRect>{}, std::vector<ClientRect>{{2000, 0, 2800, 600}},
          std::vector<ClientRect>{{0, 0, 0, 768}}}) {
        EXPECT_EQ(Areas(monitors, 0, 0, 1024, 768), whole) << monitors.size();
    }
}

// A monitor reaching beyond the window is cut to it; a mirrored monitor with the same
// rectangle gets no second picture; the list stops at MAX_PICTURES.
TEST(PictureAreas, CutToTheWindowRepeatsSkippedAndBounded) {
    const std::vector<ClientRect> cut =
        Areas({{-100, -50, 500, 400}, {500, 0, 1200, 900}, {-100, -50, 500, 400}}, 0, 0, 1024, 768);
    const std::vector<ClientRect> expected = {{0, 0, 500, 400}, {500, 0, 1024, 768}};
    EXPECT_EQ(cut, expected);

    std::vector<ClientRect> many;
    for (int32_t n = 0; n < MAX_PICTURES + 4; ++n)
        many.push_back({n * 10, 0, n * 10 + 10, 10});
    EXPECT_EQ(Areas(many, 0, 0, 1000, 10).size(), static_cast<size_t>(MAX_PICTURES));

    // Far rectangles do not overflow: this one lies wholly left of the window, so the whole
    // client area is the one area.
    const std::vector<ClientRect> whole = {{0, 0, 640, 480}};
    EXPECT_EQ(Areas({{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}}, INT32_MAX, INT32_MIN, 640, 480),
              whole);
}

TEST(PictureAreas, ShiftedCoordinatesStayFarInsteadOfWrapping) {
    EXPECT_EQ(ShiftedCoordinate(100, 800), 900);
    EXPECT_EQ(ShiftedCoordinate(-5, -800), -805);
    EXPECT_EQ(ShiftedCoordinate(INT32_MAX, 800), INT32_MAX);
    EXPECT_EQ(ShiftedCoordinate(INT32_MIN + 3, -800), INT32_MIN);
    EXPECT_EQ(ShiftedCoordinate(INT32_MAX - 10, 0), INT32_MAX - 10);
}

} // namespace
