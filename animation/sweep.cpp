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

static const PointPair BELOW_WINDOW = {-1.0, -1.0};

int PassesCull(double x1, double y1) {
    const PointPair limits = {CullLimit(figureState.width), CullLimit(figureState.height)};
    return BothBetween(PointPair{x1, y1}, BELOW_WINDOW, limits);
}

SweepFrame CurrentFrame() {
    const FigureState &f = figureState;
    SweepFrame frame;
    frame.centre = PointPair{static_cast<double>(f.width / 2), static_cast<double>(f.height / 2)};
    frame.low = BELOW_WINDOW;
    frame.limits = PointPair{CullLimit(f.width), CullLimit(f.height)};
    frame.tilted = saverSettings.view3D == 1 ? 1 : 0;
    frame.view = TiltedPairViewOf(TiltedViewOf(f.width, f.height));
    return frame;
}

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

// Band pass: (j * angleStep + angle) + twist; erasing pass: ((j * angleStep + angle) - lag)
// + twist. The band pass goes through the same steps with a lag of +0, which subtracts
// nothing: x - 0 is x for every double, -0 and infinities included.
static inline double PassAngle(const SweepPass &pass, int32_t j) {
    const double swept = static_cast<double>(j) * pass.angleStep + pass.angle;
    return (swept - pass.lag) + pass.twist;
}

// Segments are drawn in runs of this many: first the sines and cosines of the run's
// angles, then its points and cull tests, then its lines in one call. The points then
// need no values kept across a library call, and their divisions overlap from one segment
// to the next.
enum { SEGMENT_RUN = 64 };

// A segment's direction from the centre, as the pair [sin, cos] of its angle: the point at
// radius r is centre + [-r, r] * direction, that is [cx - r * sin, cy + r * cos] (negation
// is exact, and adding a negated product is subtracting it).
static inline PointPair PointAt(const SweepFrame &frame, int32_t tilted, PointPair direction,
                                double r) {
    const PointPair point = frame.centre + PointPair{-r, r} * direction;
    return tilted ? ProjectPair(frame.view, point) : point;
}

static const PointPair INT32_LOW = {-2147483648.0, -2147483648.0};
static const PointPair INT32_HIGH = {2147483647.0, 2147483647.0};

// An outer point's coordinates as the line call takes them (OuterCoordinate of each).
static inline __m128i OuterEnd(PointPair outer) {
    if (BothBetween(outer, INT32_LOW, INT32_HIGH)) {
        return TruncateBoth(outer);
    }
    return _mm_setr_epi32(OuterCoordinate(outer[0]), OuterCoordinate(outer[1]), 0, 0);
}

// The line of one segment, if its inner point passes the cull: the outer point is neither
// tested nor needed otherwise, so it is only formed for a segment that is drawn. Returns
// the number of lines written, 0 or 1. An inner point that passes lies within the 32-bit
// range, since the limits do.
static inline int32_t SegmentLine(const SweepFrame &frame, int32_t tilted, PointPair direction,
                                  double r1, double r2, LineSegment &line) {
    const PointPair inner = PointAt(frame, tilted, direction, r1);
    if (!BothBetween(inner, frame.low, frame.limits)) {
        return 0;
    }
    const PointPair outer = PointAt(frame, tilted, direction, r2);
    const __m128i ends = _mm_unpacklo_epi64(TruncateBoth(inner), OuterEnd(outer));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(&line), ends);
    return 1;
}

// The lines of a run's segments; returns how many there are. Called with the view as a
// constant, so that each view gets its own loop.
__attribute__((always_inline)) static inline int32_t
RunLines(const SweepFrame &frame, int32_t tilted, const PointPair *direction, int32_t count,
         double r1, double r2, LineSegment *lines) {
    int32_t drawn = 0;
    for (int32_t n = 0; n < count; ++n) {
        drawn += SegmentLine(frame, tilted, direction[n], r1, r2, lines[drawn]);
    }
    return drawn;
}

static void DrawPass(const DrawingContext &context, const SweepFrame &frame,
                     const SweepPass &pass) {
    PointPair direction[SEGMENT_RUN];
    LineSegment lines[SEGMENT_RUN];
    for (int32_t first = -1; first <= pass.stepCount; first += SEGMENT_RUN) {
        const int32_t count =
            pass.stepCount - first + 1 < SEGMENT_RUN ? pass.stepCount - first + 1 : SEGMENT_RUN;
        for (int32_t n = 0; n < count; ++n) {
            const double theta = PassAngle(pass, first + n);
            direction[n] = PointPair{std::sin(theta), std::cos(theta)};
        }
        const int32_t drawn = frame.tilted
                                  ? RunLines(frame, 1, direction, count, pass.r1, pass.r2, lines)
                                  : RunLines(frame, 0, direction, count, pass.r1, pass.r2, lines);
        if (drawn > 0) {
            context.drawLines(context.target, lines, drawn);
        }
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

void DrawFigureInFrame(const DrawingContext &context, const SweepFrame &frame, int32_t i) {
    const FigureState &f = figureState;
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

void DrawFigure(const DrawingContext &context, int32_t i) {
    DrawFigureInFrame(context, CurrentFrame(), i);
}
