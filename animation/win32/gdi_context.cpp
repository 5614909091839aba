#include "gdi_context.h"

#include <algorithm>

int32_t ShiftedCoordinate(int32_t value, int32_t offset) {
    const int64_t shifted = std::max<int64_t>(static_cast<int64_t>(value) + offset, INT32_MIN);
    return static_cast<int32_t>(std::min<int64_t>(shifted, INT32_MAX));
}

namespace {
GdiTarget &Target(void *target) {
    return *static_cast<GdiTarget *>(target);
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
    ForgetLastLine(Target(target).last);
    return Handle(SelectObject(Target(target).dc, Pen(pen)));
}

void DeletePen(void *, PenHandle pen) {
    DeleteObject(Pen(pen));
}

void DrawLines(void *target, const LineSegment *lines, int32_t count) {
    GdiTarget &t = Target(target);
    for (int32_t n = 0; n < count; ++n) {
        if (IsRepeatedLine(t.last, lines[n])) {
            continue;
        }
        MoveToEx(t.dc, ShiftedCoordinate(lines[n].x1, t.originX),
                 ShiftedCoordinate(lines[n].y1, t.originY), nullptr);
        LineTo(t.dc, ShiftedCoordinate(lines[n].x2, t.originX),
               ShiftedCoordinate(lines[n].y2, t.originY));
    }
}
} // namespace

DrawingContext GdiDrawingContext(GdiTarget &target) {
    return {&target, CreateSolidPen, SelectPen, DeletePen, DrawLines};
}
