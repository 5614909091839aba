// The platform-free steps of one timer tick, shared by the saver and by sinuet-trace.
#pragma once

#include "drawing_context.h"
#include "figures.h"

#include <cstdint>

struct FrogPlacement {
    int32_t x;
    int32_t y;
};

// Whether this tick copies the frog picture: shown, and the clock at exactly 0.04.
int FrogDueThisTick(const FigureState &f);

// Top-left corner of a picture of the given size: centred, raised by a quarter of the
// height in the tilted view.
FrogPlacement PlaceFrog(const FigureState &f, int32_t bmWidth, int32_t bmHeight);

// UpdateAngle(f, i) for every figure, then DrawFigure(context, f, i) for every figure, in
// ascending order. A figure's drawing reads only its own angles, so this draws exactly
// what updating and drawing one figure after the other draws.
void DrawFigures(const DrawingContext &context, FigureState &f);
