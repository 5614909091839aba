// Drawing one figure: step count, pens, the two passes and the cull test.
#include "core_test_support.h"
#include "projection.h"
#include "sweep.h"
#include "tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A set-up 1024 x 768 screen of 10 figures with figure i at the given angles.
DrawingRecorder DrawOne(int32_t view3D, int32_t i, double prevAngle, double angle) {
    StartFresh(1024, 768, 10, 1, view3D);
    SetUpFigures(figureState);
    figureState.prevAngle[i] = prevAngle;
    figureState.angle[i] = angle;
    DrawingRecorder recorder;
    DrawFigure(RecordingContext(recorder), figureState, i);
    return recorder;
}

// The pen calls of one DrawFigure on a fresh context, in order: band pen 1 selected
// displacing the stock pen 0, which is deleted; erase pen 2 selected; band pen deleted.
void ExpectPenSequence(const DrawingRecorder &recorder, uint32_t bandColour) {
    std::vector<DrawCall> pens;
    for (const DrawCall &call : recorder.calls) {
        if (call.kind != CALL_MOVE && call.kind != CALL_LINE) {
            pens.push_back(call);
        }
    }
    ASSERT_EQ(pens.size(), 6u);
    EXPECT_EQ(pens[0].kind, CALL_PEN);
    EXPECT_EQ(pens[0].a, 1);
    EXPECT_EQ(pens[0].b, PEN_WIDTH);
    EXPECT_EQ(pens[0].colour, bandColour);
    EXPECT_EQ(pens[1].kind, CALL_SELECT);
    EXPECT_EQ(pens[1].a, 1);
    EXPECT_EQ(pens[2].kind, CALL_DELETE);
    EXPECT_EQ(pens[2].a, 0);
    EXPECT_EQ(pens[3].kind, CALL_PEN);
    EXPECT_EQ(pens[3].a, 2);
    EXPECT_EQ(pens[3].b, PEN_WIDTH);
    EXPECT_EQ(pens[3].colour, 0u);
    EXPECT_EQ(pens[4].kind, CALL_SELECT);
    EXPECT_EQ(pens[4].a, 2);
    EXPECT_EQ(pens[5].kind, CALL_DELETE);
    EXPECT_EQ(pens[5].a, 1);
}

// Figure 0 moving forward by 0.05: 10 steps of 0.005, 12 segments per pass.
TEST(DrawFigure, FlatForwardStepFirstAndLastSegments) {
    const DrawingRecorder recorder = DrawOne(0, 0, 0.0, 0.05);
    ExpectPenSequence(recorder, 0xFF0080);
    const std::vector<Segment> band = SegmentsWithPen(recorder, 1);
    const std::vector<Segment> erase = SegmentsWithPen(recorder, 2);
    ASSERT_EQ(band.size(), 12u);
    EXPECT_EQ(band.front(), (Segment{506, 506, 504, 555}));
    EXPECT_EQ(band.back(), (Segment{499, 506, 494, 555}));
    ASSERT_EQ(erase.size(), 12u);
    EXPECT_EQ(erase.front(), (Segment{598, 297, 634, 261}));
    EXPECT_EQ(erase.back(), (Segment{602, 302, 641, 268}));
    // Every segment is a move immediately followed by a line.
    EXPECT_EQ(CallsOf(recorder, CALL_MOVE).size(), 24u);
    EXPECT_EQ(CallsOf(recorder, CALL_LINE).size(), 24u);
}

// Moving backward mirrors the forward case about the centre column: the same rows, and
// columns mirrored to within the one pixel that truncation toward zero can shift them.
TEST(DrawFigure, BackwardMotionMirrorsTheForwardSweep) {
    const DrawingRecorder forward = DrawOne(0, 0, 0.0, 0.05);
    const DrawingRecorder backward = DrawOne(0, 0, 0.0, -0.05);
    for (int32_t pen : {1, 2}) {
        const std::vector<Segment> f = SegmentsWithPen(forward, pen);
        const std::vector<Segment> b = SegmentsWithPen(backward, pen);
        ASSERT_EQ(f.size(), b.size());
        for (size_t k = 0; k < f.size(); ++k) {
            EXPECT_EQ(f[k].y1, b[k].y1);
            EXPECT_EQ(f[k].y2, b[k].y2);
            EXPECT_LE(std::abs(f[k].x1 + b[k].x1 - 1024), 1);
            EXPECT_LE(std::abs(f[k].x2 + b[k].x2 - 1024), 1);
        }
    }
    // The erasing pass lies on the other side: behind the backward motion.
    EXPECT_LT(SegmentsWithPen(backward, 2).front().x1, 512);
}

