// What the hack does with the X events of its window.
#pragma once

#include "window_pictures.h"
#include "x11_painter.h"

enum EventResult { KEEP_RUNNING, END_QUIETLY, END_WINDOW_GONE };

// Expose repairs from the pictures' pixmaps; a new size, or on the bare root a change of
// the monitors, places the pictures anew and clears; on its own window, q, Escape and the
// window manager's close end the hack.
EventResult HandleWindowEvent(X11Painter &painter, WindowPictures &pictures, XEvent &event);
