// Command-line options of sinuet-trace.
#pragma once

#include "figures.h"
#include "settings.h"

#include <cstdint>

struct TraceOptions {
    SaverSettings settings;
    int32_t width;
    int32_t height;
    int32_t ticks;
    int32_t seedGiven;
    uint32_t seed;
    int32_t phaseCount; // 0 when no --phases were given
    int32_t phases[MAX_FIGURES];
};

// Fills `options` from the arguments. On a bad option, prints one line naming it to
// standard error and returns false.
bool ParseTraceOptions(int argc, char **argv, TraceOptions &options);
