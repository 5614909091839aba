// The animation core over a little more than one cycle of its clock: 90100 ticks of 50
// figures in the tilted view, through a counting drawing context, with every allocation
// of the program counted.
#include "allocation_count.h"
#include "counting_context.h"
#include "figures.h"
#include "settings.h"
#include "tick.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace {

FigureState figureState = FreshFigures({0, 0, 0, 0});

const int32_t TICKS = 90100; // the clock wraps at the end of tick 90000

struct RunRecord {
    int32_t frogTicks[4];
    int32_t frogCount;
    double clockAt[4];          // the clock each of the ticks 1, 90000, 90001, 90002 computes at
    int32_t ticksWithStrayPens; // ticks that ended with other than one pen, the selected one
    uint64_t allocationsAfterFirstTick;
    uint64_t allocationsAtEnd;
    size_t heapAfterFirstTick;
    size_t heapAtEnd;
};

void StartSaver(int32_t width, int32_t height, int32_t count, int32_t view3D) {
    SetDefaultSettings(saverSettings);
    saverSettings.count = count;
    saverSettings.loopsPerMinute = 1;
    saverSettings.view3D = view3D;
    figureState = FreshFigures({0, 0, width, height});
    UseFixedSeed(20260101);
}

// What a tick watches: the frog's turn and the clock the figures draw at.
struct Watch {
    int32_t tick;
    RunRecord &record;
};

void WatchFrogAndClock(void *target, int32_t, const FigureState &picture) {
    Watch &watch = *static_cast<Watch *>(target);
    RunRecord &record = watch.record;
    if (FrogDueThisTick(picture) && record.frogCount < 4) {
        record.frogTicks[record.frogCount++] = watch.tick;
    }
    const int32_t watched[4] = {1, 90000, 90001, 90002};
    for (int k = 0; k < 4; ++k) {
        if (watch.tick == watched[k]) {
            record.clockAt[k] = picture.clock;
        }
    }
}

// One timer tick as the saver procedure runs it, the picture copy reduced to its turn.
void Tick(const DrawingContext &context, int32_t tick, RunRecord &record) {
    Watch watch = {tick, record};
    TickPictures(&figureState, 1, {context, &watch, nullptr, WatchFrogAndClock});
}

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void RunTicks(const DrawingContext &context, const PenCounts &counts, RunRecord &record) {
    record = RunRecord{};
    for (int32_t tick = 1; tick <= TICKS; ++tick) {
        Tick(context, tick, record);
        if (counts.liveCount != 1 || counts.live[0] != counts.selected) {
            ++record.ticksWithStrayPens;
        }
        if (tick == 1) {
            record.allocationsAfterFirstTick = AllocationCount();
            record.heapAfterFirstTick = HeapInUse();
        }
    }
    record.allocationsAtEnd = AllocationCount();
    record.heapAtEnd = HeapInUse();
}

TEST(LongRun, FullClockCycleKeepsPensFrogAndHeapSteady) {
    const int32_t width = 320, height = 240, count = 50;
    StartSaver(width, height, count, 1);
    PenCounts counts;
    const DrawingContext context = CountingContext(counts, width, height);
    RunRecord record;
    RunTicks(context, counts, record);

    // Pens: two per figure and tick; all but the last erasing pen freed during the run,
    // that one freed when the window goes.
    const uint64_t pens = 2ull * count * TICKS;
    EXPECT_EQ(counts.created, pens);
    EXPECT_EQ(counts.deleted, pens - 1);
    EXPECT_EQ(record.ticksWithStrayPens, 0);
    ReleaseSelectedPen(context);
    EXPECT_EQ(counts.deleted, pens);
    EXPECT_EQ(counts.liveCount, 0);
    EXPECT_EQ(counts.selected, 0u);
    EXPECT_EQ(PenFaults(counts), 0u)
        << "freed while selected " << counts.deletedWhileSelected << ", unknown "
        << counts.unknownDeletes << ", moves outside " << counts.movesOutside;
    EXPECT_GT(counts.moves, 0u);

    // The clock: 0.04 at the first tick, just under 3600 at the 90000th, wrapped to 0 for
    // the 90001st and back at 0.04 for the 90002nd, the only other tick with the frog.
    EXPECT_EQ(record.clockAt[0], 0.04);
    EXPECT_EQ(record.clockAt[1], 3599.999999997306);
    EXPECT_EQ(record.clockAt[2], 0.0);
    EXPECT_EQ(record.clockAt[3], 0.04);
    ASSERT_EQ(record.frogCount, 2);
    EXPECT_EQ(record.frogTicks[0], 1);
    EXPECT_EQ(record.frogTicks[1], 90002);

    EXPECT_EQ(record.allocationsAtEnd, record.allocationsAfterFirstTick);
    EXPECT_EQ(record.heapAtEnd, record.heapAfterFirstTick);
    std::printf("long run: %d ticks, %llu pens created and freed, %llu segments drawn, "
                "%llu allocations during the ticks\n",
                TICKS, static_cast<unsigned long long>(counts.created),
                static_cast<unsigned long long>(counts.lines),
                static_cast<unsigned long long>(record.allocationsAtEnd -
                                                record.allocationsAfterFirstTick));
}

} // namespace
