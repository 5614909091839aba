// The frog picture as an XImage in the window's visual.
#pragma once

#include "x11_painter.h"

#include <X11/Xutil.h>

// Null when the embedded bitmap cannot be read.
XImage *MakeFrogImage(X11Painter &painter);

// Puts the whole picture at (x, y) into the surface being painted on.
void DrawFrogImage(X11Painter &painter, XImage *image, int32_t x, int32_t y);
