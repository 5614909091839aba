// A DrawingContext that records every call instead of drawing, and keeps account of the
// pens: which exist, which one is selected. The unit tests and sinuet-trace use it.
#pragma once

#include "drawing_context.h"

#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>

enum DrawCallKind { CALL_PEN, CALL_SELECT, CALL_DELETE, CALL_MOVE, CALL_LINE, CALL_BLIT };

struct DrawCall {
    DrawCallKind kind;
    int32_t a, b, c, d; // pen: id, width; select/delete: id; move/line: x, y; blit: x, y, w, h
    uint32_t colour;    // pen only
};

// Pen ids count from 1; 0 is the context's initial stock pen.
struct DrawingRecorder {
    std::vector<DrawCall> calls;
    PenHandle nextPen = 1;
    PenHandle selected = 0;
    std::set<PenHandle> livePens;     // created and not yet deleted
    int32_t deletedWhileSelected = 0; // deletions of the selected pen (a fault)
    int32_t unknownDeletes = 0;       // deletions of a pen that does not exist (stock pen aside)
    int32_t emptyBatches = 0;         // line calls without a line (a fault)
};

DrawingContext RecordingContext(DrawingRecorder &recorder);

// The picture copy of the saver's tick, which does not go through DrawingContext.
void RecordBlit(DrawingRecorder &recorder, int32_t x, int32_t y, int32_t w, int32_t h);

// One line of sinuet-trace's output: "pen 1 0xff0080", "select 1", "move 506 506", ...
void PrintDrawCall(std::FILE *out, const DrawCall &call);
