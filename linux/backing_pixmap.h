// The pixmaps the pictures are drawn in, and the copies that bring them to the window.
#pragma once

#include "x11_painter.h"

#include <vector>

// A new black pixmap of the surface's size (the old one freed); nothing changed yet.
void ResetBacking(X11Painter &painter, PictureSurface &surface);

void FreeBacking(X11Painter &painter, PictureSurface &surface);

// Copies every surface's changed areas to the window and forgets them.
void CopyChangedAreas(X11Painter &painter, std::vector<PictureSurface> &surfaces);

// Copies back the part of every surface that lies in the exposed rectangle.
void RepairExposed(X11Painter &painter, const std::vector<PictureSurface> &surfaces,
                   const XExposeEvent &event);
