// Drawing one figure's change since the previous tick: a band pass in the figure's colour
// and an erasing pass 2.4 radians behind it.
#pragma once

#include "drawing_context.h"

#include <cstdint>

enum { PEN_WIDTH = 3, FADE_SPREAD = 10 };
extern const double ERASE_LAG; // 2.4

// The band pen's colour of figure i (fade applied).
uint32_t BandColor(int32_t i);

void DrawFigure(const DrawingContext &context, int32_t i);
