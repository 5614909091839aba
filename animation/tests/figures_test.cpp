// The figure model: band radii, phases, the random generator, the motion law and the
// animation clock.
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using Edges = std::vector<int32_t>;

Edges SetUpEdges(int32_t width, int32_t height, int32_t count, int32_t frog, int32_t view3D) {
    StartFresh(width, height, count, frog, view3D);
    SetUpFigures(figureState);
    return BandEdges();
}

TEST(FigureRadii, FullScreen1024x768) {
    EXPECT_EQ(SetUpEdges(1024, 768, 10, 1, 0),
              (Edges{121, 174, 228, 282, 336, 390, 444, 498, 552, 606, 660}));
    EXPECT_EQ(figureState.maxRadius, 660.0);
    EXPECT_EQ(SetUpEdges(1024, 768, 10, 1, 1),
              (Edges{165, 214, 264, 313, 363, 412, 462, 511, 561, 610, 660}));
    const Edges noFrog{30, 93, 156, 219, 282, 345, 408, 471, 534, 597, 660};
    EXPECT_EQ(SetUpEdges(1024, 768, 10, 0, 0), noFrog);
    EXPECT_EQ(SetUpEdges(1024, 768, 10, 0, 1), noFrog);
}

TEST(FigureRadii, FullScreen1920x1080) {
    EXPECT_EQ(SetUpEdges(1920, 1080, 10, 1, 0),
              (Edges{121, 221, 321, 421, 521, 621, 721, 821, 921, 1021, 1121}));
    EXPECT_EQ(figureState.maxRadius, 1121.4535850411492);
}

// In the preview the outer edge lies inside the start radius: the bands run inward and
// some are zero pixels wide.
TEST(FigureRadii, PreviewBandsRunInward) {
    StartFresh(152, 112, 10, 1, 0);
    SetUpFigures(figureState);
    EXPECT_EQ(figureState.maxRadius, 114.40338976964757);
    const int32_t inner[] = {121, 120, 119, 119, 118, 117, 117, 116, 115, 115};
    const int32_t outer[] = {120, 119, 119, 118, 117, 117, 116, 115, 115, 114};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(figureState.innerRadius[i], inner[i]) << i;
        EXPECT_EQ(figureState.outerRadius[i], outer[i]) << i;
        EXPECT_EQ(figureState.innerRadius[i] == figureState.outerRadius[i],
                  i == 2 || i == 5 || i == 8)
            << i;
    }
    EXPECT_EQ(SetUpEdges(152, 112, 10, 0, 0),
              (Edges{30, 38, 46, 55, 63, 72, 80, 89, 97, 105, 114}));
}

TEST(FigureRadii, SingleBandAndNoBand) {
    EXPECT_EQ(SetUpEdges(640, 480, 1, 1, 0), (Edges{121, 420}));
    // No figures: the size, clock and maxRadius are still set up.
    StartFresh(640, 480, 0, 1, 0);
    SetUpFigures(figureState);
    EXPECT_EQ(figureState.width, 640);
    EXPECT_EQ(figureState.height, 480);
    EXPECT_EQ(figureState.clock, 0.04);
    EXPECT_EQ(figureState.maxRadius, 420.0);
    EXPECT_EQ(figureState.firstTick, 0);
    EXPECT_EQ(figureState.innerRadius[0], 0);
}

// Neighbouring bands meet edge to edge for every count.
TEST(FigureRadii, NeighboursShareTheirEdge) {
    for (int32_t count = 1; count <= MAX_FIGURES; ++count) {
        SetUpEdges(1366, 768, count, 1, count % 2);
        for (int32_t i = 0; i + 1 < count; ++i) {
            ASSERT_EQ(figureState.outerRadius[i], figureState.innerRadius[i + 1]) << count;
        }
    }
}

