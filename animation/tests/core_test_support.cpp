#include "core_test_support.h"

FigureState figureState = FreshFigures({0, 0, 0, 0});

void StartFresh(int32_t width, int32_t height, int32_t count, int32_t showFrog, int32_t view3D) {
    SetDefaultSettings(saverSettings);
    saverSettings.count = count;
    saverSettings.showFrog = showFrog;
    saverSettings.view3D = view3D;
    figureState = FreshFigures({0, 0, width, height});
    UseFixedSeed(12345);
}

void RecordTick(DrawingRecorder &recorder) {
    TickPictures(&figureState, 1, {RecordingContext(recorder), nullptr, nullptr, nullptr});
}

std::vector<int32_t> BandEdges() {
    std::vector<int32_t> edges;
    const int32_t count = FigureCount();
    for (int32_t i = 0; i < count; ++i) {
        edges.push_back(figureState.innerRadius[i]);
    }
    if (count > 0) {
        edges.push_back(figureState.outerRadius[count - 1]);
    }
    return edges;
}

std::vector<DrawCall> CallsOf(const DrawingRecorder &recorder, DrawCallKind kind) {
    std::vector<DrawCall> found;
    for (const DrawCall &call : recorder.calls) {
        if (call.kind == kind) {
            found.push_back(call);
        }
    }
    return found;
}

bool operator==(const Segment &a, const Segment &b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

std::vector<Segment> SegmentsWithPen(const DrawingRecorder &recorder, int32_t pen) {
    std::vector<Segment> segments;
    int32_t selected = 0;
    for (size_t k = 0; k < recorder.calls.size(); ++k) {
        const DrawCall &call = recorder.calls[k];
        if (call.kind == CALL_SELECT) {
            selected = call.a;
        }
        if (call.kind == CALL_MOVE && selected == pen && k + 1 < recorder.calls.size() &&
            recorder.calls[k + 1].kind == CALL_LINE) {
            const DrawCall &line = recorder.calls[k + 1];
            segments.push_back(Segment{call.a, call.b, line.a, line.b});
        }
    }
    return segments;
}
