// Which DPI awareness a mode asks for before it makes its window. Full screen asks for its
// own monitors' real pixels, so that a picture on a scaled monitor is drawn sharp in that
// monitor's pixels; the preview (a child of the control panel's window) and the dialogs
// keep the awareness that the program's manifest declares.
#pragma once

#include "mode_decision.h"

enum DpiRequest {
    DPI_AS_MANIFEST,   // nothing is asked: the manifest's system awareness
    DPI_PER_MONITOR_2, // per-monitor awareness, version 2, for the thread
};

DpiRequest DpiRequestOf(SaverMode mode);
