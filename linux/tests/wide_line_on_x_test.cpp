// The page's rasteriser against the X server (run by run_on_xvfb.sh): each line of the table
// is drawn by both, with a GC like the hack's pens, into a small picture, and every pixel
// must agree and lie in the box the rasteriser reports. Pictures put partly outside
// the picture are cut as XPutImage cuts them.
#include "pixel_buffer.h"
#include "wide_line_raster.h"

// GoogleTest before Xlib, whose None macro would clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const int W = 64, H = 48;
const uint32_t LIT = OpaquePixel(0xFFFFFF);

struct XPicture {
    Display *display;
    Pixmap pixmap;
    GC pen, eraser;
};

XPicture OpenPicture() {
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return {nullptr, 0, nullptr, nullptr};
    }
    const Pixmap pixmap = XCreatePixmap(display, DefaultRootWindow(display), W, H,
                                        static_cast<unsigned>(DefaultDepth(display, 0)));
    XGCValues values;
    values.foreground = WhitePixel(display, 0);
    values.line_width = WIDE_LINE_WIDTH;
    values.line_style = LineSolid;
    values.cap_style = CapRound;
    values.join_style = JoinRound;
    const GC pen =
        XCreateGC(display, pixmap,
                  GCForeground | GCLineWidth | GCLineStyle | GCCapStyle | GCJoinStyle, &values);
    values.foreground = BlackPixel(display, 0);
    const GC eraser = XCreateGC(display, pixmap, GCForeground, &values);
    return {display, pixmap, pen, eraser};
}

void ClosePicture(const XPicture &x) {
    XFreeGC(x.display, x.pen);
    XFreeGC(x.display, x.eraser);
    XFreePixmap(x.display, x.pixmap);
    XCloseDisplay(x.display);
}

// A 24-bit TrueColor pixel value 0xRRGGBB as the buffer's pixel, and back.
uint32_t FromServer(unsigned long value) {
    return OpaquePixel((value >> 16 & 0xFF) | (value & 0xFF00) | (value & 0xFF) << 16);
}

unsigned long ToServer(uint32_t pixel) {
    return (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
}

std::vector<uint32_t> ServerPixels(const XPicture &x) {
    XImage *image = XGetImage(x.display, x.pixmap, 0, 0, W, H, AllPlanes, ZPixmap);
    std::vector<uint32_t> pixels(W * H);
    for (int y = 0; y < H; ++y) {
        for (int k = 0; k < W; ++k) {
            pixels[y * W + k] = FromServer(XGetPixel(image, k, y));
        }
    }
    XDestroyImage(image);
    return pixels;
}

struct Line {
    int x1, y1, x2, y2;
};

std::vector<Line> Table() {
    std::vector<Line> lines = {
        {30, 20, 30, 20}, {0, 0, 0, 0},     {-1, -1, -1, -1},        {-2, 20, -2, 20},
        {30, 20, 31, 20}, {30, 20, 30, 21}, {30, 20, 31, 21},        {31, 20, 30, 21},
        {-5, 10, 70, 30}, {10, -9, 50, 60}, {-32768, 24, 32767, 24}, {63, 47, 100, 90},
        {-40, -30, 0, 0}, {64, 0, 64, 47},  {65, 0, 65, 47},         {-30000, -20000, 32000, 31000},
        {3, 40, 60, 2},   {5, 5, 59, 46},   {20, 47, 22, 0},
    };
    // Every direction and length up to 6, from the middle.
    for (int dy = -6; dy <= 6; ++dy) {
        for (int dx = -6; dx <= 6; ++dx) {
            lines.push_back({32, 24, 32 + dx, 24 + dy});
        }
    }
    return lines;
}

TEST(WideLineOnX, EveryPixelAsTheServerDrawsIt) {
    const XPicture x = OpenPicture();
    if (x.display == nullptr) {
        GTEST_SKIP() << "no X display";
    }
    for (const Line &line : Table()) {
        const std::string name = std::to_string(line.x1) + "," + std::to_string(line.y1) + " to " +
                                 std::to_string(line.x2) + "," + std::to_string(line.y2);
        XFillRectangle(x.display, x.pixmap, x.eraser, 0, 0, W, H);
        XDrawLine(x.display, x.pixmap, x.pen, line.x1, line.y1, line.x2, line.y2);
        const std::vector<uint32_t> want = ServerPixels(x);
        PixelBuffer buffer;
        ResetPixelBuffer(buffer, W, H, OpaquePixel(0));
        const ClientRect lit = DrawWideLine(buffer, line.x1, line.y1, line.x2, line.y2, LIT);
        int differing = 0;
        for (int k = 0; k < W * H; ++k) {
            differing += buffer.pixels[k] != want[k];
        }
        EXPECT_EQ(differing, 0) << name;
        // What the page copies to its canvas: every pixel set lies in the box reported.
        for (int k = 0; k < W * H; ++k) {
            const int px = k % W, py = k / W;
            EXPECT_TRUE(want[k] != LIT ||
                        (px >= lit.left && px < lit.right && py >= lit.top && py < lit.bottom))
                << name << ": " << px << "," << py << " outside the box";
        }
    }
    ClosePicture(x);
}

TEST(WideLineOnX, PicturesCutAtTheEdgesAsXPutImageCutsThem) {
    const XPicture x = OpenPicture();
    if (x.display == nullptr) {
        GTEST_SKIP() << "no X display";
    }
    const int w = 5, h = 4;
    std::vector<uint32_t> picture(w * h);
    XImage *image =
        XCreateImage(x.display, DefaultVisual(x.display, 0), 24, ZPixmap, 0, nullptr, w, h, 32, 0);
    image->data = static_cast<char *>(std::calloc(static_cast<size_t>(image->bytes_per_line), h));
    for (int k = 0; k < w * h; ++k) {
        picture[k] = OpaquePixel(0x102030u * static_cast<uint32_t>(k + 1));
        XPutPixel(image, k % w, k / w, ToServer(picture[k]));
    }
    const int corners[][2] = {{10, 10}, {-2, -1}, {61, 45}, {-5, 0}, {0, 48}, {62, -3}};
    for (const auto &corner : corners) {
        XFillRectangle(x.display, x.pixmap, x.eraser, 0, 0, W, H);
        XPutImage(x.display, x.pixmap, x.eraser, image, 0, 0, corner[0], corner[1], w, h);
        PixelBuffer buffer;
        ResetPixelBuffer(buffer, W, H, OpaquePixel(0));
        const ClientRect put = PutPicture(buffer, picture.data(), w, h, corner[0], corner[1]);
        EXPECT_EQ(buffer.pixels, ServerPixels(x)) << corner[0] << "," << corner[1];
        const int64_t area = static_cast<int64_t>(std::max(0, put.right - put.left)) *
                             std::max(0, put.bottom - put.top);
        EXPECT_EQ(area, std::count_if(buffer.pixels.begin(), buffer.pixels.end(),
                                      [](uint32_t p) { return p != OpaquePixel(0); }))
            << corner[0] << "," << corner[1];
    }
    XDestroyImage(image);
    ClosePicture(x);
}
} // namespace
