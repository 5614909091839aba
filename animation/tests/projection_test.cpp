// The tilted view's projection.
#include "core_test_support.h"
#include "projection.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

void Window(int32_t width, int32_t height) {
    figureState.width = width;
    figureState.height = height;
}

// `shown` is a value written with its first decimals and an ellipsis: the true value lies
// at or above it, by less than one unit of its last decimal.
void ExpectDecimals(double value, double shown, double unit) {
    EXPECT_GE(value, shown - 1e-12);
    EXPECT_LT(value, shown + unit);
}

// The flat centre lands exactly a quarter of the height below the top.
TEST(ProjectTilted, CentreMapsExactlyToAQuarterHeight) {
    Window(1024, 768);
    ProjectedPoint p = ProjectTilted(figureState, 512, 384);
    EXPECT_EQ(p.x, 512.0);
    EXPECT_EQ(p.y, 192.0);
    Window(1920, 1080);
    p = ProjectTilted(figureState, 960, 540);
    EXPECT_EQ(p.x, 960.0);
    EXPECT_EQ(p.y, 270.0);
}

TEST(ProjectTilted, CentreColumnKeepsItsX) {
    Window(1024, 768);
    for (double y = -500.0; y <= 1500.0; y += 7.25) {
        EXPECT_EQ(ProjectTilted(figureState, 512, y).x, 512.0) << y;
    }
}

TEST(ProjectTilted, PointsOfA1024x768Window) {
    Window(1024, 768);
    ProjectedPoint p = ProjectTilted(figureState, 512, 553);
    ExpectDecimals(p.y, 295.19067, 1e-5);
    EXPECT_EQ(static_cast<int32_t>(p.y), 295);
    p = ProjectTilted(figureState, 512, 215);
    ExpectDecimals(p.y, 107.33249, 1e-5);
    EXPECT_EQ(static_cast<int32_t>(p.y), 107);
    p = ProjectTilted(figureState, 681, 384);
    ExpectDecimals(p.x, 753.75666, 1e-5);
    EXPECT_EQ(p.y, 192.0);
    EXPECT_EQ(static_cast<int32_t>(p.x), 753);
    p = ProjectTilted(figureState, 0, 0);
    EXPECT_LE(p.x, -86.36384);
    EXPECT_GT(p.x, -86.36385);
    ExpectDecimals(p.y, 19.33463, 1e-5);
    p = ProjectTilted(figureState, 1024, 768);
    ExpectDecimals(p.x, 1455.89479, 1e-5);
    ExpectDecimals(p.y, 464.37264, 1e-5);
}

TEST(ProjectTilted, OddSizesShiftTheCentre) {
    Window(1023, 767);
    const ProjectedPoint p = ProjectTilted(figureState, 511, 383);
    ExpectDecimals(p.x, 510.28495, 1e-5);
    ExpectDecimals(p.y, 191.47488, 1e-5);
    EXPECT_EQ(static_cast<int32_t>(p.x), 510);
    EXPECT_EQ(static_cast<int32_t>(p.y), 191);
}

// The window rectangle becomes a trapezoid from about 0.025 H (narrower) to 0.605 H.
TEST(ProjectTilted, WindowBecomesATrapezoid) {
    Window(1024, 768);
    const ProjectedPoint topLeft = ProjectTilted(figureState, 0, 0);
    const ProjectedPoint topRight = ProjectTilted(figureState, 1024, 0);
    const ProjectedPoint bottomLeft = ProjectTilted(figureState, 0, 768);
    const ProjectedPoint bottomRight = ProjectTilted(figureState, 1024, 768);
    EXPECT_NEAR(topLeft.y / 768, 0.025, 0.001);
    EXPECT_EQ(topLeft.y, topRight.y);
    EXPECT_NEAR(bottomLeft.y / 768, 0.605, 0.001);
    EXPECT_EQ(bottomLeft.y, bottomRight.y);
    EXPECT_LT(topRight.x - topLeft.x, bottomRight.x - bottomLeft.x);
    EXPECT_EQ(topLeft.x + topRight.x, 1024.0); // symmetric about the centre column
}

