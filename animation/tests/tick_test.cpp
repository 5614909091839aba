// The platform-free steps of a tick: where and when the frog picture goes, and the
// figures drawn in order.
#include "core_test_support.h"
#include "sweep.h"
#include "tick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

FrogPlacement FrogAt(int32_t width, int32_t height, int32_t view3D) {
    StartFresh(width, height, 10, 1, view3D);
    SetUpFigures(figureState);
    return PlaceFrog(figureState, 188, 149);
}

TEST(PlaceFrog, CentredAndRaisedInTheTiltedView) {
    const struct {
        int32_t width, height, view3D, x, y;
    } cases[] = {{1024, 768, 0, 418, 310},
                 {1024, 768, 1, 418, 118},
                 {1920, 1080, 0, 866, 466},
                 {1920, 1080, 1, 866, 196},
                 {152, 112, 0, -18, -18}};
    for (const auto &c : cases) {
        const FrogPlacement place = FrogAt(c.width, c.height, c.view3D);
        EXPECT_EQ(place.x, c.x) << c.width << "x" << c.height << " " << c.view3D;
        EXPECT_EQ(place.y, c.y) << c.width << "x" << c.height << " " << c.view3D;
    }
}

// Each division truncates on its own: odd sizes lose their halves separately.
TEST(PlaceFrog, DivisionsTruncateSeparately) {
    StartFresh(1023, 767, 10, 1, 1);
    SetUpFigures(figureState);
    const FrogPlacement place = PlaceFrog(figureState, 189, 151);
    EXPECT_EQ(place.x, 511 - 94);
    EXPECT_EQ(place.y, 383 - 75 - 191);
}

// Over 90002 ticks the frog is due at the first tick and again at the 90002nd, the second
// after the clock's wrap; never when it is hidden.
TEST(FrogDue, FirstTickAndSecondTickAfterTheWrap) {
    for (int32_t showFrog : {1, 0}) {
        StartFresh(1024, 768, 0, showFrog, 0);
        SetUpFigures(figureState);
        std::vector<int> due;
        for (int tick = 1; tick <= 90002; ++tick) {
            if (FrogDueThisTick(figureState)) {
                due.push_back(tick);
            }
            FinishTick(figureState);
        }
        if (showFrog == 1) {
            EXPECT_EQ(due, (std::vector<int>{1, 90002}));
        } else {
            EXPECT_TRUE(due.empty());
        }
    }
}

// The tick draws the figures in ascending order, each right after its angle is updated,
// and keeps every figure's pen sequence.
TEST(DrawFigures, EveryFigureInOrderWithItsOwnPens) {
    StartFresh(1024, 768, 10, 1, 0);
    SetUpFigures(figureState);
    DrawingRecorder recorder;
    DrawFigures(RecordingContext(recorder), figureState);
    const std::vector<DrawCall> pens = CallsOf(recorder, CALL_PEN);
    ASSERT_EQ(pens.size(), 20u);
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(pens[2 * i].colour, BandColor(i)) << i;
        EXPECT_EQ(pens[2 * i + 1].colour, 0u) << i;
    }
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(figureState.angle[i],
                  std::sin(((2.0 * 0.04) * 0.052359877566666664) + figureState.phase[i]) *
                      6.283185308);
    }
    // The second figure deletes the first figure's erasing pen.
    const std::vector<DrawCall> deletes = CallsOf(recorder, CALL_DELETE);
    ASSERT_EQ(deletes.size(), 20u);
    EXPECT_EQ(deletes[0].a, 0);
    EXPECT_EQ(deletes[1].a, 1);
    EXPECT_EQ(deletes[2].a, 2);
    EXPECT_EQ(deletes[3].a, 3);
}

// In the 152 x 112 preview with the frog shown no inner point ever lies inside the
// window, in either view; with the frog hidden the inner figures are drawn.
TEST(DrawFigures, PreviewWithFrogDrawsNoSegment) {
    for (int32_t view3D : {0, 1}) {
        for (int32_t showFrog : {1, 0}) {
            StartFresh(152, 112, 10, showFrog, view3D);
            saverSettings.loopsPerMinute = 10;
            DrawingRecorder recorder;
            size_t lines = 0;
            for (int tick = 0; tick < 300; ++tick) { // a whole period at 10 loops
                RecordTick(recorder);
                lines += CallsOf(recorder, CALL_LINE).size();
                recorder.calls.clear();
            }
            if (showFrog == 1) {
                EXPECT_EQ(lines, 0u) << view3D;
            } else {
                EXPECT_GT(lines, 0u) << view3D;
            }
        }
    }
}

} // namespace

// What the shell saw of a tick: per call {1 start or 2 frog, picture, drawing calls made
// before it, frog due}.
struct ShellLog {
    DrawingRecorder recorder;
    std::vector<std::vector<size_t>> events;
};

void Note(void *target, size_t call, int32_t n, const FigureState &picture) {
    ShellLog &log = *static_cast<ShellLog *>(target);
    log.events.push_back({call, static_cast<size_t>(n), log.recorder.calls.size(),
                          static_cast<size_t>(FrogDueThisTick(picture))});
}

// Two pictures: set up together before the first one starts (the frog is due at once), each
// in turn given its frog's turn before its figures and drawn before the next one starts; no
// second set-up (the clocks step on).
TEST(TickPictures, EachPictureInTurnAfterOneSetUp) {
    StartFresh(0, 0, 3, 1, 0);
    FigureState pictures[2] = {FreshFigures({0, 0, 400, 300}), FreshFigures({400, 0, 900, 300})};
    ShellLog log;
    const PictureShell shell = {
        RecordingContext(log.recorder), &log,
        [](void *target, int32_t n, const FigureState &picture) { Note(target, 1, n, picture); },
        [](void *target, int32_t n, const FigureState &picture) { Note(target, 2, n, picture); }};
    TickPictures(pictures, 2, shell);
    ASSERT_EQ(log.events.size(), 4u);
    const size_t first = log.events[2][2];
    EXPECT_GT(first, 0u);
    EXPECT_EQ(log.events, (std::vector<std::vector<size_t>>{
                              {1, 0, 0, 1}, {2, 0, 0, 1}, {1, 1, first, 1}, {2, 1, first, 1}}));
    log.events.clear();
    TickPictures(pictures, 2, shell);
    EXPECT_EQ(log.events[3], (std::vector<size_t>{2, 1, log.events[2][2], 0}));
    EXPECT_EQ(pictures[0].clock, 0.04 + 0.04 + 0.04);
    EXPECT_EQ(pictures[1].clock, 0.04 + 0.04 + 0.04);
}
