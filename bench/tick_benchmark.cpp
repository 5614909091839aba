// One tick of the animation core against its floor: the sines and cosines of the same
// angles. Each benchmark iteration runs one full swing period of consecutive ticks
// (3000 / loops ticks; the first iteration starts after 100 ticks of warm-up) through a
// drawing seam that does nothing. The period is taken in chunks of a few consecutive
// ticks (about 30000 segments): a chunk's ticks are timed, then the floor for the same
// ticks' angles, so that both see the same machine load. Times are the thread's CPU
// time, which leaves out the time the thread waits while other processes run. The Time
// column is the time per tick; the counters give the segments computed per tick, the tick
// and floor times in milliseconds, their ratio and the tick's share of the 40 ms timer
// period in percent.
#include "tick_angles.h"

#include "drawing_context.h"
#include "drawing_recorder.h"
#include "figures.h"
#include "settings.h"
#include "tick.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <time.h>
#include <vector>

static const int32_t WARM_UP_TICKS = 100;
static const double BUDGET_SECONDS = 0.040;

static FigureState figureState = FreshFigures({0, 0, 0, 0});

static PenHandle NullCreatePen(void *, int32_t, uint32_t) {
    return 1;
}
static PenHandle NullSelectPen(void *, PenHandle) {
    return 1;
}
static void NullDeletePen(void *, PenHandle) {}
static void NullDrawLines(void *, const LineSegment *, int32_t) {}

static const DrawingContext NULL_CONTEXT = {nullptr, NullCreatePen, NullSelectPen, NullDeletePen,
                                            NullDrawLines};

// The sines and cosines the tick evaluates, on the same angles, and nothing else. Written
// as the core writes them (a sine and a cosine of one angle), so the compiler treats both
// alike.
__attribute__((noinline)) static void EvaluateFloor(const TickAngles &angles) {
    for (const double x : angles.motion) {
        double s = std::sin(x);
        benchmark::DoNotOptimize(s);
    }
    for (const double theta : angles.segment) {
        double s = std::sin(theta);
        double k = std::cos(theta);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(k);
    }
}

static void RunCoreTick(const DrawingContext &context) {
    const auto frog = [](void *, int32_t, const FigureState &picture) {
        int due = FrogDueThisTick(picture);
        benchmark::DoNotOptimize(due);
    };
    TickPictures(&figureState, 1, {context, nullptr, nullptr, frog});
}

static void SetUpRun(int32_t width, int32_t height, int32_t count, int32_t loops, int32_t tilted) {
    saverSettings = SaverSettings{count, loops, 1, 1, tilted, 0xFF0080};
    figureState = FreshFigures({0, 0, width, height});
    UseFixedSeed(20261208);
    SetUpFigures(figureState);
    for (int32_t n = 0; n < WARM_UP_TICKS; ++n) {
        RunCoreTick(NULL_CONTEXT);
    }
}

// Whether the collected angles are the tick's own: one tick is drawn into a recorder and
// compared with the segments the angles give. The figure state is left as it was.
static bool AnglesMatchTick() {
    const FigureState before = figureState;
    TickAngles angles;
    CollectTickAngles(figureState, angles);
    std::vector<int32_t> expected;
    ExpectedSegments(figureState, angles, expected);
    figureState = before;
    DrawingRecorder recorder;
    DrawFigures(RecordingContext(recorder), figureState);
    figureState = before;
    std::vector<int32_t> drawn;
    for (const DrawCall &call : recorder.calls) {
        if (call.kind == CALL_MOVE || call.kind == CALL_LINE) {
            drawn.push_back(call.a);
            drawn.push_back(call.b);
        }
    }
    return drawn == expected && !expected.empty();
}

// The calling thread's CPU time in seconds.
static double ThreadSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Segments per timed chunk: enough that reading the clock costs nothing in comparison.
static const size_t CHUNK_SEGMENTS = 30000;

struct ChunkTimes {
    double tick;
    double floor;
    double segments;
};

