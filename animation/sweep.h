// Drawing one figure's change since the previous tick: a band pass in the figure's colour
// and an erasing pass 2.4 radians behind it.
#pragma once

#include "drawing_context.h"
#include "figures.h"
#include "projection.h"

#include <cstdint>

enum { PEN_WIDTH = 3, FADE_SPREAD = 10 };
extern const double ERASE_LAG; // 2.4

// The band pen's colour of figure i (fade applied).
uint32_t BandColor(int32_t i);

// The cull test on a segment's inner point: strictly inside (-1, width + 1) and
// (-1, height + 1) of the record's window; a point that is not a number fails.
int PassesCull(const FigureState &f, double x1, double y1);

// An outer point's coordinate as the line call takes it: truncated toward zero, clamped
// to the 32-bit range (an infinity too); a value that is not a number gives 0.
int32_t OuterCoordinate(double value);

// Where the segments of a tick are drawn, the same for every figure: the centre, the cull
// limits and, in the tilted view, the projection's terms of the window size.
struct SweepFrame {
    double cx, cy;         // width / 2 and height / 2, the integer divisions
    double limitX, limitY; // width + 1 and height + 1
    int32_t tilted;        // the view setting
    TiltedView view;
};

// The frame of the record's window and the view setting.
SweepFrame FrameOf(const FigureState &f);

// Draws figure i's change since the previous tick in the given frame, the record's frame.
void DrawFigureInFrame(const DrawingContext &context, const SweepFrame &frame, const FigureState &f,
                       int32_t i);

// The same in the record's frame.
void DrawFigure(const DrawingContext &context, const FigureState &f, int32_t i);
