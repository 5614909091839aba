// Parsing sinuet-trace's options; every value is range-checked.
#include "trace_options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

static const char *const USAGE =
    "usage: sinuet-trace [--size WxH] [--count N] [--loops N] [--frog 0|1] [--fade 0|1] "
    "[--view3d 0|1] [--color DECIMAL] [--ticks N] [--seed N | --phases P0,P1,...]";

// A whole decimal number from `text` up to `end` (or its end) in [low, high].
static bool ParseNumber(const char *text, const char *end, long long low, long long high,
                        long long &number) {
    if (end == nullptr) {
        end = text + std::strlen(text);
    }
    if (text == end || end - text > 12) {
        return false;
    }
    long long value = 0;
    for (const char *p = text; p < end; ++p) {
        if (*p < '0' || *p > '9') {
            return false;
        }
        value = value * 10 + (*p - '0');
    }
    if (value < low || value > high) {
        return false;
    }
    number = value;
    return true;
}

// A client size WxH; a side may be 0, as a tiny preview window can be.
static bool ParseSize(const char *text, TraceOptions &options) {
    const char *x = std::strchr(text, 'x');
    long long width = 0;
    long long height = 0;
    if (x == nullptr || !ParseNumber(text, x, 0, 100000, width) ||
        !ParseNumber(x + 1, nullptr, 0, 100000, height)) {
        return false;
    }
    options.width = static_cast<int32_t>(width);
    options.height = static_cast<int32_t>(height);
    return true;
}

static bool ParsePhases(const char *text, TraceOptions &options) {
    options.phaseCount = 0;
    for (;;) {
        const char *comma = std::strchr(text, ',');
        long long phase = 0;
        if (options.phaseCount == MAX_FIGURES || !ParseNumber(text, comma, 0, 60, phase)) {
            return false;
        }
        options.phases[options.phaseCount++] = static_cast<int32_t>(phase);
        if (comma == nullptr) {
            return true;
        }
        text = comma + 1;
    }
}

// One option with its value; false when the value is out of range or malformed.
static bool ApplyOption(const char *name, const char *value, TraceOptions &options) {
    SaverSettings &s = options.settings;
    long long n = 0;
    if (std::strcmp(name, "--size") == 0) {
        return ParseSize(value, options);
    }
    if (std::strcmp(name, "--phases") == 0) {
        return ParsePhases(value, options);
    }
    struct NumberOption {
        const char *name;
        long long low, high;
    };
    static const NumberOption NUMBERS[] = {
        {"--count", 0, MAX_FIGURES},
        {"--loops", 1, 10},
        {"--frog", 0, 1},
        {"--fade", 0, 1},
        {"--view3d", 0, 1},
        {"--color", 0, 0xFFFFFF},
        {"--ticks", 0, 100000000},
        {"--seed", 0, 4294967295LL},
    };
    for (const NumberOption &option : NUMBERS) {
        if (std::strcmp(name, option.name) != 0) {
            continue;
        }
        if (!ParseNumber(value, nullptr, option.low, option.high, n)) {
            return false;
        }
        if (option.name == NUMBERS[0].name) {
            s.count = static_cast<int32_t>(n);
        } else if (option.name == NUMBERS[1].name) {
            s.loopsPerMinute = static_cast<int32_t>(n);
        } else if (option.name == NUMBERS[2].name) {
            s.showFrog = static_cast<int32_t>(n);
        } else if (option.name == NUMBERS[3].name) {
            s.fade = static_cast<int32_t>(n);
        } else if (option.name == NUMBERS[4].name) {
            s.view3D = static_cast<int32_t>(n);
        } else if (option.name == NUMBERS[5].name) {
            s.color = static_cast<uint32_t>(n);
        } else if (option.name == NUMBERS[6].name) {
            options.ticks = static_cast<int32_t>(n);
        } else {
            options.seedGiven = 1;
            options.seed = static_cast<uint32_t>(n);
        }
        return true;
    }
    return false;
}

static bool IsKnown(const char *name) {
    static const char *const NAMES[] = {"--size",   "--count", "--loops", "--frog", "--fade",
                                        "--view3d", "--color", "--ticks", "--seed", "--phases"};
    for (const char *known : NAMES) {
        if (std::strcmp(name, known) == 0) {
            return true;
        }
    }
    return false;
}

static bool Fail(const char *message, const char *name) {
    std::fprintf(stderr, "sinuet-trace: %s %s; %s\n", message, name, USAGE);
    return false;
}

bool ParseTraceOptions(int argc, char **argv, TraceOptions &options) {
    SetDefaultSettings(options.settings);
    options.width = 1024;
    options.height = 768;
    options.ticks = 1;
    options.seedGiven = 0;
    options.seed = 0;
    options.phaseCount = 0;
    bool phasesGiven = false;
    for (int k = 1; k < argc; ++k) {
        const char *name = argv[k];
        if (!IsKnown(name)) {
            return Fail("unknown option", name);
        }
        if (k + 1 >= argc) {
            return Fail("missing value for", name);
        }
        if (!ApplyOption(name, argv[++k], options)) {
            return Fail("bad value for", name);
        }
        phasesGiven = phasesGiven || std::strcmp(name, "--phases") == 0;
    }
    if (phasesGiven && options.seedGiven) {
        return Fail("cannot combine --seed with", "--phases");
    }
    if (phasesGiven && options.phaseCount != options.settings.count) {
        return Fail("need one phase per figure (--count) in", "--phases");
    }
    return true;
}
