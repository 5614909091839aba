// Cutting lines to the window before narrowing to 16 bits: the part drawn lies on the
// original line, whatever the size of its ends.
#include "segment_clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {
const int32_t W = 1920, H = 1080;
const int32_t BIG = std::numeric_limits<int32_t>::max();
const int32_t SMALL = std::numeric_limits<int32_t>::min();

// Distance of (x, y) from the infinite line through the ends of `line`.
double OffLine(const LineSegment &line, double x, double y) {
    const double dx = static_cast<double>(line.x2) - line.x1;
    const double dy = static_cast<double>(line.y2) - line.y1;
    return std::fabs(dx * (y - line.y1) - dy * (x - line.x1)) / std::hypot(dx, dy);
}

void ExpectOnLineAndNearWindow(const LineSegment &line, const ShortSegment &cut) {
    for (const double x : {static_cast<double>(cut.x1), static_cast<double>(cut.x2)}) {
        EXPECT_GE(x, -CLIP_MARGIN);
        EXPECT_LE(x, W - 1 + CLIP_MARGIN);
    }
    for (const double y : {static_cast<double>(cut.y1), static_cast<double>(cut.y2)}) {
        EXPECT_GE(y, -CLIP_MARGIN);
        EXPECT_LE(y, H - 1 + CLIP_MARGIN);
    }
    // Rounding to whole pixels moves an end by at most half a pixel each way.
    EXPECT_LT(OffLine(line, cut.x1, cut.y1), 0.75);
    EXPECT_LT(OffLine(line, cut.x2, cut.y2), 0.75);
    // Same direction as the original, from its first end towards its second.
    const double dot = (static_cast<double>(line.x2) - line.x1) * (cut.x2 - cut.x1) +
                       (static_cast<double>(line.y2) - line.y1) * (cut.y2 - cut.y1);
    EXPECT_GE(dot, 0.0);
}
} // namespace

TEST(SegmentClip, LinesInsideStayExactlyAsGiven) {
    const LineSegment line = {506, 506, 504, 555};
    ShortSegment cut;
    ASSERT_TRUE(ClipSegment(line, W, H, cut));
    EXPECT_EQ(cut.x1, 506);
    EXPECT_EQ(cut.y1, 506);
    EXPECT_EQ(cut.x2, 504);
    EXPECT_EQ(cut.y2, 555);
}

TEST(SegmentClip, FarEndsAreCutOnTheLineNotClampedPerCoordinate) {
    const LineSegment lines[] = {
        {960, 540, BIG, BIG / 3},             // far right, shallow slope
        {960, 540, SMALL, BIG},               // far down-left, at the limits
        {100, 1000, 5000000, -3000000},       // millions of pixels away
        {960, 540, 960, SMALL},               // straight up
        {SMALL, 700, BIG, 700},               // through the window, both ends far
        {-40000, -30000, 40000, 30000},       // diagonal through, past the 16-bit range
        {1919, 1079, 1919 + 32768, 1079 + 1}, // from the corner, just past 16 bits
    };
    for (const LineSegment &line : lines) {
        ShortSegment cut;
        ASSERT_TRUE(ClipSegment(line, W, H, cut)) << line.x1 << "," << line.y1;
        ExpectOnLineAndNearWindow(line, cut);
    }
    // Narrowing alone would turn (960,540)-(2^31-1, 2^31/3) into a line pointing elsewhere;
    // cut, it ends on the right margin at the height the slope gives.
    ShortSegment cut;
    ASSERT_TRUE(ClipSegment(lines[0], W, H, cut));
    EXPECT_EQ(cut.x2, W - 1 + CLIP_MARGIN);
    EXPECT_NEAR(cut.y2, 540 + (W - 1 + CLIP_MARGIN - 960) / 3.0, 1.0);
}

TEST(SegmentClip, LinesThatMissTheWindowAreDropped) {
    const LineSegment misses[] = {
        {-10, -10, -10, BIG},         // left of the margin
        {BIG, BIG, BIG - 1, BIG},     // far away, both ends
        {SMALL, SMALL, SMALL, SMALL}, // a dot at the limit
        {3000, -100, -100, -3000},    // passes above the corner
    };
    for (const LineSegment &line : misses) {
        ShortSegment cut;
        EXPECT_FALSE(ClipSegment(line, W, H, cut)) << line.x1 << "," << line.y1;
    }
    // A dot inside is kept: the round pen draws it.
    ShortSegment dot;
    EXPECT_TRUE(ClipSegment({5, 5, 5, 5}, W, H, dot));
}
