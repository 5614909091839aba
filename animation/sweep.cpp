// Drawing one figure's change since the previous tick: the band pass paints the arc's
// leading edge forward in the figure's colour, the erasing pass blackens the same span
// 2.4 radians behind it.
#include "sweep.h"

#include "figures.h"
#include "projection.h"
#include "settings.h"

#include <cmath>
#include <cstdint>

const double ERASE_LAG = 2.4;

// The view's constants: insets in pixels, step factor and twists in radians.
struct SweepView {
    int32_t bandInset;
    int32_t eraseInset;
    int32_t stepFactor;
    double bandTwist;
    double eraseTwist;
};

static const SweepView FLAT_VIEW = {2, 1, 1, 0.0, 0.0};
static const SweepView TILTED_VIEW = {4, 1, 3, 0.15, 0.1};

// A step count beyond this is cut off: only a client area of absurd size moves that far
// in a tick, and the cut keeps the count and the loop within 32 bits.
static const double MAX_STEPS = 1e9;

// Truncates an outer point's coordinate to the 32-bit integer the line call takes.
// A value beyond the 32-bit range (an infinity included) is clamped to the range's end
// on its side; a value that is not a number, which only a point on the tilted view's
// vanishing line gives, becomes 0.
int32_t OuterCoordinate(double value) {
    if (value > -2147483648.0 && value < 2147483647.0) {
        return static_cast<int32_t>(value);
    }
    if (value >= 2147483647.0) {
        return INT32_MAX;
    }
    if (value <= -2147483648.0) {
        return INT32_MIN;
    }
    return 0;
}

// width + 1 and height + 1 are formed in 64 bits, so that no size overflows them.
static double CullLimit(int32_t size) {
    return static_cast<double>(static_cast<int64_t>(size) + 1);
}

// Strictly inside (-1, limitX) and (-1, limitY); a coordinate that is not a number fails
// every comparison.
static int InsideCullLimits(const SweepFrame &frame, double x1, double y1) {
    return x1 < frame.limitX && y1 < frame.limitY && x1 > -1.0 && y1 > -1.0 ? 1 : 0;
}

SweepFrame FrameOf(const FigureState &f) {
    SweepFrame frame;
    frame.cx = static_cast<double>(f.width / 2);
    frame.cy = static_cast<double>(f.height / 2);
    frame.limitX = CullLimit(f.width);
    frame.limitY = CullLimit(f.height);
    frame.tilted = saverSettings.view3D == 1 ? 1 : 0;
    frame.view = TiltedViewOf(f.width, f.height);
    return frame;
}

int PassesCull(const FigureState &f, double x1, double y1) {
    return InsideCullLimits(FrameOf(f), x1, y1);
}

// The point at radius r along the direction (-s, k) from the centre, projected in the
// tilted view.
static ProjectedPoint PointAt(const SweepFrame &frame, double s, double k, double r) {
    const ProjectedPoint flat = {frame.cx - r * s, frame.cy + r * k};
    return frame.tilted ? ProjectInView(frame.view, flat.x, flat.y) : flat;
}

// The segment at angle theta between the radii r1 and r2: written to line, returning 1,
// if its inner point passes the cull; otherwise 0. The outer point is never tested, so it
// is only formed for a segment that is drawn. An inner point that passes lies within the
// 32-bit range, since the limits do.
static int SegmentLine(const SweepFrame &frame, double theta, double r1, double r2,
                       LineSegment &line) {
    const double s = std::sin(theta);
    const double k = std::cos(theta);
    const ProjectedPoint inner = PointAt(frame, s, k, r1);
    if (!InsideCullLimits(frame, inner.x, inner.y)) {
        return 0;
    }
    const ProjectedPoint outer = PointAt(frame, s, k, r2);
    line.x1 = static_cast<int32_t>(inner.x);
    line.y1 = static_cast<int32_t>(inner.y);
    line.x2 = OuterCoordinate(outer.x);
    line.y2 = OuterCoordinate(outer.y);
    return 1;
}