// Figure 9 moving backward: every inner point of both passes lies outside the window, so
// only the pens are created, selected and deleted.
TEST(DrawFigure, OutermostBackwardFigureDrawsNothing) {
    const DrawingRecorder recorder = DrawOne(0, 9, 0.0, -0.05);
    ASSERT_EQ(figureState.innerRadius[9], 606);
    ASSERT_EQ(figureState.outerRadius[9], 660);
    ExpectPenSequence(recorder, BandColor(9));
    EXPECT_TRUE(CallsOf(recorder, CALL_MOVE).empty());
    EXPECT_TRUE(CallsOf(recorder, CALL_LINE).empty());
    // Its sweep has 35 steps: drawn on a larger window, each pass has 37 segments.
    StartFresh(4000, 4000, 10, 1, 0);
    SetUpFigures(figureState);
    figureState.innerRadius[9] = 606;
    figureState.outerRadius[9] = 660;
    figureState.prevAngle[9] = 0.0;
    figureState.angle[9] = -0.05;
    DrawingRecorder large;
    DrawFigure(RecordingContext(large), figureState, 9);
    EXPECT_EQ(SegmentsWithPen(large, 1).size(), 37u);
    EXPECT_EQ(SegmentsWithPen(large, 2).size(), 37u);
    // direction -1: the erasing pass near +2.35 rad, to the left of and above the centre.
    EXPECT_LT(SegmentsWithPen(large, 2).front().x1, 2000);
    EXPECT_LT(SegmentsWithPen(large, 2).front().y1, 2000);
}

// A figure that has not moved: 2 steps of 0, four band segments at its angle and four
// erasing segments 2.4 rad behind (direction +1).
TEST(DrawFigure, StillFigureDrawsFourSegmentsPerPass) {
    const double angle = 0.3;
    const DrawingRecorder recorder = DrawOne(0, 0, angle, angle);
    const std::vector<Segment> band = SegmentsWithPen(recorder, 1);
    const std::vector<Segment> erase = SegmentsWithPen(recorder, 2);
    ASSERT_EQ(band.size(), 4u);
    ASSERT_EQ(erase.size(), 4u);
    const auto at = [](double theta, int32_t r) {
        return std::pair<int32_t, int32_t>{static_cast<int32_t>(512.0 - r * std::sin(theta)),
                                           static_cast<int32_t>(384.0 + r * std::cos(theta))};
    };
    for (const Segment &s : band) {
        EXPECT_EQ(std::make_pair(s.x1, s.y1), at(angle, 123));
        EXPECT_EQ(std::make_pair(s.x2, s.y2), at(angle, 172));
    }
    for (const Segment &s : erase) {
        EXPECT_EQ(std::make_pair(s.x1, s.y1), at(angle - 2.4, 122));
        EXPECT_EQ(std::make_pair(s.x2, s.y2), at(angle - 2.4, 173));
    }
}

// Tilted view: 3 x 214 x 0.05 = 32.1 gives 34 steps; band between radii 169 and 210
// twisted by 0.15, erasing between 166 and 213 twisted by 0.1, all points projected.
TEST(DrawFigure, TiltedFirstSegments) {
    const DrawingRecorder recorder = DrawOne(1, 0, 0.0, 0.05);
    ASSERT_EQ(figureState.innerRadius[0], 165);
    ASSERT_EQ(figureState.outerRadius[0], 214);
    ExpectPenSequence(recorder, 0xFF0080);
    const std::vector<Segment> band = SegmentsWithPen(recorder, 1);
    const std::vector<Segment> erase = SegmentsWithPen(recorder, 2);
    ASSERT_EQ(band.size(), 36u);
    ASSERT_EQ(erase.size(), 36u);
    EXPECT_EQ(band.front(), (Segment{459, 292, 444, 320}));
    EXPECT_EQ(erase.front(), (Segment{685, 137, 731, 123}));
}

