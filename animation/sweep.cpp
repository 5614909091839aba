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
    int32_t tilted;
    int32_t bandInset;
    int32_t eraseInset;
    int32_t stepFactor;
    double bandTwist;
    double eraseTwist;
};

static const SweepView FLAT_VIEW = {0, 2, 1, 1, 0.0, 0.0};
static const SweepView TILTED_VIEW = {1, 4, 1, 3, 0.15, 0.1};

// Where segments are drawn, formed once per call: the centre, the cull limits and, in the
// tilted view, the projection's terms of the window size.
struct SweepFrame {
    double cx, cy;
    double limitX, limitY; // width + 1 and height + 1
    int32_t tilted;
    TiltedView view;
};

// A step count beyond this is cut off: only a client area of absurd size moves that far
// in a tick, and the cut keeps the count and the loop within 32 bits.
static const double MAX_STEPS = 1e9;

// Truncates an outer point's coordinate to the 32-bit integer the line call takes.
// A value beyond the 32-bit range (an infinity included) is clamped to the range's end
// on its side; a value that is not a number, which only a point on the tilted view's
// vanishing line gives, becomes 0.
int32_t OuterCoordinate(double value) {
    if (value != value) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return INT32_MAX;
    }
    if (value <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

// width + 1 and height + 1 are formed in 64 bits, so that no size overflows them.
static double CullLimit(int32_t size) {
    return static_cast<double>(static_cast<int64_t>(size) + 1);
}

static inline int InsideCullLimits(double limitX, double limitY, double x1, double y1) {
    return x1 < limitX && y1 < limitY && x1 > -1.0 && y1 > -1.0 ? 1 : 0;
}

int PassesCull(double x1, double y1) {
    return InsideCullLimits(CullLimit(figureState.width), CullLimit(figureState.height), x1, y1);
}

static SweepFrame FrameOf(const FigureState &f, int32_t tilted) {
    SweepFrame frame;
    frame.cx = static_cast<double>(f.width / 2);
    frame.cy = static_cast<double>(f.height / 2);
    frame.limitX = CullLimit(f.width);
    frame.limitY = CullLimit(f.height);
    frame.tilted = tilted;
    frame.view = TiltedViewOf(f.width, f.height);
    return frame;
}

// One segment at angle theta between the radii r1 and r2. The outer point is neither
// tested nor needed when the inner point fails the cull, so it is only formed (and
// projected) for a segment that is drawn.
static inline void DrawSegment(const DrawingContext &context, const SweepFrame &frame, double theta,
                               double r1, double r2) {
    const double s = std::sin(theta);
    const double k = std::cos(theta);
    ProjectedPoint inner = {frame.cx - r1 * s, frame.cy + r1 * k};
    if (frame.tilted) {
        inner = ProjectInView(frame.view, inner.x, inner.y);
    }
    if (!InsideCullLimits(frame.limitX, frame.limitY, inner.x, inner.y)) {
        return;
    }
    ProjectedPoint outer = {frame.cx - r2 * s, frame.cy + r2 * k};
    if (frame.tilted) {
        outer = ProjectInView(frame.view, outer.x, outer.y);
    }
    context.moveTo(context.target, static_cast<int32_t>(inner.x), static_cast<int32_t>(inner.y));
    context.lineTo(context.target, OuterCoordinate(outer.x), OuterCoordinate(outer.y));
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

void DrawFigure(const DrawingContext &context, int32_t i) {
    const FigureState &f = figureState;
    const SweepView &view = saverSettings.view3D == 1 ? TILTED_VIEW : FLAT_VIEW;
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

    const SweepFrame frame = FrameOf(f, view.tilted);

    // The radii enter the products converted to double; the conversion is exact.
    const double bandInner = static_cast<double>(f.innerRadius[i] + view.bandInset);
    const double bandOuter = static_cast<double>(f.outerRadius[i] - view.bandInset);
    for (int32_t j = -1; j <= stepCount; ++j) {
        const double theta = (static_cast<double>(j) * angleStep + angle) + view.bandTwist;
        DrawSegment(context, frame, theta, bandInner, bandOuter);
    }

    // The erasing pen the previous call left selected (at the first call, the context's
    // stock pen, whose deletion does nothing).
    context.deletePen(context.target, displaced);
    const PenHandle erasePen = context.createPen(context.target, PEN_WIDTH, 0);
    context.selectPen(context.target, erasePen);

    const double lag = static_cast<double>(direction) * ERASE_LAG;
    const double eraseInner = static_cast<double>(f.innerRadius[i] + view.eraseInset);
    const double eraseOuter = static_cast<double>(f.outerRadius[i] - view.eraseInset);
    for (int32_t j = -1; j <= stepCount; ++j) {
        const double theta = ((static_cast<double>(j) * angleStep + angle) - lag) + view.eraseTwist;
        DrawSegment(context, frame, theta, eraseInner, eraseOuter);
    }

    context.deletePen(context.target, bandPen);
}
