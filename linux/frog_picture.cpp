// Decoding the embedded frog bitmap into the window's pixel values.
#include "frog_picture.h"

#include "bmp_reader.h"
#include "frog_bmp_data.h"

#include <cstdlib>

XImage *MakeFrogImage(X11Painter &painter) {
    RgbImage frog;
    if (!ReadBmp(FROG_BMP, FROG_BMP_SIZE, frog)) {
        return nullptr;
    }
    Display *display = painter.display;
    const TargetWindow &target = *painter.target;
    XImage *image = XCreateImage(display, target.visual, static_cast<unsigned>(target.depth),
                                 ZPixmap, 0, nullptr, static_cast<unsigned>(frog.width),
                                 static_cast<unsigned>(frog.height), 32, 0);
    if (image == nullptr) {
        return nullptr;
    }
    image->data = static_cast<char *>(
        std::malloc(static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(frog.height)));
    if (image->data == nullptr) {
        XDestroyImage(image);
        return nullptr;
    }
    for (int32_t y = 0; y < frog.height; ++y) {
        for (int32_t x = 0; x < frog.width; ++x) {
            const uint32_t rgb = frog.pixels[static_cast<size_t>(y * frog.width + x)];
            // PixelOf takes 0x00BBGGRR.
            const uint32_t reference = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
            XPutPixel(image, x, y, PixelOf(painter, reference));
        }
    }
    return image;
}

void DrawFrogImage(X11Painter &painter, XImage *image, int32_t x, int32_t y) {
    PictureSurface *surface = painter.surface;
    if (surface == nullptr || surface->pixmap == None) {
        return;
    }
    XPutImage(painter.display, surface->pixmap, painter.copyGc, image, 0, 0, x, y,
              static_cast<unsigned>(image->width), static_cast<unsigned>(image->height));
    AddChangedArea(surface->changed, {x, y, x + image->width, y + image->height},
                   SurfaceBounds(*surface));
}
