// The angles one tick computes, collected by the rules of the motion law and the sweep
// (step count, angular step, band and erasing angles), so that the floor evaluates sine
// and cosine on exactly the tick's angles.
#include "tick_angles.h"

#include "figures.h"
#include "projection.h"
#include "settings.h"
#include "sweep.h"

#include <cmath>

static const double PHASE_RATE = 0.052359877566666664;

// One pass: the angles ((j * step + angle) - lag) + twist for j = -1 .. stepCount. The band
// pass has no lag; subtracting 0.0 leaves its sum (j * step + angle) exactly as it is.
static void AddPass(TickAngles &out, int32_t stepCount, double angleStep, double angle, double lag,
                    double twist, int32_t r1, int32_t r2) {
    TickPass pass = {static_cast<int32_t>(out.segment.size()), stepCount + 2, r1, r2};
    for (int32_t j = -1; j <= stepCount; ++j) {
        out.segment.push_back(((static_cast<double>(j) * angleStep + angle) - lag) + twist);
    }
    out.passes.push_back(pass);
}

void ClearTickAngles(TickAngles &angles) {
    angles.motion.clear();
    angles.segment.clear();
    angles.passes.clear();
}

void CollectTickAngles(FigureState &f, TickAngles &out) {
    const int32_t tilted = saverSettings.view3D == 1 ? 1 : 0;
    const int32_t stepFactor = tilted ? 3 : 1;
    const int32_t bandInset = tilted ? 4 : 2;
    const double bandTwist = tilted ? 0.15 : 0.0;
    const double eraseTwist = tilted ? 0.1 : 0.0;
    const double loops = static_cast<double>(saverSettings.loopsPerMinute);
    for (int32_t i = 0; i < FigureCount(); ++i) {
        out.motion.push_back(((loops * f.clock) * PHASE_RATE) + f.phase[i]);
        UpdateAngle(f, i);
        const double angle = f.angle[i];
        const double d = angle - f.prevAngle[i];
        const double p = static_cast<double>(stepFactor * f.outerRadius[i]) * d;
        const int32_t stepCount = static_cast<int32_t>(std::fabs(std::trunc(p))) + 2;
        const double angleStep = d / stepCount;
        const double lag = (angle >= f.prevAngle[i] ? 1.0 : -1.0) * ERASE_LAG;
        AddPass(out, stepCount, angleStep, angle, 0.0, bandTwist, f.innerRadius[i] + bandInset,
                f.outerRadius[i] - bandInset);
        AddPass(out, stepCount, angleStep, angle, lag, eraseTwist, f.innerRadius[i] + 1,
                f.outerRadius[i] - 1);
    }
}

void ExpectedSegments(const FigureState &f, const TickAngles &angles, std::vector<int32_t> &out) {
    out.clear();
    const double cx = static_cast<double>(f.width / 2);
    const double cy = static_cast<double>(f.height / 2);
    for (const TickPass &pass : angles.passes) {
        for (int32_t n = 0; n < pass.count; ++n) {
            const double theta = angles.segment[static_cast<size_t>(pass.first + n)];
            ProjectedPoint inner = {cx - pass.r1 * std::sin(theta), cy + pass.r1 * std::cos(theta)};
            ProjectedPoint outer = {cx - pass.r2 * std::sin(theta), cy + pass.r2 * std::cos(theta)};
            if (saverSettings.view3D == 1) {
                inner = ProjectTilted(f, inner.x, inner.y);
                outer = ProjectTilted(f, outer.x, outer.y);
            }
            if (PassesCull(f, inner.x, inner.y)) {
                out.push_back(static_cast<int32_t>(inner.x));
                out.push_back(static_cast<int32_t>(inner.y));
                out.push_back(OuterCoordinate(outer.x));
                out.push_back(OuterCoordinate(outer.y));
            }
        }
    }
}