// Up to `limit` consecutive ticks: their angles are collected, the figure state is put
// back, the ticks are run and timed, then the floor of their angles. Returns the number of
// ticks run; the figure state is left after the last of them.
static int32_t RunChunk(int32_t limit, TickAngles &angles, ChunkTimes &times) {
    const FigureState start = figureState;
    ClearTickAngles(angles);
    int32_t ticks = 0;
    while (ticks < limit && (ticks == 0 || angles.segment.size() < CHUNK_SEGMENTS)) {
        CollectTickAngles(figureState, angles);
        RunCoreTick(NULL_CONTEXT);
        ++ticks;
    }
    figureState = start;
    const double tickStart = ThreadSeconds();
    for (int32_t n = 0; n < ticks; ++n) {
        RunCoreTick(NULL_CONTEXT);
    }
    const double floorStart = ThreadSeconds();
    EvaluateFloor(angles);
    const double floorEnd = ThreadSeconds();
    times.tick += floorStart - tickStart;
    times.floor += floorEnd - floorStart;
    times.segments += static_cast<double>(angles.segment.size());
    return ticks;
}

static void BM_Tick(benchmark::State &state, int32_t width, int32_t height, int32_t count,
                    int32_t loops, int32_t tilted) {
    SetUpRun(width, height, count, loops, tilted);
    if (!AnglesMatchTick()) {
        state.SkipWithError("the floor's angles differ from the tick's");
        return;
    }
    const int32_t periodTicks = 3000 / loops;
    TickAngles angles;
    ChunkTimes total = {0.0, 0.0, 0.0};
    for (auto _ : state) {
        ChunkTimes period = {0.0, 0.0, 0.0};
        for (int32_t done = 0; done < periodTicks;) {
            done += RunChunk(periodTicks - done, angles, period);
        }
        state.SetIterationTime(period.tick / periodTicks); // the Time column: per tick
        total.tick += period.tick;
        total.floor += period.floor;
        total.segments += period.segments;
    }
    const double ticks = static_cast<double>(state.iterations()) * periodTicks;
    state.counters["segments"] = total.segments / ticks;
    state.counters["tick_ms"] = 1e3 * total.tick / ticks;
    state.counters["floor_ms"] = 1e3 * total.floor / ticks;
    state.counters["ratio"] = total.tick / total.floor;
    state.counters["budget_pct"] = 100.0 * total.tick / ticks / BUDGET_SECONDS;
}

// The rows: four screen sizes, 10 and 50 figures, 2 and 10 loops a minute, flat and
// tilted. Each run covers whole swing periods of 3000 / loops ticks: one for the largest
// rows, more for the smaller ones (up to 20), whose ticks are quicker, so that every run
// takes a comparable time.
static void RegisterRows() {
    const int32_t sizes[][2] = {{640, 480}, {1920, 1080}, {3840, 2160}, {7680, 4320}};
    const double largest = std::hypot(7680.0, 4320.0) * 50 * 3;
    for (const auto &size : sizes) {
        for (const int32_t count : {10, 50}) {
            for (const int32_t loops : {2, 10}) {
                for (const int32_t tilted : {0, 1}) {
                    const double work = std::hypot(size[0], size[1]) * count * (tilted ? 3 : 1);
                    const int64_t periods = std::min<int64_t>(
                        20, std::max<int64_t>(1, static_cast<int64_t>(largest / work)));
                    const std::string name =
                        "tick/" + std::to_string(size[0]) + "x" + std::to_string(size[1]) +
                        "/count:" + std::to_string(count) + "/loops:" + std::to_string(loops) +
                        (tilted ? "/tilted" : "/flat");
                    benchmark::RegisterBenchmark(name.c_str(), BM_Tick, size[0], size[1], count,
                                                 loops, tilted)
                        ->Iterations(periods)
                        ->UseManualTime()
                        ->Unit(benchmark::kMillisecond);
                }
            }
        }
    }
}

int main(int argc, char **argv) {
    RegisterRows();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
