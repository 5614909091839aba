// A run of lines adds the boxes of its consecutive lines, joined while the joined box is
// no larger than the two (so a long arc gives several boxes along it, not one around its
// open side), to the changed areas, and the frog its own box: a tick changes a handful of
// rectangles per figure, as the hack copies from its pixmap.
#include "page_picture.h"

#include "web_painter.h"
#include "wide_line_raster.h"

#include <algorithm>
#include <cstddef>

namespace {
ClientRect Bounds(const PagePicture &picture) {
    return {0, 0, picture.buffer.width, picture.buffer.height};
}

// Draws the run's lines; returns the words it took.
size_t PaintRun(PagePicture &picture, const int32_t *words) {
    const uint32_t pixel = OpaquePixel(static_cast<uint32_t>(words[1]));
    const int32_t count = words[2];
    ClientRect drawn = {0, 0, 0, 0};
    for (int32_t n = 0; n < count; ++n) {
        const int32_t *line = words + 3 + 4 * n;
        const ClientRect lit =
            DrawWideLine(picture.buffer, line[0], line[1], line[2], line[3], pixel);
        if (IsEmptyArea(lit)) {
            continue;
        }
        if (IsEmptyArea(drawn)) {
            drawn = lit;
        } else if (WorthJoiningAreas(drawn, lit)) {
            drawn = BoundingArea(drawn, lit);
        } else { // joined, they would copy more than apart: a new box
            AddChangedArea(picture.changed, drawn, Bounds(picture));
            drawn = lit;
        }
    }
    AddChangedArea(picture.changed, drawn, Bounds(picture));
    return 3 + 4 * static_cast<size_t>(count);
}
} // namespace

void ResetPagePicture(PagePicture &picture, int32_t width, int32_t height) {
    ResetPixelBuffer(picture.buffer, width, height, OpaquePixel(0));
    picture.changed.areas.clear();
}

void PaintDrawList(PagePicture &picture, const int32_t *list, size_t length) {
    for (size_t k = 0; k < length;) {
        if (list[k] == LIST_RUN) {
            k += PaintRun(picture, list + k);
        } else { // LIST_FROG
            if (picture.frogWidth > 0) {
                const ClientRect put =
                    PutPicture(picture.buffer, picture.frog.data(), picture.frogWidth,
                               picture.frogHeight, list[k + 1], list[k + 2]);
                AddChangedArea(picture.changed, put, Bounds(picture));
            }
            k += 3;
        }
    }
}

int32_t TakeChangedRects(PagePicture &picture) {
    picture.rects.clear();
    picture.packed.clear();
    const PixelBuffer &buffer = picture.buffer;
    for (const ClientRect &area : picture.changed.areas) {
        picture.rects.insert(picture.rects.end(),
                             {area.left, area.top, area.right - area.left, area.bottom - area.top});
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const auto row = buffer.pixels.begin() + static_cast<ptrdiff_t>(y) * buffer.width;
            picture.packed.insert(picture.packed.end(), row + area.left, row + area.right);
        }
    }
    picture.changed.areas.clear();
    return static_cast<int32_t>(picture.rects.size() / 4);
}