TEST(BandColor, FadeDarkensTheOuterFigures) {
    StartFresh(1024, 768, 10, 1, 0);
    const int32_t rgb[10][3] = {{128, 0, 255}, {122, 0, 243}, {116, 0, 230}, {109, 0, 217},
                                {103, 0, 204}, {96, 0, 192},  {90, 0, 179},  {84, 0, 166},
                                {77, 0, 153},  {71, 0, 141}};
    for (int32_t i = 0; i < 10; ++i) {
        const uint32_t c = BandColor(i);
        EXPECT_EQ(c & 0xFF, static_cast<uint32_t>(rgb[i][0])) << i;
        EXPECT_EQ((c >> 8) & 0xFF, static_cast<uint32_t>(rgb[i][1])) << i;
        EXPECT_EQ(c >> 16, static_cast<uint32_t>(rgb[i][2])) << i;
    }
    saverSettings.fade = 0;
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(BandColor(i), 0xFF0080u) << i;
    }
    StartFresh(1024, 768, 50, 1, 0);
    saverSettings.color = 0x80FFFF; // red 255, green 255, blue 128
    EXPECT_EQ(BandColor(49), (24u << 16) | (47u << 8) | 47u);
    EXPECT_EQ(BandColor(0), 0x80FFFFu);
}

// Strict comparisons on the unrounded inner point.
TEST(CullTest, EdgesAreStrict) {
    figureState.width = 1024;
    figureState.height = 768;
    EXPECT_FALSE(PassesCull(figureState, -1.0, 100.0));
    EXPECT_TRUE(PassesCull(figureState, -0.5, 100.0));
    EXPECT_TRUE(PassesCull(figureState, std::nextafter(-1.0, 0.0), 100.0));
    EXPECT_TRUE(PassesCull(figureState, 1024.9, 100.0));
    EXPECT_FALSE(PassesCull(figureState, 1025.0, 100.0));
    EXPECT_TRUE(PassesCull(figureState, std::nextafter(1025.0, 0.0), 100.0));
    EXPECT_FALSE(PassesCull(figureState, 100.0, -1.0));
    EXPECT_TRUE(PassesCull(figureState, 100.0, -0.999));
    EXPECT_TRUE(PassesCull(figureState, 100.0, 768.9));
    EXPECT_FALSE(PassesCull(figureState, 100.0, 769.0));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(PassesCull(figureState, nan, 100.0));
    EXPECT_FALSE(PassesCull(figureState, 100.0, nan));
    EXPECT_FALSE(PassesCull(figureState, inf, 100.0));
    EXPECT_FALSE(PassesCull(figureState, -inf, 100.0));
    figureState.width = INT32_MAX; // width + 1 must not overflow
    EXPECT_TRUE(PassesCull(figureState, 2147483647.5, 100.0));
}

// The cull test within DrawFigure: at angle 0 the inner point lies straight below the
// centre, at pi/2 straight left of it, at whole pixels.
TEST(CullTest, InnerPointOnTheEdgeIsNotDrawn) {
    const auto bandSegments = [](double angle, int32_t innerRadius) {
        StartFresh(100, 100, 1, 0, 0);
        SetUpFigures(figureState);
        figureState.prevAngle[0] = angle;
        figureState.angle[0] = angle;
        figureState.innerRadius[0] = innerRadius; // band inner point at innerRadius + 2
        figureState.outerRadius[0] = 300;
        DrawingRecorder recorder;
        DrawFigure(RecordingContext(recorder), figureState, 0);
        return SegmentsWithPen(recorder, 1);
    };
    EXPECT_TRUE(bandSegments(0.0, 49).empty());         // y1 = 50 + 51 = height + 1
    std::vector<Segment> drawn = bandSegments(0.0, 48); // y1 = 100 = height
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0], (Segment{50, 100, 50, 348}));
    const double left = 1.5707963267948966;
    ASSERT_EQ(std::sin(left), 1.0);
    EXPECT_TRUE(bandSegments(left, 49).empty()); // x1 = 50 - 51 = -1
    drawn = bandSegments(left, 48);              // x1 = 0; the outer point far outside
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0], (Segment{0, 50, -248, 50}));
}

