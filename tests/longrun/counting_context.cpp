// Counting drawing context for the long run and the fuzz targets.
#include "counting_context.h"

static PenCounts &CountsOf(void *target) {
    return *static_cast<PenCounts *>(target);
}

static PenHandle CountCreatePen(void *target, int32_t, uint32_t) {
    PenCounts &counts = CountsOf(target);
    const PenHandle pen = counts.nextPen++;
    ++counts.created;
    if (counts.liveCount == MAX_TRACKED_PENS) {
        ++counts.tooManyLive;
        return pen;
    }
    counts.live[counts.liveCount++] = pen;
    return pen;
}

static PenHandle CountSelectPen(void *target, PenHandle pen) {
    PenCounts &counts = CountsOf(target);
    const PenHandle displaced = counts.selected;
    counts.selected = pen;
    return displaced;
}

static void CountDeletePen(void *target, PenHandle pen) {
    PenCounts &counts = CountsOf(target);
    if (pen == 0) {
        return; // the stock pen: deleting it does nothing
    }
    if (pen == counts.selected) {
        ++counts.deletedWhileSelected;
    }
    for (int32_t k = 0; k < counts.liveCount; ++k) {
        if (counts.live[k] == pen) {
            counts.live[k] = counts.live[--counts.liveCount];
            ++counts.deleted;
            return;
        }
    }
    ++counts.unknownDeletes;
}

static void CountLines(void *target, const LineSegment *lines, int32_t count) {
    PenCounts &counts = CountsOf(target);
    if (count < 1) {
        ++counts.emptyBatches;
    }
    for (int32_t n = 0; n < count; ++n) {
        const LineSegment &line = lines[n];
        ++counts.moves;
        ++counts.lines;
        if (line.x1 < 0 || line.y1 < 0 || line.x1 > counts.width || line.y1 > counts.height) {
            ++counts.movesOutside;
        }
    }
}

DrawingContext CountingContext(PenCounts &counts, int32_t width, int32_t height) {
    counts = PenCounts{};
    counts.width = width;
    counts.height = height;
    counts.nextPen = 1;
    DrawingContext context;
    context.target = &counts;
    context.createPen = CountCreatePen;
    context.selectPen = CountSelectPen;
    context.deletePen = CountDeletePen;
    context.drawLines = CountLines;
    return context;
}

void ReleaseSelectedPen(const DrawingContext &context) {
    context.deletePen(context.target, context.selectPen(context.target, 0));
}

uint64_t PenFaults(const PenCounts &counts) {
    return counts.deletedWhileSelected + counts.unknownDeletes + counts.tooManyLive +
           counts.movesOutside + counts.emptyBatches;
}
