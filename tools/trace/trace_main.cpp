// sinuet-trace: runs the animation core headless, tick by tick as the saver's timer does,
// and prints every drawing call, one per line.
//
// Output, fields separated by single blanks, doubles with %.17g:
//   setup WIDTH HEIGHT MAXRADIUS            once, after the set-up
//   figure I PHASE INNER OUTER PREVANGLE    for each figure, right after the setup line
//   tick N CLOCK                            at the start of each tick's drawing
//   blit X Y W H                            the frog picture (188 x 149) is copied
//   pen ID COLOUR                           a pen is created (ID from 1, COLOUR 0xBBGGRR)
//   select ID / delete ID                   a pen is selected / deleted (0: the stock pen)
//   move X Y / line X Y                     a segment is drawn
//
// --phases P0,P1,... replaces the random phases: the set-up runs as usual (seeded with
// the calendar time, but it draws nothing), then each phase[i] is set to Pi and
// prevAngle[i] to sin(Pi) * 6.283185308, as the set-up computes it, before the setup and
// figure lines are printed and before the first tick's frog picture and figures.
#include "drawing_recorder.h"
#include "figures.h"
#include "settings.h"
#include "tick.h"
#include "trace_options.h"

#include <cmath>
#include <cstdio>

static const int32_t FROG_WIDTH = 188;
static const int32_t FROG_HEIGHT = 149;

static FigureState figureState = FreshFigures({0, 0, 0, 0});

static void ReplacePhases(const TraceOptions &options) {
    for (int32_t i = 0; i < options.phaseCount; ++i) {
        figureState.phase[i] = static_cast<double>(options.phases[i]);
        figureState.prevAngle[i] = std::sin(figureState.phase[i]) * 6.283185308;
    }
}

static void PrintSetUp() {
    const FigureState &f = figureState;
    std::printf("setup %ld %ld %.17g\n", static_cast<long>(f.width), static_cast<long>(f.height),
                f.maxRadius);
    for (int32_t i = 0; i < FigureCount(); ++i) {
        std::printf("figure %ld %.17g %ld %ld %.17g\n", static_cast<long>(i), f.phase[i],
                    static_cast<long>(f.innerRadius[i]), static_cast<long>(f.outerRadius[i]),
                    f.prevAngle[i]);
    }
}

static void RecordFrog(void *recorder, int32_t, const FigureState &picture) {
    if (FrogDueThisTick(picture)) {
        const FrogPlacement place = PlaceFrog(picture, FROG_WIDTH, FROG_HEIGHT);
        RecordBlit(*static_cast<DrawingRecorder *>(recorder), place.x, place.y, FROG_WIDTH,
                   FROG_HEIGHT);
    }
}

// One timer tick as the saver runs it; the set-up is printed, and its phases replaced first
// when they are given.
static void RunTick(int32_t n, const TraceOptions &options, DrawingRecorder &recorder) {
    if (figureState.firstTick == 1) {
        SetUpFigures(figureState);
        ReplacePhases(options);
        PrintSetUp();
    }
    std::printf("tick %ld %.17g\n", static_cast<long>(n), figureState.clock);
    TickPictures(&figureState, 1, {RecordingContext(recorder), &recorder, nullptr, RecordFrog});
    for (const DrawCall &call : recorder.calls) {
        PrintDrawCall(stdout, call);
    }
    recorder.calls.clear();
}

int main(int argc, char **argv) {
    TraceOptions options;
    if (!ParseTraceOptions(argc, argv, options)) {
        return 2;
    }
    saverSettings = options.settings;
    if (options.seedGiven) {
        UseFixedSeed(options.seed);
    }
    figureState = FreshFigures({0, 0, options.width, options.height});
    DrawingRecorder recorder;
    for (int32_t n = 1; n <= options.ticks; ++n) {
        RunTick(n, options, recorder);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
