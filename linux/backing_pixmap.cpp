// Each picture is drawn only into its pixmap; at the end of a tick the window receives
// the few rectangles that changed, and an Expose copies back only the rectangle it names.
#include "backing_pixmap.h"

namespace {
// Copies a rectangle of the surface's pixmap to the same place on the window.
void CopyToWindow(X11Painter &painter, const PictureSurface &surface, const ClientRect &area) {
    XCopyArea(painter.display, surface.pixmap, painter.target->window, painter.copyGc, area.left,
              area.top, static_cast<unsigned>(area.right - area.left),
              static_cast<unsigned>(area.bottom - area.top), surface.place.left + area.left,
              surface.place.top + area.top);
}
} // namespace

void ResetBacking(X11Painter &painter, PictureSurface &surface) {
    FreeBacking(painter, surface);
    const ClientRect bounds = SurfaceBounds(surface);
    const unsigned width = bounds.right > 0 ? static_cast<unsigned>(bounds.right) : 1;
    const unsigned height = bounds.bottom > 0 ? static_cast<unsigned>(bounds.bottom) : 1;
    const TargetWindow &target = *painter.target;
    surface.pixmap = XCreatePixmap(painter.display, target.window, width, height,
                                   static_cast<unsigned>(target.depth));
    XFillRectangle(painter.display, surface.pixmap, painter.copyGc, 0, 0, width, height);
    surface.changed.areas.clear();
}

void FreeBacking(X11Painter &painter, PictureSurface &surface) {
    if (surface.pixmap != None) {
        XFreePixmap(painter.display, surface.pixmap);
        surface.pixmap = None;
    }
}

void CopyChangedAreas(X11Painter &painter, std::vector<PictureSurface> &surfaces) {
    for (PictureSurface &surface : surfaces) {
        for (const ClientRect &area : surface.changed.areas) {
            CopyToWindow(painter, surface, area);
        }
        surface.changed.areas.clear();
    }
}

void RepairExposed(X11Painter &painter, const std::vector<PictureSurface> &surfaces,
                   const XExposeEvent &event) {
    const ClientRect exposed = {event.x, event.y, event.x + event.width, event.y + event.height};
    for (const PictureSurface &surface : surfaces) {
        const ClientRect common = CommonArea(exposed, surface.place);
        if (surface.pixmap == None || IsEmptyArea(common)) {
            continue;
        }
        const ClientRect inPicture = {
            common.left - surface.place.left, common.top - surface.place.top,
            common.right - surface.place.left, common.bottom - surface.place.top};
        CopyToWindow(painter, surface, inPicture);
    }
}
