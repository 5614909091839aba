// Recording drawing context for the tests and sinuet-trace.
#include "drawing_recorder.h"

static DrawingRecorder &RecorderOf(void *target) {
    return *static_cast<DrawingRecorder *>(target);
}

static void Record(DrawingRecorder &recorder, DrawCallKind kind, int32_t a, int32_t b = 0,
                   int32_t c = 0, int32_t d = 0, uint32_t colour = 0) {
    recorder.calls.push_back(DrawCall{kind, a, b, c, d, colour});
}

static PenHandle RecordCreatePen(void *target, int32_t width, uint32_t colour) {
    DrawingRecorder &recorder = RecorderOf(target);
    const PenHandle pen = recorder.nextPen++;
    recorder.livePens.insert(pen);
    Record(recorder, CALL_PEN, static_cast<int32_t>(pen), width, 0, 0, colour);
    return pen;
}

static PenHandle RecordSelectPen(void *target, PenHandle pen) {
    DrawingRecorder &recorder = RecorderOf(target);
    const PenHandle displaced = recorder.selected;
    recorder.selected = pen;
    Record(recorder, CALL_SELECT, static_cast<int32_t>(pen));
    return displaced;
}

static void RecordDeletePen(void *target, PenHandle pen) {
    DrawingRecorder &recorder = RecorderOf(target);
    Record(recorder, CALL_DELETE, static_cast<int32_t>(pen));
    if (pen == 0) {
        return; // the stock pen: deleting it does nothing
    }
    if (pen == recorder.selected) {
        ++recorder.deletedWhileSelected;
    }
    if (recorder.livePens.erase(pen) == 0) {
        ++recorder.unknownDeletes;
    }
}

// Each line as the two calls that draw it: a move to its start, a line to its end.
static void RecordLines(void *target, const LineSegment *lines, int32_t count) {
    DrawingRecorder &recorder = RecorderOf(target);
    if (count < 1) {
        ++recorder.emptyBatches;
    }
    for (int32_t n = 0; n < count; ++n) {
        Record(recorder, CALL_MOVE, lines[n].x1, lines[n].y1);
        Record(recorder, CALL_LINE, lines[n].x2, lines[n].y2);
    }
}

DrawingContext RecordingContext(DrawingRecorder &recorder) {
    DrawingContext context;
    context.target = &recorder;
    context.createPen = RecordCreatePen;
    context.selectPen = RecordSelectPen;
    context.deletePen = RecordDeletePen;
    context.drawLines = RecordLines;
    return context;
}

void RecordBlit(DrawingRecorder &recorder, int32_t x, int32_t y, int32_t w, int32_t h) {
    Record(recorder, CALL_BLIT, x, y, w, h);
}

void PrintDrawCall(std::FILE *out, const DrawCall &call) {
    switch (call.kind) {
        case CALL_PEN:
            std::fprintf(out, "pen %ld 0x%06lx\n", static_cast<long>(call.a),
                         static_cast<unsigned long>(call.colour));
            break;
        case CALL_SELECT:
            std::fprintf(out, "select %ld\n", static_cast<long>(call.a));
            break;
        case CALL_DELETE:
            std::fprintf(out, "delete %ld\n", static_cast<long>(call.a));
            break;
        case CALL_MOVE:
            std::fprintf(out, "move %ld %ld\n", static_cast<long>(call.a),
                         static_cast<long>(call.b));
            break;
        case CALL_LINE:
            std::fprintf(out, "line %ld %ld\n", static_cast<long>(call.a),
                         static_cast<long>(call.b));
            break;
        case CALL_BLIT:
            std::fprintf(out, "blit %ld %ld %ld %ld\n", static_cast<long>(call.a),
                         static_cast<long>(call.b), static_cast<long>(call.c),
                         static_cast<long>(call.d));
            break;
    }
}
