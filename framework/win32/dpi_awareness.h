// Asking the platform for the DPI awareness that a mode wants.
#pragma once

#include "dpi_request.h"

// For DPI_PER_MONITOR_2 the thread asks for per-monitor awareness version 2 through
// "SetThreadDpiAwarenessContext", looked up by name: the function exists from Windows 10
// 1607 and the context from 1703. Where either is missing nothing changes. Must run before
// the screen's clip box is taken and the window is made.
void RequestDpiAwareness(DpiRequest request);