// A client rectangle not at the origin gives the same size.
TEST(FigureRadii, SizeIsTheRectangleDifference) {
    StartFresh(0, 0, 10, 1, 0);
    figureState.clientRect = ClientRect{100, 50, 1124, 818};
    SetUpFigures(figureState);
    EXPECT_EQ(figureState.width, 1024);
    EXPECT_EQ(figureState.height, 768);
    EXPECT_EQ(figureState.maxRadius, 660.0);
}

// The squared diagonal is exact beyond 32 bits and unchanged where 32 bits suffice.
TEST(FigureRadii, HugeClientAreasGiveTheTrueRadius) {
    StartFresh(32768, 32768, 10, 1, 0); // 2^31: one more than 32 bits hold
    SetUpFigures(figureState);
    EXPECT_EQ(figureState.maxRadius, std::sqrt(536870912.0) + 20.0);
    StartFresh(100000, 60000, 10, 1, 0);
    SetUpFigures(figureState);
    EXPECT_EQ(figureState.maxRadius, std::sqrt(3400000000.0) + 20.0);
    EXPECT_EQ(figureState.outerRadius[9], static_cast<int32_t>(std::sqrt(3400000000.0) + 20.0));
    StartFresh(INT32_MAX, INT32_MAX, 10, 1, 0);
    SetUpFigures(figureState);
    EXPECT_NEAR(figureState.maxRadius, INT32_MAX / std::sqrt(2.0) + 20.0, 1.0);
    EXPECT_GT(figureState.outerRadius[9], 1500000000);
    // Largest sizes within 32 bits: the value the 32-bit formula gives.
    const int32_t sizes[][2] = {{46340, 1}, {32767, 32767}, {30000, 35000}, {152, 112}};
    for (const auto &size : sizes) {
        StartFresh(size[0], size[1], 1, 1, 0);
        SetUpFigures(figureState);
        const int32_t q = (size[0] * size[0] + size[1] * size[1]) / 4;
        EXPECT_EQ(figureState.maxRadius, std::sqrt(static_cast<double>(q)) + 20.0);
    }
}

TEST(FigurePhases, WholeNumbersFromTheRandomInteger) {
    EXPECT_EQ(PhaseOf(0), 0.0);
    EXPECT_EQ(PhaseOf(546), 0.0);
    EXPECT_EQ(PhaseOf(547), 1.0);
    EXPECT_EQ(PhaseOf(32766), 59.0);
    EXPECT_EQ(PhaseOf(32767), 60.0);
    for (int32_t r = 0; r < 32767; ++r) {
        const double phase = PhaseOf(r);
        ASSERT_EQ(phase, std::trunc(phase));
        ASSERT_GE(phase, 0.0);
        ASSERT_LE(phase, 59.0) << r;
    }
}

TEST(FigurePhases, SetUpDrawsOneValuePerFigureInOrder) {
    StartFresh(1024, 768, 50, 1, 0);
    UseFixedSeed(777);
    SetUpFigures(figureState);
    SeedRandom(777);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(figureState.phase[i], PhaseOf(NextRandom())) << i;
        EXPECT_EQ(figureState.prevAngle[i], std::sin(figureState.phase[i]) * 6.283185308);
    }
    // The same seed repeats the figures; another seed gives others.
    double first[50];
    std::memcpy(first, figureState.phase, sizeof first);
    StartFresh(1024, 768, 50, 1, 0);
    UseFixedSeed(777);
    SetUpFigures(figureState);
    EXPECT_EQ(std::memcmp(first, figureState.phase, sizeof first), 0);
    UseFixedSeed(778);
    StartFresh(1024, 768, 50, 1, 0);
    UseFixedSeed(778);
    SetUpFigures(figureState);
    EXPECT_NE(std::memcmp(first, figureState.phase, sizeof first), 0);
}

