// One picture per monitor only on the bare root: a screen-saver daemon or a virtual-root
// window manager gives the hack one window per monitor already.
#include "window_pictures.h"

#include "backing_pixmap.h"
#include "monitors.h"
#include "picture_areas.h"

namespace {
// The picture areas of the window as it is now: one per monitor on the bare root.
int32_t WindowPictureAreas(X11Painter &painter, ClientRect *areas) {
    const TargetWindow &target = *painter.target;
    std::vector<ClientRect> monitors;
    if (target.bareRoot) {
        monitors = QueryMonitors(painter.display, target.window);
    }
    return PictureAreas(monitors.data(), static_cast<int32_t>(monitors.size()), 0, 0, target.width,
                        target.height, areas);
}
} // namespace

void LayOutPictures(X11Painter &painter, WindowPictures &pictures) {
    FreePictures(painter, pictures);
    ClientRect areas[MAX_PICTURES];
    const int32_t count = WindowPictureAreas(painter, areas);
    for (int32_t n = 0; n < count; ++n) {
        const ClientRect &place = areas[n];
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
