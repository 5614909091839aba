// The hack's main loop: one animation tick every 40 ms on absolute deadlines, X events in
// between, until a signal, a vanished window or (on its own window) the user ends it.
#pragma once

#include "window_pictures.h"
#include "x11_painter.h"

#include <X11/Xutil.h>

struct LoopEnd {
    int status; // the exit status when signal is 0
    int signal; // the end signal that arrived, or 0
};

// After tickLimit ticks (0: no limit) the pictures stay as they are; events and signals
// are still handled.
LoopEnd RunTickLoop(X11Painter &painter, WindowPictures &pictures, XImage *frog, int32_t tickLimit);