TEST(FigurePhases, PhaseZeroStartsAtAngleZero) {
    StartFresh(1024, 768, 10, 1, 0);
    for (uint32_t seed = 0;; ++seed) { // find a seed whose first figure has phase 0
        SeedRandom(seed);
        if (PhaseOf(NextRandom()) == 0.0) {
            UseFixedSeed(seed);
            break;
        }
    }
    SetUpFigures(figureState);
    ASSERT_EQ(figureState.phase[0], 0.0);
    EXPECT_EQ(figureState.prevAngle[0], 0.0);
}

TEST(RandomGenerator, UniformOverFifteenBits) {
    SeedRandom(20261208);
    int buckets[16] = {};
    const int draws = 160000;
    int32_t lowest = 32767;
    int32_t highest = 0;
    for (int k = 0; k < draws; ++k) {
        const int32_t r = NextRandom();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
        lowest = r < lowest ? r : lowest;
        highest = r > highest ? r : highest;
        ++buckets[r / 2048];
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
    for (int b = 0; b < 16; ++b) {
        EXPECT_NEAR(buckets[b], draws / 16, draws / 16 / 20) << b; // within 5 %
    }
}

// Each figure swings within two turns either way; one back-and-forth lasts
// 120 / loopsPerMinute seconds of clock.
TEST(MotionLaw, SwingsTwoTurnsEachWayWithThePeriodOfTheSpeed) {
    StartFresh(1024, 768, 1, 1, 0);
    SetUpFigures(figureState);
    figureState.phase[0] = 0.0;
    for (int32_t loops = 1; loops <= 10; ++loops) {
        saverSettings.loopsPerMinute = loops;
        const double period = 120.0 / loops;
        figureState.clock = period / 4; // a quarter period: the top of the swing
        UpdateAngle(figureState, 0);
        EXPECT_NEAR(figureState.angle[0], 6.283185308, 1e-9) << loops;
        EXPECT_LE(std::fabs(figureState.angle[0]), 6.283185308);
        figureState.clock = 3 * period / 4;
        UpdateAngle(figureState, 0);
        EXPECT_NEAR(figureState.angle[0], -6.283185308, 1e-9) << loops;
        figureState.clock = period;
        UpdateAngle(figureState, 0);
        EXPECT_NEAR(figureState.angle[0], 0.0, 1e-8) << loops;
    }
}

// The first tick computes at clock 0.04 and starts from the angle at clock 0.
TEST(MotionLaw, FirstTickMovesFromClockZero) {
    StartFresh(1024, 768, 10, 1, 0);
    SetUpFigures(figureState);
    for (int i = 0; i < 10; ++i) {
        const double atZero = std::sin(((2.0 * 0.0) * 0.052359877566666664) + figureState.phase[i]);
        EXPECT_EQ(figureState.prevAngle[i], atZero * 6.283185308);
        UpdateAngle(figureState, i);
        const double step = figureState.angle[i] - figureState.prevAngle[i];
        EXPECT_GT(std::fabs(step), 0.0);
        EXPECT_LT(std::fabs(step), 6.283185308 * 2.0 * 0.04 * 0.052359877566666664 * 1.0001);
    }
}

// The clock accumulates 0.04 per tick: the 90000th tick computes at 3599.999999997306,
// the 90001st at 0.0, the 90002nd at 0.04; then the cycle repeats every 90001 ticks.
TEST(AnimationClock, WrapsAfterThe90000thTick) {
    StartFresh(1024, 768, 0, 1, 0);
    SetUpFigures(figureState);
    std::vector<double> clockAt(180004);
    for (int tick = 1; tick <= 180003; ++tick) {
        clockAt[tick] = figureState.clock;
        FinishTick(figureState);
    }
    EXPECT_EQ(clockAt[1], 0.04);
    EXPECT_EQ(clockAt[2], 0.08);
    EXPECT_EQ(clockAt[90000], 3599.999999997306);
    EXPECT_EQ(clockAt[90001], 0.0);
    EXPECT_EQ(clockAt[90002], 0.04);
    EXPECT_EQ(clockAt[180001], 3599.999999997306);
    EXPECT_EQ(clockAt[180002], 0.0);
    EXPECT_EQ(clockAt[180003], 0.04);
    for (int tick = 1; tick <= 180003; ++tick) {
        ASSERT_LT(clockAt[tick], 3600.0);
        if (tick != 90001 && tick != 180002) {
            ASSERT_GT(clockAt[tick], 0.0) << tick;
        }
    }
}

// Around the wrap the angles follow one continuous motion, for every speed: the angle at
// clock 0.0 is the one at 3600 s to within the 2.5e-7 rad by which 3600 s of motion
// exceeds whole periods, so the wrap makes no visible jump.
TEST(AnimationClock, AnglesAreContinuousAcrossTheWrap) {
    StartFresh(1024, 768, 1, 1, 0);
    SetUpFigures(figureState);
    figureState.phase[0] = 1.0;
    for (int32_t loops = 1; loops <= 10; ++loops) {
        saverSettings.loopsPerMinute = loops;
        figureState.clock = 3600.0;
        UpdateAngle(figureState, 0);
        const double at3600 = figureState.angle[0];
        figureState.clock = 3599.999999997306;
        UpdateAngle(figureState, 0);
        const double last = figureState.angle[0];
        figureState.clock = 0.0;
        UpdateAngle(figureState, 0);
        const double afterWrap = figureState.angle[0];
        EXPECT_NEAR(afterWrap, at3600, 6.283185308 * 2.5e-7) << loops;
        EXPECT_NEAR(afterWrap, last, 6.283185308 * 2.6e-7) << loops;
    }
}

TEST(AnimationClock, FinishTickKeepsTheAnglesDrawn) {
    StartFresh(1024, 768, 5, 1, 0);
    SetUpFigures(figureState);
    for (int i = 0; i < 5; ++i) {
        UpdateAngle(figureState, i);
    }
    FinishTick(figureState);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(figureState.prevAngle[i], figureState.angle[i]);
    }
    EXPECT_EQ(figureState.clock, 0.08);
}

