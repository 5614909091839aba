#include "close_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
TEST(MouseTravel, OnlyTravelAboveFourCloses) {
    const CursorPoint start = {100, 100};
    EXPECT_FALSE(TravelCloses(MouseTravel(start, {102, 102})));
    EXPECT_TRUE(TravelCloses(MouseTravel(start, {103, 102})));
    EXPECT_TRUE(TravelCloses(MouseTravel(start, {97, 98})));
    EXPECT_FALSE(TravelCloses(MouseTravel(start, {96, 100})));
    EXPECT_FALSE(TravelCloses(MouseTravel(start, start)));
}

TEST(MouseTravel, SmallMovesAddUpFromAFixedReference) {
    const CursorPoint reference = {10, 10};
    EXPECT_EQ(MouseTravel(reference, {12, 10}), 2u);
    EXPECT_EQ(MouseTravel(reference, {14, 10}), 4u);
    EXPECT_EQ(MouseTravel(reference, {16, 10}), 6u);
    EXPECT_TRUE(TravelCloses(MouseTravel(reference, {16, 10})));
}

TEST(MouseTravel, DistancesAcrossTheWholeCoordinateRangeDoNotOverflow) {
    EXPECT_EQ(MouseTravel({-1000, 0}, {1000, 0}), 2000u);
    EXPECT_EQ(MouseTravel({INT_MIN, 0}, {0, 0}), 0x80000000u);
}

TEST(VerifyPause, ElapsedTicksIsRightAcrossTheWrap) {
    EXPECT_EQ(ElapsedTicks(1000, 1250), 250u);
    EXPECT_EQ(ElapsedTicks(0xFFFFFF00u, 0x10), 0x110u);
}

TEST(VerifyPause, RefusesForTwoHundredMillisecondsAfterACheck) {
    EXPECT_TRUE(InVerifyPause(1000, 1000));
    EXPECT_TRUE(InVerifyPause(1000, 1199));
    EXPECT_FALSE(InVerifyPause(1000, 1200));
    EXPECT_FALSE(InVerifyPause(1000, 999)); // far in the past, modulo 2^32
}

TEST(VerifyPause, CountsThePauseAcrossTheWrapOfTheTickCounter) {
    EXPECT_TRUE(InVerifyPause(0xFFFFFFF0u, 0x50));
    EXPECT_FALSE(InVerifyPause(0xFFFFFF00u, 0x10));
}

TEST(VerifyPause, NoCheckYetNeverPauses) {
    for (uint32_t now : {0u, 5u, 0xFFFFFFFFu, 0x7FFFFFFFu})
        EXPECT_FALSE(InVerifyPause(0xFFFFFFFFu, now));
}
} // namespace
