// The monitors an X server reports for a screen.
#pragma once

#include "client_rect.h"

#include <X11/Xlib.h>

#include <vector>

// In root coordinates: Xinerama's heads when Xinerama is active, else RandR 1.5's
// monitors, else the RandR 1.3 CRTCs that show a mode; empty when the server offers
// none of these.
std::vector<ClientRect> QueryMonitors(Display *display, Window root);