// Several pictures from one seeding: the first gets a single picture's phases, each
// further one the generator's next values; every picture has its own size and bands.
TEST(SeveralPictures, FirstMatchesASinglePictureOthersContinueTheGenerator) {
    StartFresh(1024, 768, 10, 1, 0);
    SetUpFigures(figureState);
    const FigureState single = figureState;
    FigureState pictures[2] = {FreshFigures({0, 0, 1024, 768}), FreshFigures({0, 0, 800, 600})};
    SetUpPictures(pictures, 2);
    SeedRandom(12345);
    for (int i = 0; i < 20; ++i) {
        const FigureState &picture = pictures[i / 10];
        EXPECT_EQ(picture.phase[i % 10], PhaseOf(NextRandom())) << i;
    }
    EXPECT_EQ(pictures[0].maxRadius, single.maxRadius);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(pictures[0].prevAngle[i], single.prevAngle[i]) << i;
        EXPECT_EQ(pictures[0].innerRadius[i], single.innerRadius[i]) << i;
        EXPECT_EQ(pictures[0].outerRadius[i], single.outerRadius[i]) << i;
    }
    EXPECT_EQ(pictures[1].width, 800);
    EXPECT_EQ(pictures[1].maxRadius, 520.0);
    EXPECT_EQ(pictures[1].firstTick, 0);
    EXPECT_EQ(pictures[1].innerRadius[0], 121);
    EXPECT_EQ(pictures[1].outerRadius[9], 520);
}

// Whatever the settings hold, the arrays are indexed within their bounds.
TEST(FigureCountBounds, CountIsHeldWithinTheArrays) {
    saverSettings.count = 51;
    EXPECT_EQ(FigureCount(), MAX_FIGURES);
    saverSettings.count = -4;
    EXPECT_EQ(FigureCount(), 0);
    saverSettings.count = 50;
    EXPECT_EQ(FigureCount(), 50);
    saverSettings.count = 0;
    EXPECT_EQ(FigureCount(), 0);
}

} // namespace
