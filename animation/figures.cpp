// The figure model: set-up of the bands at the first tick, the motion law and the end of
// a tick.
#include "figures.h"

#include "settings.h"

#include <cmath>
#include <ctime>

static const double SWING = 6.283185308;               // amplitude: two full turns
static const double PHASE_RATE = 0.052359877566666664; // 6.283185308 / 120 per loop and second
static const double TICK_SECONDS = 0.04;
static const double CLOCK_WRAP = 3600.0;

static int fixedSeedGiven = 0;
static uint32_t fixedSeed = 0;

void UseFixedSeed(uint32_t seed) {
    fixedSeedGiven = 1;
    fixedSeed = seed;
}

FigureState FreshFigures(ClientRect clientRect) {
    FigureState f = {1, clientRect, 0, 0, 0.0, 0.0, {}, {}, {}, {}, {}};
    return f;
}

int32_t FigureCount() {
    const int32_t count = saverSettings.count;
    if (count < 0) {
        return 0;
    }
    return count > MAX_FIGURES ? MAX_FIGURES : count;
}

// Half the client diagonal plus 20 pixels. The squared diagonal is formed in 64 bits, so
// that client areas beyond 32 bits give the true value instead of an overflow.
static double MaxRadiusOf(int32_t width, int32_t height) {
    const uint64_t w = static_cast<uint64_t>(width < 0 ? -static_cast<int64_t>(width) : width);
    const uint64_t h = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    const uint64_t quarter = (w * w + h * h) / 4;
    return std::sqrt(static_cast<double>(quarter)) + 20.0;
}

double PhaseOf(int32_t r) {
    return static_cast<double>((60 * r) / 32767);
}

static int32_t BandEdge(double startRadius, double span, int32_t k, int32_t count) {
    const double radius = startRadius + (static_cast<double>(k) * span) / count;
    const int32_t edge = static_cast<int32_t>(radius);
    return edge < 0 ? -edge : edge;
}

void SetUpFigures(FigureState &f) {
    SeedRandom(fixedSeedGiven ? fixedSeed : static_cast<uint32_t>(std::time(nullptr)));
    SetUpFiguresWithoutSeeding(f);
}

void SetUpPictures(FigureState *pictures, int32_t count) {
    if (count > 0) {
        SetUpFigures(pictures[0]);
    }
    for (int32_t n = 1; n < count; ++n) {
        SetUpFiguresWithoutSeeding(pictures[n]);
    }
}

void SetUpFiguresWithoutSeeding(FigureState &f) {
    const int32_t count = FigureCount();
    for (int32_t i = 0; i < count; ++i) {
        f.phase[i] = PhaseOf(NextRandom());
        f.prevAngle[i] = std::sin(f.phase[i]) * SWING;
    }
    // Formed in 64 bits and narrowed, so that no rectangle overflows the subtraction.
    f.width = static_cast<int32_t>(static_cast<int64_t>(f.clientRect.right) - f.clientRect.left);
    f.height = static_cast<int32_t>(static_cast<int64_t>(f.clientRect.bottom) - f.clientRect.top);
    f.clock = TICK_SECONDS;
    f.maxRadius = MaxRadiusOf(f.width, f.height);
    double startRadius = saverSettings.view3D == 1 ? 165.0 : 121.0;
    if (saverSettings.showFrog == 0) {
        startRadius = 30.0;
    }
    const double span = f.maxRadius - startRadius;
    for (int32_t i = 0; i < count; ++i) {
        f.innerRadius[i] = BandEdge(startRadius, span, i, count);
        f.outerRadius[i] = BandEdge(startRadius, span, i + 1, count);
    }
    f.firstTick = 0;
}

void UpdateAngle(FigureState &f, int32_t i) {
    const double loops = static_cast<double>(saverSettings.loopsPerMinute);
    f.angle[i] = std::sin(((loops * f.clock) * PHASE_RATE) + f.phase[i]) * SWING;
}

void FinishTick(FigureState &f) {
    f.clock = f.clock + TICK_SECONDS;
    if (f.clock >= CLOCK_WRAP) {
        f.clock = 0.0;
    }
    const int32_t count = FigureCount();
    for (int32_t i = 0; i < count; ++i) {
        f.prevAngle[i] = f.angle[i];
    }
}
