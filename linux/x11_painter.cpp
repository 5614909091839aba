// Pens as GCs (solid, round caps and joins, like a GDI geometric pen), lines cut to the
// picture and narrowed to 16 bits, one XDrawSegments per batch into the picture's pixmap,
// whose changed area grows by the batch's bounding box.
#include "x11_painter.h"

#include "segment_clip.h"

namespace {
X11Painter &Painter(void *target) {
    return *static_cast<X11Painter *>(target);
}

PenHandle CreateSolidPen(void *target, int32_t width, uint32_t colour) {
    X11Painter &p = Painter(target);
    XGCValues values;
    values.foreground = PixelOf(p, colour);
    values.line_width = width;
    values.line_style = LineSolid;
    values.cap_style = CapRound;
    values.join_style = JoinRound;
    const GC gc =
        XCreateGC(p.display, p.target->window,
                  GCForeground | GCLineWidth | GCLineStyle | GCCapStyle | GCJoinStyle, &values);
    return reinterpret_cast<PenHandle>(gc);
}

PenHandle SelectPen(void *target, PenHandle pen) {
    X11Painter &p = Painter(target);
    const PenHandle displaced = reinterpret_cast<PenHandle>(p.selected);
    p.selected = reinterpret_cast<GC>(pen);
    ForgetLastLine(p.last);
    // Half the width and a pixel more: the round ends and the server's rounding of the
    // pen's edge stay inside.
    XGCValues values;
    values.line_width = 0;
    if (p.selected != nullptr) {
        XGetGCValues(p.display, p.selected, GCLineWidth, &values);
    }
    p.reach = values.line_width / 2 + 1;
    return displaced;
}

void DeletePen(void *target, PenHandle pen) {
    if (pen != 0) {
        XFreeGC(Painter(target).display, reinterpret_cast<GC>(pen));
    }
}

void DrawLines(void *target, const LineSegment *lines, int32_t count) {
    X11Painter &p = Painter(target);
    PictureSurface *surface = p.surface;
    if (p.selected == nullptr || surface == nullptr || surface->pixmap == None) {
        return;
    }
    const ClientRect bounds = SurfaceBounds(*surface);
    ClientRect drawn = {0, 0, 0, 0};
    p.segments.clear();
    for (int32_t n = 0; n < count; ++n) {
        ShortSegment cut;
        if (IsRepeatedLine(p.last, lines[n]) ||
            !ClipSegment(lines[n], bounds.right, bounds.bottom, cut)) {
            continue;
        }
        const ClientRect lit = SegmentArea(cut, p.reach);
        drawn = p.segments.empty() ? lit : BoundingArea(drawn, lit);
        p.segments.push_back({cut.x1, cut.y1, cut.x2, cut.y2});
    }
    if (p.segments.empty()) {
        return;
    }
    XDrawSegments(p.display, surface->pixmap, p.selected, p.segments.data(),
                  static_cast<int>(p.segments.size()));
    AddChangedArea(surface->changed, drawn, bounds);
}
} // namespace

unsigned long PixelOf(X11Painter &painter, uint32_t colour) {
    const auto known = painter.pixels.find(colour);
    if (known != painter.pixels.end()) {
        return known->second;
    }
    XColor wanted;
    wanted.red = static_cast<unsigned short>((colour & 0xFF) * 257);
    wanted.green = static_cast<unsigned short>((colour >> 8 & 0xFF) * 257);
    wanted.blue = static_cast<unsigned short>((colour >> 16 & 0xFF) * 257);
    wanted.flags = DoRed | DoGreen | DoBlue;
    unsigned long pixel = BlackPixel(painter.display, DefaultScreen(painter.display));
    if (XAllocColor(painter.display, painter.target->colormap, &wanted)) {
        pixel = wanted.pixel;
    }
    painter.pixels[colour] = pixel;
    return pixel;
}

void OpenPainter(X11Painter &painter, Display *display, TargetWindow &target) {
    painter.display = display;
    painter.target = &target;
    painter.surface = nullptr;
    painter.selected = nullptr;
    painter.reach = 0;
    ForgetLastLine(painter.last);
    XGCValues values;
    values.graphics_exposures = False;
    values.foreground = PixelOf(painter, 0);
    painter.copyGc = XCreateGC(display, target.window, GCGraphicsExposures | GCForeground, &values);
}

void ClosePainter(X11Painter &painter) {
    DeletePen(&painter, reinterpret_cast<PenHandle>(painter.selected));
    painter.selected = nullptr;
    XFreeGC(painter.display, painter.copyGc);
}

void PaintOn(X11Painter &painter, PictureSurface &surface) {
    painter.surface = &surface;
    ForgetLastLine(painter.last);
}

ClientRect SurfaceBounds(const PictureSurface &surface) {
    return {0, 0, surface.place.right - surface.place.left,
            surface.place.bottom - surface.place.top};
}

DrawingContext X11DrawingContext(X11Painter &painter) {
    return {&painter, CreateSolidPen, SelectPen, DeletePen, DrawLines};
}
