// A solid pen drawing the line it drew just before changes no pixel, so a painter may skip
// it. LastLine remembers the line drawn last with the selected pen; selecting a pen forgets.
#pragma once

#include "drawing_context.h"

#include <cstdint>

struct LastLine {
    int32_t known; // 1 once a line has been drawn with the selected pen
    LineSegment line;
};

// Call whenever a pen is selected (or the surface is drawn on by other means).
void ForgetLastLine(LastLine &last);

// 1 when line has the same two ends as the line drawn last; otherwise remembers it as
// drawn last and returns 0.
int IsRepeatedLine(LastLine &last, const LineSegment &line);
