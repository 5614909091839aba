// The copy of the window's picture that repairs what an Expose uncovers.
#pragma once

#include "x11_painter.h"

// A new black pixmap of the window's size (the old one freed), and the window cleared.
void ResetBacking(X11Painter &painter);

// Copies the exposed rectangle back from the pixmap.
void RepairExposed(X11Painter &painter, const XExposeEvent &event);
