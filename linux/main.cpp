// sinuet: the Sinuet screen saver as an XScreenSaver hack.
#include "end_signals.h"
#include "figures.h"
#include "frog_picture.h"
#include "hack_options.h"
#include "settings.h"
#include "target_window.h"
#include "tick_loop.h"
#include "window_pictures.h"
#include "x11_painter.h"
#include "x_errors.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace {
// A colour name is looked up in the window's colormap; #RRGGBB was read with the options.
bool ResolveColor(Display *display, const TargetWindow &target, HackOptions &options) {
    if (options.colorText[0] == '#') {
        return true;
    }
    XColor color;
    if (!XParseColor(display, target.colormap, options.colorText, &color)) {
        std::fprintf(stderr, "sinuet: bad value for --color %s\n%s\n", options.colorText,
                     HACK_USAGE);
        return false;
    }
    options.settings.color = static_cast<uint32_t>(color.red >> 8) |
                             static_cast<uint32_t>(color.green >> 8) << 8 |
                             static_cast<uint32_t>(color.blue >> 8) << 16;
    return true;
}

void StartAnimation(const HackOptions &options) {
    saverSettings = options.settings;
    if (options.seedGiven) {
        UseFixedSeed(options.seed);
    }
}
} // namespace

int main(int argc, char **argv) {
    HackOptions options;
    const int parsed = ParseHackOptions(argc, argv, options);
    if (parsed != OPTIONS_OK) {
        return parsed;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "sinuet: cannot open the display \"%s\"\n", XDisplayName(nullptr));
        return 1;
    }
    InstallXErrorHandlers();
    TargetWindow target;
    if (!OpenTargetWindow(display, options, target)) {
        XCloseDisplay(display);
        return 1;
    }
    if (!ResolveColor(display, target, options)) {
        XCloseDisplay(display);
        return OPTIONS_BAD;
    }
    if (!InstallEndSignals()) {
        std::perror("sinuet: signals");
        XCloseDisplay(display);
        return 1;
    }
    StartAnimation(options);
    X11Painter painter;
    OpenPainter(painter, display, target);
    WindowPictures pictures;
    LayOutPictures(painter, pictures);
    XImage *frog = MakeFrogImage(painter);
    const LoopEnd end = RunTickLoop(painter, pictures, frog, options.tickLimit);
    if (frog != nullptr) {
        XDestroyImage(frog);
    }
    FreePictures(painter, pictures);
    ClosePainter(painter);
    XCloseDisplay(display);
    if (end.signal != 0) {
        DieOfSignal(end.signal);
    }
    return end.status;
}
