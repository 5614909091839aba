// Judging what one monitor shows against the picture the saver must draw there.
#pragma once

#include "saver_test_support.h"

struct Verdict {
    double frog;        // share of the frog's pixels found at the monitor's frog place
    double frogShifted; // the same, three pixels to the right
    long band;          // pixels in the colour of one of the figures
    long innermost;     // pixels of the innermost figure, which rings the frog
    long stray;         // lit pixels outside the frog that no figure of this monitor explains
};

// A monitor's capture, with the settings of the test process's saverSettings: each band
// pixel must lie within its figure's band around this monitor's own centre (in the tilted
// view: once taken back through the projection), up to the pen's width.
Verdict JudgeMonitor(const Capture &screen, const Capture &frog);
