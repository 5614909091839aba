// A DrawingContext that only counts: pens created, deleted and selected, segments drawn,
// and every fault of the pen discipline or of the drawn points. It keeps no list of calls,
// so it serves runs of any length (the long run, the fuzz targets).
#pragma once

#include "drawing_context.h"

#include <cstdint>

enum { MAX_TRACKED_PENS = 8 };

struct PenCounts {
    // Set by the owner: moves (inner points) must fall inside 0..width x 0..height.
    int32_t width;
    int32_t height;

    PenHandle nextPen;  // ids count from 1; 0 is the context's initial stock pen
    PenHandle selected; // the pen selected in the context
    PenHandle live[MAX_TRACKED_PENS];
    int32_t liveCount; // created and not yet deleted
    uint64_t created;
    uint64_t deleted;
    uint64_t moves;
    uint64_t lines;

    // Faults: each should stay 0.
    uint64_t deletedWhileSelected; // a pen freed while still selected
    uint64_t unknownDeletes;       // a pen freed that does not exist (the stock pen aside)
    uint64_t tooManyLive;          // more pens alive at once than a tick ever needs
    uint64_t movesOutside;         // an inner point outside the client area
    uint64_t emptyBatches;         // a call to draw lines without a line
};

// A context on `counts`, which it resets: nothing alive, the stock pen selected.
DrawingContext CountingContext(PenCounts &counts, int32_t width, int32_t height);

// What the saver does when its window is destroyed: a stock pen displaces the erasing pen
// that the last figure left selected, and that pen is freed.
void ReleaseSelectedPen(const DrawingContext &context);

// The sum of all fault counters.
uint64_t PenFaults(const PenCounts &counts);