// Beyond about 2.73 H the denominator turns negative: the point lands above the window,
// mirrored left to right.
TEST(ProjectTilted, PointsBeyondTheVanishingLineAreMirroredAbove) {
    Window(1024, 768);
    const ProjectedPoint left = ProjectTilted(figureState, 100, 2200);
    EXPECT_LT(left.y, 0.0);
    EXPECT_GT(left.x, 512.0);
    const ProjectedPoint near = ProjectTilted(figureState, 100, 2000);
    EXPECT_GT(near.y, 768.0);
    EXPECT_LT(near.x, 512.0);
}

// On the vanishing line the division gives infinities, and not-a-number where the
// numerator is zero too; the cull test rejects such a point.
TEST(ProjectTilted, VanishingLineGivesInfinitiesThatFailTheCull) {
    Window(1024, 768);
    const double y = (768.0 * 2.567) / 0.9397;
    ASSERT_EQ((768.0 * 2.567) - (y * 0.9397), 0.0); // the denominator is exactly zero
    const ProjectedPoint centre = ProjectTilted(figureState, 512, y);
    EXPECT_TRUE(std::isnan(centre.x));
    EXPECT_TRUE(std::isinf(centre.y));
    const ProjectedPoint side = ProjectTilted(figureState, 300, y);
    EXPECT_TRUE(std::isinf(side.x));
    EXPECT_FALSE(PassesCull(figureState, centre.x, centre.y));
    EXPECT_FALSE(PassesCull(figureState, side.x, side.y));
    EXPECT_EQ(OuterCoordinate(centre.x), 0);
    EXPECT_EQ(OuterCoordinate(side.x), side.x > 0 ? INT32_MAX : INT32_MIN);
}

// The same double, or both not a number.
bool SameDouble(double a, double b) {
    return a == b ? std::signbit(a) == std::signbit(b) : std::isnan(a) && std::isnan(b);
}

// Doubles with full mantissas spread over [low, high), from a fixed sequence.
std::vector<double> SpreadValues(double low, double high, int count) {
    std::vector<double> values;
    uint64_t state = 0x2545F4914F6CDD1DULL;
    for (int n = 0; n < count; ++n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(state >> 11) * 0x1.0p-53;
        values.push_back(low + unit * (high - low));
    }
    return values;
}

// The six steps, each operand formed where the step forms it: the window terms too.
ProjectedPoint SixSteps(int32_t width, int32_t height, double x, double y) {
    const double w = static_cast<double>(width);
    const double h = static_cast<double>(height);
    const double e = (h * 2.567) - (y * 0.9397);
    const double a = (w * h) * 0.75;
    const double b = (x * h) * 1.5;
    const double c = (h * 0.2565) - (y * 0.513);
    return {static_cast<double>(width / 2) - ((a - b) * 2.0) / e, (0.25 - (c * 2.25) / e) * h};
}

// The projection that draws the segments, with the window terms formed once, gives exactly
// the doubles of the six steps: over windows of odd and even sizes, points inside and far
// outside, on both sides of the vanishing line and on it.
TEST(ProjectInView, WindowTermsFormedOnceGiveTheSixSteps) {
    const int32_t sizes[][2] = {{1024, 768}, {1920, 1080}, {511, 383}, {7680, 4320},
                                {152, 112},  {10000, 400}, {1, 1},     {0, 0}};
    const std::vector<double> xs = SpreadValues(-20000.0, 30000.0, 300);
    for (const auto &size : sizes) {
        const TiltedView view = TiltedViewOf(size[0], size[1]);
        const double vanishing = view.depth / 0.9397;
        std::vector<double> ys = SpreadValues(-20000.0, 30000.0, 300);
        for (const double y :
             {0.0, -0.0, vanishing, std::nextafter(vanishing, 0.0), -1e300, 1e300}) {
            ys.push_back(y);
        }
        for (const double x : xs) {
            for (const double y : ys) {
                const ProjectedPoint steps = SixSteps(size[0], size[1], x, y);
                const ProjectedPoint once = ProjectInView(view, x, y);
                ASSERT_TRUE(SameDouble(once.x, steps.x))
                    << size[0] << "x" << size[1] << " " << x << "," << y;
                ASSERT_TRUE(SameDouble(once.y, steps.y))
                    << size[0] << "x" << size[1] << " " << x << "," << y;
            }
        }
    }
}

} // namespace