// Lines are handed to the context in runs of up to this many, one call per run.
enum { LINE_RUN = 64 };

// One pass of one figure: the segments at the angles theta(j), j = -1 .. stepCount, between
// the radii r1 and r2 (as doubles; the conversion is exact).
struct SweepPass {
    int32_t stepCount;
    double angleStep;
    double angle;
    double lag; // 0 in the band pass
    double twist;
    double r1, r2;
};

// Draws the pass's segments in ascending order of j, at the angles
// theta(j) = ((j * angleStep + angle) - lag) + twist, formed in that order. The band pass
// has a lag of +0, which subtracts nothing: x - 0 is x for every double.
static void DrawPass(const DrawingContext &context, const SweepFrame &frame,
                     const SweepPass &pass) {
    LineSegment lines[LINE_RUN];
    int32_t count = 0;
    for (int32_t j = -1; j <= pass.stepCount; ++j) {
        const double swept = static_cast<double>(j) * pass.angleStep + pass.angle;
        const double theta = (swept - pass.lag) + pass.twist;
        count += SegmentLine(frame, theta, pass.r1, pass.r2, lines[count]);
        if (count == LINE_RUN) {
            context.drawLines(context.target, lines, count);
            count = 0;
        }
    }
    if (count > 0) {
        context.drawLines(context.target, lines, count);
    }
}

uint32_t BandColor(int32_t i) {
    const uint32_t color = saverSettings.color;
    const int64_t fade = saverSettings.fade;
    const int64_t divisor = FigureCount() + FADE_SPREAD;
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int64_t c = (color >> shift) & 0xFF;
        const int64_t q = (c * fade * i) / divisor;
        result |= static_cast<uint32_t>((c - q) & 0xFF) << shift;
    }
    return result;
}

void DrawFigureInFrame(const DrawingContext &context, const SweepFrame &frame, const FigureState &f,
                       int32_t i) {
    const SweepView &view = frame.tilted ? TILTED_VIEW : FLAT_VIEW;
    const double angle = f.angle[i];

    const double d = angle - f.prevAngle[i];
    const double p =
        static_cast<double>(static_cast<int64_t>(view.stepFactor) * f.outerRadius[i]) * d;
    const double steps = std::fabs(std::trunc(p));
    const int32_t stepCount = static_cast<int32_t>(steps < MAX_STEPS ? steps : MAX_STEPS) + 2;
    const double angleStep = d / stepCount;

    const PenHandle bandPen = context.createPen(context.target, PEN_WIDTH, BandColor(i));
    const PenHandle displaced = context.selectPen(context.target, bandPen);
    const int32_t direction = angle >= f.prevAngle[i] ? 1 : -1;

    SweepPass pass;
    pass.stepCount = stepCount;
    pass.angleStep = angleStep;
    pass.angle = angle;

    pass.lag = 0.0;
    pass.twist = view.bandTwist;
    pass.r1 = static_cast<double>(f.innerRadius[i] + view.bandInset);
    pass.r2 = static_cast<double>(f.outerRadius[i] - view.bandInset);
    DrawPass(context, frame, pass);

    // The erasing pen the previous call left selected (at the first call, the context's
    // stock pen, whose deletion does nothing).
    context.deletePen(context.target, displaced);
    const PenHandle erasePen = context.createPen(context.target, PEN_WIDTH, 0);
    context.selectPen(context.target, erasePen);

    pass.lag = static_cast<double>(direction) * ERASE_LAG;
    pass.twist = view.eraseTwist;
    pass.r1 = static_cast<double>(f.innerRadius[i] + view.eraseInset);
    pass.r2 = static_cast<double>(f.outerRadius[i] - view.eraseInset);
    DrawPass(context, frame, pass);

    context.deletePen(context.target, bandPen);
}

void DrawFigure(const DrawingContext &context, const FigureState &f, int32_t i) {
    DrawFigureInFrame(context, FrameOf(f), f, i);
}
