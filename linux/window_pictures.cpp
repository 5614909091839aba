// One picture per monitor only on the bare root: a screen-saver daemon or a virtual-root
// window manager gives the hack one window per monitor already.
#include "window_pictures.h"

#include "backing_pixmap.h"
#include "monitor_layout.h"
#include "monitors.h"

namespace {
std::vector<PixelArea> Places(X11Painter &painter) {
    const TargetWindow &target = *painter.target;
    std::vector<PixelArea> monitors;
    if (target.bareRoot) {
        monitors = QueryMonitors(painter.display, target.window);
    }
    return PicturePlaces(monitors, target.width, target.height);
}
} // namespace

void LayOutPictures(X11Painter &painter, WindowPictures &pictures) {
    FreePictures(painter, pictures);
    for (const PixelArea &place : Places(painter)) {
        // Each picture's record has its own client rectangle, at (0, 0) like a window's.
        pictures.figures.push_back(
            FreshFigures({0, 0, place.right - place.left, place.bottom - place.top}));
        pictures.surfaces.push_back({place, None, {}});
        ResetBacking(painter, pictures.surfaces.back());
    }
    const TargetWindow &target = *painter.target;
    XFillRectangle(painter.display, target.window, painter.copyGc, 0, 0,
                   static_cast<unsigned>(target.width > 0 ? target.width : 1),
                   static_cast<unsigned>(target.height > 0 ? target.height : 1));
    ForgetLastLine(painter.last);
    painter.surface = nullptr;
}

void FreePictures(X11Painter &painter, WindowPictures &pictures) {
    for (PictureSurface &surface : pictures.surfaces) {
        FreeBacking(painter, surface);
    }
    pictures.surfaces.clear();
    pictures.figures.clear();
}
