// Pens are colours in a small ring; lines are cut to the canvas, exact repeats skipped, and
// gathered in runs of one colour, so that the script strokes each run as one path.
#include "web_painter.h"

#include "segment_clip.h"

namespace {
WebPainter &Painter(void *target) {
    return *static_cast<WebPainter *>(target);
}

// Whether the pen exists: the ring holds it (never the stock pen 0). With the core's order
// of calls every pen selected or deleted does.
bool Holds(const WebPainter &p, PenHandle pen) {
    return pen != 0 && p.penIds[pen % PEN_RING] == pen;
}

PenHandle CreatePen(void *target, int32_t width, uint32_t colour) {
    (void)width; // every pen of the core is PEN_WIDTH wide; the script strokes that width
    WebPainter &p = Painter(target);
    const PenHandle pen = p.nextPen;
    p.nextPen = pen + 1 == 0 ? 1 : pen + 1;
    p.penIds[pen % PEN_RING] = pen;
    p.penColours[pen % PEN_RING] = colour;
    return pen;
}

PenHandle SelectPen(void *target, PenHandle pen) {
    WebPainter &p = Painter(target);
    const PenHandle displaced = p.selected;
    p.selected = pen;
    p.selectedColour = Holds(p, pen) ? p.penColours[pen % PEN_RING] : 0;
    p.openRun = 0;
    ForgetLastLine(p.last);
    return displaced;
}

void DeletePen(void *target, PenHandle pen) {
    WebPainter &p = Painter(target);
    if (Holds(p, pen)) {
        p.penIds[pen % PEN_RING] = 0;
    }
}

// Appends one cut line to the open run of the selected pen, opening one if needed.
void AddLine(WebPainter &p, const ShortSegment &cut) {
    if (p.openRun == 0) {
        p.list.insert(p.list.end(), {LIST_RUN, static_cast<int32_t>(p.selectedColour), 0});
        p.openRun = p.list.size() - 1;
    }
    p.list.insert(p.list.end(), {cut.x1, cut.y1, cut.x2, cut.y2});
    ++p.list[p.openRun];
}

void DrawLines(void *target, const LineSegment *lines, int32_t count) {
    WebPainter &p = Painter(target);
    if (!Holds(p, p.selected)) {
        return; // the stock pen draws nothing here
    }
    for (int32_t n = 0; n < count; ++n) {
        ShortSegment cut;
        if (!IsRepeatedLine(p.last, lines[n]) && ClipSegment(lines[n], p.width, p.height, cut)) {
            AddLine(p, cut);
        }
    }
}
} // namespace

void ResetWebPainter(WebPainter &painter, int32_t width, int32_t height) {
    painter.nextPen = 1;
    for (int32_t k = 0; k < PEN_RING; ++k) {
        painter.penIds[k] = 0;
        painter.penColours[k] = 0;
    }
    painter.selected = 0;
    painter.selectedColour = 0;
    ResizeWebPainter(painter, width, height);
}

void ResizeWebPainter(WebPainter &painter, int32_t width, int32_t height) {
    painter.width = width;
    painter.height = height;
    ForgetLastLine(painter.last);
    StartDrawList(painter);
}

void StartDrawList(WebPainter &painter) {
    painter.list.clear();
    painter.openRun = 0;
}

void AddFrog(WebPainter &painter, int32_t x, int32_t y) {
    painter.list.insert(painter.list.end(), {LIST_FROG, x, y});
    // The picture covers lines: the next line is drawn even if it repeats the last one.
    painter.openRun = 0;
    ForgetLastLine(painter.last);
}

DrawingContext WebDrawingContext(WebPainter &painter) {
    return {&painter, CreatePen, SelectPen, DeletePen, DrawLines};
}
