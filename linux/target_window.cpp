// Finding or making the window to draw on, and selecting the events the hack handles.
#include "target_window.h"

#include "monitors.h"
#include "window_handle_text.h"
#include "x_errors.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {
const unsigned OWN_WIDTH = 1024;
const unsigned OWN_HEIGHT = 768;

// A child of the root that a virtual-root window manager marked with __SWM_VROOT.
Window VirtualRoot(Display *display, Window root) {
    const Atom vroot = XInternAtom(display, "__SWM_VROOT", False);
    Window rootReturn, parent, *children = nullptr;
    unsigned count = 0;
    Window found = root;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
        return root;
    }
    for (unsigned k = 0; k < count && found == root; ++k) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char *value = nullptr;
        if (XGetWindowProperty(display, children[k], vroot, 0, 1, False, XA_WINDOW, &type, &format,
                               &items, &after, &value) == Success &&
            type == XA_WINDOW && format == 32 && items == 1) {
            const Window named = *reinterpret_cast<Window *>(value);
            found = named != 0 ? named : children[k];
        }
        if (value != nullptr) {
            XFree(value);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

Window RootTarget(Display *display) {
    unsigned long window = 0;
    if (ParseWindowHandle(std::getenv("XSCREENSAVER_WINDOW"), window)) {
        return window;
    }
    return VirtualRoot(display, DefaultRootWindow(display));
}

Window OwnWindow(Display *display) {
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, OWN_WIDTH, OWN_HEIGHT, 0,
                            BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, "Sinuet");
    XClassHint hint = {const_cast<char *>("sinuet"), const_cast<char *>("Sinuet")};
    XSetClassHint(display, window, &hint);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, ExposureMask | StructureNotifyMask | KeyPressMask);
    XMapWindow(display, window);
    return window;
}
} // namespace

void PrintWindowProblem(const TargetWindow &target, const char *problem) {
    std::fprintf(stderr, "sinuet: window 0x%lx: %s\n", target.window, problem);
}

bool OpenTargetWindow(Display *display, const HackOptions &options, TargetWindow &target) {
    target.own = 0;
    if (options.windowIdGiven) {
        target.window = options.windowId;
    } else if (options.root) {
        target.window = RootTarget(display);
    } else {
        target.window = OwnWindow(display);
        target.own = 1;
    }
    XWindowAttributes attributes;
    const int known = XGetWindowAttributes(display, target.window, &attributes);
    if (!target.own) {
        // Another client's window: only its size and its redraws concern us.
        XSelectInput(display, target.window, ExposureMask | StructureNotifyMask);
    }
    XSync(display, False);
    if (!known || XErrorSeen()) {
        PrintWindowProblem(target, "no such window");
        return false;
    }
    target.bareRoot = target.window == attributes.root ? 1 : 0;
    // One picture per monitor there: its monitors may change while the size stays.
    target.randrEventBase = target.bareRoot ? WatchMonitors(display, target.window) : -1;
    target.visual = attributes.visual;
    target.depth = attributes.depth;
    target.colormap = attributes.colormap != None
                          ? attributes.colormap
                          : DefaultColormap(display, DefaultScreen(display));
    target.width = attributes.width;
    target.height = attributes.height;
    return true;
}
