// Command-line options of the sinuet hack: the saver's six settings, where to draw, and a
// fixed seed and a number of ticks for tests.
#pragma once

#include "settings.h"

#include <cstdint>

struct HackOptions {
    SaverSettings settings;
    const char *colorText; // the --color value, resolved against the X server later
    int32_t root;          // --root given
    int32_t windowIdGiven; // --window-id given (wins over --root)
    unsigned long windowId;
    int32_t seedGiven;
    uint32_t seed;
    int32_t tickLimit; // --ticks: draw this many ticks, then keep the picture (0: no limit)
};

extern const char *const HACK_USAGE;

enum { OPTIONS_OK = 0, OPTIONS_BAD = 2 };

// Fills `options` from the arguments (one dash or two before every name). On an unknown
// option or a malformed value it writes one line naming it, then the usage, to standard
// error and returns OPTIONS_BAD, the exit status.
int ParseHackOptions(int argc, char **argv, HackOptions &options);
