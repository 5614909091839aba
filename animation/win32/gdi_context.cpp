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

void MoveTo(void *target, int32_t x, int32_t y) {
    MoveToEx(Dc(target), x, y, nullptr);
}

void LineTo(void *target, int32_t x, int32_t y) {
    ::LineTo(Dc(target), x, y);
}
} // namespace

DrawingContext GdiDrawingContext(HDC context) {
    return {context, CreateSolidPen, SelectPen, DeletePen, MoveTo, LineTo};
}