TEST(OuterCoordinate, TruncatesAndClampsToThirtyTwoBits) {
    EXPECT_EQ(OuterCoordinate(-2.9), -2);
    EXPECT_EQ(OuterCoordinate(2.9), 2);
    EXPECT_EQ(OuterCoordinate(-0.5), 0);
    EXPECT_EQ(OuterCoordinate(2147483646.75), 2147483646);
    EXPECT_EQ(OuterCoordinate(2147483647.0), INT32_MAX);
    EXPECT_EQ(OuterCoordinate(-2147483648.0), INT32_MIN);
    EXPECT_EQ(OuterCoordinate(-2147483648.5), INT32_MIN);
    EXPECT_EQ(OuterCoordinate(1e300), INT32_MAX);
    EXPECT_EQ(OuterCoordinate(-1e300), INT32_MIN);
    EXPECT_EQ(OuterCoordinate(std::numeric_limits<double>::infinity()), INT32_MAX);
    EXPECT_EQ(OuterCoordinate(-std::numeric_limits<double>::infinity()), INT32_MIN);
    EXPECT_EQ(OuterCoordinate(std::numeric_limits<double>::quiet_NaN()), 0);
}

// A wide tilted window: outer points of the one band reach beyond the vanishing line,
// where the projection gives huge or mirrored coordinates. The segments whose inner point
// is inside are still drawn, with the outer point clamped.
TEST(OuterCoordinate, WideTiltedWindowStillDrawsTheBand) {
    StartFresh(5000, 1000, 1, 0, 1);
    SetUpFigures(figureState);
    figureState.prevAngle[0] = 0.0;
    figureState.angle[0] = 0.0;
    DrawingRecorder recorder;
    DrawFigure(RecordingContext(recorder), figureState, 0);
    const std::vector<Segment> band = SegmentsWithPen(recorder, 1);
    ASSERT_FALSE(band.empty());
    const ProjectedPoint outer =
        ProjectTilted(figureState, 2500.0 - (figureState.outerRadius[0] - 4) * std::sin(0.15),
                      500.0 + (figureState.outerRadius[0] - 4) * std::cos(0.15));
    EXPECT_LT(outer.y, 0.0); // beyond the vanishing line: mirrored above the window
    EXPECT_EQ(band[0].x2, OuterCoordinate(outer.x));
    EXPECT_EQ(band[0].y2, OuterCoordinate(outer.y));
}

// Over many ticks nothing leaks: after every call exactly one pen exists, the erasing pen,
// and it is the selected one; no pen is deleted while selected.
TEST(PenLifetime, NothingLeaksOverManyTicks) {
    StartFresh(1024, 768, 50, 1, 1);
    saverSettings.loopsPerMinute = 10;
    DrawingRecorder recorder;
    const DrawingContext context = RecordingContext(recorder);
    SetUpFigures(figureState);
    int32_t created = 0;
    for (int tick = 0; tick < 300; ++tick) {
        for (int32_t i = 0; i < 50; ++i) {
            UpdateAngle(figureState, i);
            DrawFigure(context, figureState, i);
            ASSERT_EQ(recorder.livePens.size(), 1u);
            ASSERT_EQ(*recorder.livePens.begin(), recorder.selected);
        }
        FinishTick(figureState);
        created += static_cast<int32_t>(CallsOf(recorder, CALL_PEN).size());
        recorder.calls.clear();
    }
    EXPECT_EQ(created, 2 * 50 * 300);
    EXPECT_EQ(recorder.deletedWhileSelected, 0);
    EXPECT_EQ(recorder.unknownDeletes, 0);
    EXPECT_EQ(recorder.emptyBatches, 0); // runs whose segments are all culled make no call
}

} // namespace
