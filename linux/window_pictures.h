// The pictures the hack shows: one filling its window or, on the bare root window of a
// screen with several monitors, one on each monitor, centred on it and cut to it.
#pragma once

#include "figures.h"
#include "x11_painter.h"

#include <vector>

struct WindowPictures {
    std::vector<FigureState> figures;     // set up together at the first tick
    std::vector<PictureSurface> surfaces; // in the same order
};

// Places the pictures for the window's present size (on the bare root, for the monitors
// the server reports now): fresh figures, new black pixmaps, and the window cleared.
void LayOutPictures(X11Painter &painter, WindowPictures &pictures);

// Places the pictures anew, as LayOutPictures does, when the monitors the server reports
// now place them otherwise than they are.
void FollowMonitors(X11Painter &painter, WindowPictures &pictures);

void FreePictures(X11Painter &painter, WindowPictures &pictures);
