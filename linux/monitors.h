// The monitors an X server reports for a screen.
#pragma once

#include "client_rect.h"

#include <X11/Xlib.h>

#include <vector>

// In root coordinates: Xinerama's heads when Xinerama is active, else RandR 1.5's
// monitors, else the RandR 1.3 CRTCs that show a mode; empty when the server offers
// none of these.
std::vector<ClientRect> QueryMonitors(Display *display, Window root);

// Asks for RandR's notices of a changed screen, CRTC or output on the root; the first
// RandR event number, or -1 where the server has no RandR 1.2.
int WatchMonitors(Display *display, Window root);

// Whether the event is one of those notices; a new screen size is passed on to Xlib.
bool IsMonitorChange(int randrEventBase, XEvent &event);
