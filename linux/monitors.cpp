// Asking the server for its monitors: Xinerama first, since a server that runs it (Xorg
// with several screens joined) has no RandR, and RandR's own Xinerama emulation answers
// the same question where RandR runs.
#include "monitors.h"

#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>

namespace {
ClientRect Area(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

std::vector<ClientRect> XineramaHeads(Display *display) {
    std::vector<ClientRect> heads;
    int event, error, count = 0;
    if (!XineramaQueryExtension(display, &event, &error) || !XineramaIsActive(display)) {
        return heads;
    }
    XineramaScreenInfo *screens = XineramaQueryScreens(display, &count);
    for (int k = 0; k < count; ++k) {
        heads.push_back(
            Area(screens[k].x_org, screens[k].y_org, screens[k].width, screens[k].height));
    }
    if (screens != nullptr) {
        XFree(screens);
    }
    return heads;
}

std::vector<ClientRect> RandrMonitors(Display *display, Window root) {
    std::vector<ClientRect> monitors;
    int count = 0;
    XRRMonitorInfo *info = XRRGetMonitors(display, root, True, &count);
    for (int k = 0; k < count; ++k) {
        monitors.push_back(Area(info[k].x, info[k].y, info[k].width, info[k].height));
    }
    if (info != nullptr) {
        XRRFreeMonitors(info);
    }
    return monitors;
}

std::vector<ClientRect> RandrCrtcs(Display *display, Window root) {
    std::vector<ClientRect> crtcs;
    XRRScreenResources *resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources == nullptr) {
        return crtcs;
    }
    for (int k = 0; k < resources->ncrtc; ++k) {
        XRRCrtcInfo *crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[k]);
        if (crtc != nullptr && crtc->mode != None) {
            crtcs.push_back(Area(crtc->x, crtc->y, static_cast<int>(crtc->width),
                                 static_cast<int>(crtc->height)));
        }
        if (crtc != nullptr) {
            XRRFreeCrtcInfo(crtc);
        }
    }
    XRRFreeScreenResources(resources);
    return crtcs;
}
} // namespace

std::vector<ClientRect> QueryMonitors(Display *display, Window root) {
    std::vector<ClientRect> monitors = XineramaHeads(display);
    int event, error, major = 0, minor = 0;
    if (!monitors.empty() || !XRRQueryExtension(display, &event, &error) ||
        !XRRQueryVersion(display, &major, &minor)) {
        return monitors;
    }
    const int version = major * 100 + minor;
    if (version >= 105) {
        monitors = RandrMonitors(display, root);
    }
    if (monitors.empty() && version >= 103) {
        monitors = RandrCrtcs(display, root);
    }
    return monitors;
}
