// One picture per monitor only on the bare root: a screen-saver daemon or a virtual-root
// window manager gives the hack one window per monitor already.
#include "window_pictures.h"

#include "backing_pixmap.h"
#include "monitors.h"
#include "picture_areas.h"

namespace {
std::vector<PixelArea> Places(X11Painter &painter) {
    const TargetWindow &target = *painter.target;
    std::vector<ClientRect> monitors;
    if (target.bareRoot) {
        for (const PixelArea &m : QueryMonitors(painter.display, target.window)) {
            monitors.push_back({m.left, m.top, m.right, m.bottom});
        }
    }
    ClientRect areas[MAX_PICTURES];
    const int32_t count = PictureAreas(monitors.data(), static_cast<int32_t>(monitors.size()), 0, 0,
                                       target.width, target.height, areas);
    std::vector<PixelArea> places;
    for (int32_t n = 0; n < count; ++n) {
        places.push_back({areas[n].left, areas[n].top, areas[n].right, areas[n].bottom});
    }
    return places;
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

void FollowMonitors(X11Painter &painter, WindowPictures &pictures) {
    const std::vector<PixelArea> places = Places(painter);
    bool same = places.size() == pictures.surfaces.size();
    for (std::size_t k = 0; same && k < places.size(); ++k) {
        const PixelArea &now = pictures.surfaces[k].place;
        same = now.left == places[k].left && now.top == places[k].top &&
               now.right == places[k].right && now.bottom == places[k].bottom;
    }
    if (!same) {
        LayOutPictures(painter, pictures);
    }
}

void FreePictures(X11Painter &painter, WindowPictures &pictures) {
    for (PictureSurface &surface : pictures.surfaces) {
        FreeBacking(painter, surface);
    }
    pictures.surfaces.clear();
    pictures.figures.clear();
}
