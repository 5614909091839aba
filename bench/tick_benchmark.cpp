// One tick of the animation core against its floor: the sines and cosines of the same
// angles. Each benchmark runs one full swing period of consecutive ticks (3000 / loops
// ticks, after 100 ticks of warm-up) through a drawing seam that does nothing, and times
// each tick and, right after it, the floor for that tick's angles, so that both see the
// same machine load. The Time column is the time per tick; the counters give the segments
// computed per tick, the tick and floor times in milliseconds, their ratio and the tick's
// share of the 40 ms timer period in percent.
#include "tick_angles.h"

#include "drawing_context.h"
#include "drawing_recorder.h"
#include "figures.h"
#include "settings.h"
#include "tick.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

static const int32_t WARM_UP_TICKS = 100;
static const double BUDGET_SECONDS = 0.040;

static PenHandle NullCreatePen(void *, int32_t, uint32_t) {
    return 1;
}
static PenHandle NullSelectPen(void *, PenHandle) {
    return 1;
}
static void NullDeletePen(void *, PenHandle) {}
static void NullMoveTo(void *, int32_t, int32_t) {}
static void NullLineTo(void *, int32_t, int32_t) {}

static const DrawingContext NULL_CONTEXT = {nullptr,       NullCreatePen, NullSelectPen,
                                            NullDeletePen, NullMoveTo,    NullLineTo};

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
    int due = FrogDueThisTick();
    benchmark::DoNotOptimize(due);
    DrawFigures(context);
    FinishTick();
}

static void SetUpRun(int32_t width, int32_t height, int32_t count, int32_t loops, int32_t tilted) {
    saverSettings = SaverSettings{count, loops, 1, 1, tilted, 0xFF0080};
    figureState = FigureState{};
    figureState.firstTick = 1;
    figureState.clientRect = ClientRect{0, 0, width, height};
    UseFixedSeed(20261208);
    SetUpFigures();
    for (int32_t n = 0; n < WARM_UP_TICKS; ++n) {
        RunCoreTick(NULL_CONTEXT);
    }
}

// Whether the collected angles are the tick's own: one tick is drawn into a recorder and
// compared with the segments the angles give. The figure state is left as it was.
static bool AnglesMatchTick() {
    const FigureState before = figureState;
    TickAngles angles;
    CollectTickAngles(angles);
    std::vector<int32_t> expected;
    ExpectedSegments(angles, expected);
    figureState = before;
    DrawingRecorder recorder;
    DrawFigures(RecordingContext(recorder));
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

static double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

static void BM_Tick(benchmark::State &state, int32_t width, int32_t height, int32_t count,
                    int32_t loops, int32_t tilted) {
    SetUpRun(width, height, count, loops, tilted);
    if (!AnglesMatchTick()) {
        state.SkipWithError("the floor's angles differ from the tick's");
        return;
    }
    TickAngles angles;
    double tickSeconds = 0.0;
    double floorSeconds = 0.0;
    double segments = 0.0;
    for (auto _ : state) {
        CollectTickAngles(angles); // not timed: only the manual times below count
        const auto tickStart = std::chrono::steady_clock::now();
        RunCoreTick(NULL_CONTEXT);
        const double tick = SecondsSince(tickStart);
        const auto floorStart = std::chrono::steady_clock::now();
        EvaluateFloor(angles);
        const double floor = SecondsSince(floorStart);
        state.SetIterationTime(tick);
        tickSeconds += tick;
        floorSeconds += floor;
        segments += static_cast<double>(angles.segment.size());
    }
    const double ticks = static_cast<double>(state.iterations());
    state.counters["segments"] = segments / ticks;
    state.counters["tick_ms"] = 1e3 * tickSeconds / ticks;
    state.counters["floor_ms"] = 1e3 * floorSeconds / ticks;
    state.counters["ratio"] = tickSeconds / floorSeconds;
    state.counters["budget_pct"] = 100.0 * tickSeconds / ticks / BUDGET_SECONDS;
}

// The rows: four screen sizes, 10 and 50 figures, 2 and 10 loops a minute, flat and
// tilted. Each run covers whole swing periods of 3000 / loops ticks: one for the largest
// rows, more for the smaller ones (up to 50), whose ticks are quicker, so that every run
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
                        50, std::max<int64_t>(1, static_cast<int64_t>(largest / work)));
                    const std::string name =
                        "tick/" + std::to_string(size[0]) + "x" + std::to_string(size[1]) +
                        "/count:" + std::to_string(count) + "/loops:" + std::to_string(loops) +
                        (tilted ? "/tilted" : "/flat");
                    benchmark::RegisterBenchmark(name.c_str(), BM_Tick, size[0], size[1], count,
                                                 loops, tilted)
                        ->Iterations(periods * (3000 / loops))
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
