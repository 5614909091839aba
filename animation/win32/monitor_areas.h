// The saver window's picture areas, as the platform lists its monitors.
#pragma once

#include "figures.h"

#include <windows.h>

// Per monitor (full screen): one area per monitor that shows part of the window, in client
// coordinates, through "EnumDisplayMonitors" looked up by name; where the platform lacks it
// (Windows 95, NT 4) the whole client area is the one area. Otherwise (the preview): the
// whole client area. Writes at most MAX_PICTURES areas and returns their number.
int32_t SaverPictureAreas(HWND window, int perMonitor, ClientRect *areas);
