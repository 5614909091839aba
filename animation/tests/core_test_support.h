// Shared set-up for the core's unit tests: the settings and the tests' figure record put
// back into their state at process start, with chosen settings and client size.
#pragma once

#include "drawing_recorder.h"
#include "figures.h"
#include "settings.h"
#include "tick.h"

#include <cstdint>
#include <vector>

// The figures the tests draw.
extern FigureState figureState;

// Defaults, then the given count and switches; the figures not yet set up, with the
// client rectangle (0, 0, width, height).
void StartFresh(int32_t width, int32_t height, int32_t count, int32_t showFrog, int32_t view3D);

// One tick of the test's figures as the saver runs it, drawn into the recorder; the frog's
// turn draws nothing.
void RecordTick(DrawingRecorder &recorder);

// The band edges after the set-up: innerRadius[0 .. count-1] followed by outerRadius[count-1].
std::vector<int32_t> BandEdges();

// The calls of one kind, in order.
std::vector<DrawCall> CallsOf(const DrawingRecorder &recorder, DrawCallKind kind);

// A drawn segment: the move's and the line's points.
struct Segment {
    int32_t x1, y1, x2, y2;
};
bool operator==(const Segment &a, const Segment &b);

// The segments drawn with the given pen selected.
std::vector<Segment> SegmentsWithPen(const DrawingRecorder &recorder, int32_t pen);
