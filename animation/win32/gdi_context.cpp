#include "gdi_context.h"

namespace {
HDC Dc(void *target) {
    return static_cast<HDC>(target);
}
HGDIOBJ Pen(PenHandle pen) {
    return reinterpret_cast<HGDIOBJ>(pen);
}
PenHandle Handle(HGDIOBJ object) {
    return reinterpret_cast<PenHandle>(object);
}

PenHandle CreateSolidPen(void *, int32_t width, uint32_t colour) {
    return Handle(CreatePen(PS_SOLID, width, colour));
}

PenHandle SelectPen(void *target, PenHandle pen) {
    return Handle(SelectObject(Dc(target), Pen(pen)));
}

void DeletePen(void *, PenHandle pen) {
    DeleteObject(Pen(pen));
}

void DrawLines(void *target, const LineSegment *lines, int32_t count) {
    const HDC dc = Dc(target);
    for (int32_t n = 0; n < count; ++n) {
        MoveToEx(dc, lines[n].x1, lines[n].y1, nullptr);
        LineTo(dc, lines[n].x2, lines[n].y2);
    }
}
} // namespace

DrawingContext GdiDrawingContext(HDC context) {
    return {context, CreateSolidPen, SelectPen, DeletePen, DrawLines};
}
