// One handler per event type.
#include "window_events.h"

#include "backing_pixmap.h"
#include "monitors.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {
// The pictures are placed for the new size (on the bare root, for the monitors it has
// now) and set up at the next tick, on a cleared window.
void Resize(X11Painter &painter, WindowPictures &pictures, int32_t width, int32_t height) {
    TargetWindow &target = *painter.target;
    target.width = width;
    target.height = height;
    LayOutPictures(painter, pictures);
}

EventResult OnConfigure(X11Painter &painter, WindowPictures &pictures,
                        const XConfigureEvent &event) {
    const TargetWindow &target = *painter.target;
    if (event.window == target.window &&
        (event.width != target.width || event.height != target.height)) {
        Resize(painter, pictures, event.width, event.height);
    }
    return KEEP_RUNNING;
}

EventResult OnKey(X11Painter &painter, XKeyEvent &event) {
    const KeySym key = XLookupKeysym(&event, 0);
    return painter.target->own && (key == XK_q || key == XK_Q || key == XK_Escape) ? END_QUIETLY
                                                                                   : KEEP_RUNNING;
}

EventResult OnClientMessage(X11Painter &painter, const XClientMessageEvent &event) {
    const Atom deleteWindow = XInternAtom(painter.display, "WM_DELETE_WINDOW", True);
    return painter.target->own && event.format == 32 &&
                   static_cast<Atom>(event.data.l[0]) == deleteWindow
               ? END_QUIETLY
               : KEEP_RUNNING;
}
} // namespace

EventResult HandleWindowEvent(X11Painter &painter, WindowPictures &pictures, XEvent &event) {
    if (IsMonitorChange(painter.target->randrEventBase, event)) {
        FollowMonitors(painter, pictures);
        return KEEP_RUNNING;
    }
    switch (event.type) {
        case Expose:
            RepairExposed(painter, pictures.surfaces, event.xexpose);
            return KEEP_RUNNING;
        case ConfigureNotify:
            return OnConfigure(painter, pictures, event.xconfigure);
        case DestroyNotify:
            return event.xdestroywindow.window == painter.target->window ? END_WINDOW_GONE
                                                                         : KEEP_RUNNING;
        case KeyPress:
            return OnKey(painter, event.xkey);
        case ClientMessage:
            return OnClientMessage(painter, event.xclient);
        default:
            return KEEP_RUNNING;
    }
}
