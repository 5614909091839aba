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

// Where segments are drawn: the centre of the window and the view.
struct SweepFrame {
    double cx, cy;
    int32_t tilted;
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

int PassesCull(double x1, double y1) {
    // width + 1 and height + 1 are formed in 64 bits, so that no size overflows them.
    const double limitX = static_cast<double>(static_cast<int64_t>(figureState.width) + 1);
    const double limitY = static_cast<double>(static_cast<int64_t>(figureState.height) + 1);
    return x1 < limitX && y1 < limitY && x1 > -1.0 && y1 > -1.0 ? 1 : 0;
}

static void DrawSegment(const DrawingContext &context, const SweepFrame &frame, double theta,
                        int32_t r1, int32_t r2) {
    const double s = std::sin(theta);
    const double k = std::cos(theta);
    double x1 = frame.cx - static_cast<double>(r1) * s;
    double y1 = frame.cy + static_cast<double>(r1) * k;
    double x2 = frame.cx - static_cast<double>(r2) * s;
    double y2 = frame.cy + static_cast<double>(r2) * k;
    if (frame.tilted) {
        const ProjectedPoint inner = ProjectTilted(x1, y1);
        const ProjectedPoint outer = ProjectTilted(x2, y2);
        x1 = inner.x;
        y1 = inner.y;
        x2 = outer.x;
        y2 = outer.y;
    }
    if (!PassesCull(x1, y1)) {
        return; // the outer point is never tested
    }
    context.moveTo(context.target, static_cast<int32_t>(x1), static_cast<int32_t>(y1));
    context.lineTo(context.target, OuterCoordinate(x2), OuterCoordinate(y2));
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

    SweepFrame frame;
    frame.cx = static_cast<double>(f.width / 2);
    frame.cy = static_cast<double>(f.height / 2);
    frame.tilted = view.tilted;

    const int32_t bandInner = f.innerRadius[i] + view.bandInset;
    const int32_t bandOuter = f.outerRadius[i] - view.bandInset;
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
    const int32_t eraseInner = f.innerRadius[i] + view.eraseInset;
    const int32_t eraseOuter = f.outerRadius[i] - view.eraseInset;
    for (int32_t j = -1; j <= stepCount; ++j) {
        const double theta = ((static_cast<double>(j) * angleStep + angle) - lag) + view.eraseTwist;
        DrawSegment(context, frame, theta, eraseInner, eraseOuter);
    }

    context.deletePen(context.target, bandPen);
}
