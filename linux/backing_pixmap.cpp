// The backing pixmap receives every line and picture the window does; an Expose copies
// back only the rectangle it names.
#include "backing_pixmap.h"

void ResetBacking(X11Painter &painter) {
    Display *display = painter.display;
    const TargetWindow &target = *painter.target;
    if (painter.backing != None) {
        XFreePixmap(display, painter.backing);
    }
    const unsigned width = target.width > 0 ? static_cast<unsigned>(target.width) : 1;
    const unsigned height = target.height > 0 ? static_cast<unsigned>(target.height) : 1;
    painter.backing =
        XCreatePixmap(display, target.window, width, height, static_cast<unsigned>(target.depth));
    XFillRectangle(display, painter.backing, painter.copyGc, 0, 0, width, height);
    XFillRectangle(display, target.window, painter.copyGc, 0, 0, width, height);
    ForgetLastLine(painter.last);
}

void RepairExposed(X11Painter &painter, const XExposeEvent &event) {
    if (painter.backing == None) {
        return;
    }
    XCopyArea(painter.display, painter.backing, painter.target->window, painter.copyGc, event.x,
              event.y, static_cast<unsigned>(event.width), static_cast<unsigned>(event.height),
              event.x, event.y);
}
