// Parsing the hack's options. Settings start at the saver's defaults; numbers out of range
// are corrected as the configuration dialog corrects what the user typed.
#include "hack_options.h"

#include "figures.h"
#include "window_handle_text.h"

#include <cstdio>
#include <cstring>

const char *const HACK_USAGE =
    "usage: sinuet [--root | --window-id ID] [--count 1..50] [--loops 1..10] "
    "[--frog | --no-frog] [--fade | --no-fade] [--3d | --no-3d] [--color NAME|#RRGGBB] "
    "[--seed N] [--ticks N]";

static const char *const DEFAULT_COLOR_TEXT = "#8000FF";

// A decimal number no larger than `upper`.
static bool ParseUpTo(const char *text, uint64_t upper, uint64_t &number) {
    return ReadDecimalDigits(text, number) && number <= upper;
}

// A switch without a value: sets one flag field to 0 or 1.
struct FlagOption {
    const char *name;
    int32_t HackOptions::*field;     // an option of the hack, or null for
    int32_t SaverSettings::*setting; // one of the saver's flags
    int32_t value;
};

static const FlagOption FLAGS[] = {
    {"root", &HackOptions::root, nullptr, 1},
    {"frog", nullptr, &SaverSettings::showFrog, 1},
    {"no-frog", nullptr, &SaverSettings::showFrog, 0},
    {"fade", nullptr, &SaverSettings::fade, 1},
    {"no-fade", nullptr, &SaverSettings::fade, 0},
    {"3d", nullptr, &SaverSettings::view3D, 1},
    {"no-3d", nullptr, &SaverSettings::view3D, 0},
};

// One option that takes a value; false when the value is malformed.
static bool ApplyValue(const char *name, const char *value, HackOptions &options) {
    if (std::strcmp(name, "count") == 0) {
        return ParseCorrectedNumber(value, MAX_FIGURES, options.settings.count);
    }
    if (std::strcmp(name, "loops") == 0) {
        return ParseCorrectedNumber(value, 10, options.settings.loopsPerMinute);
    }
    uint64_t number = 0;
    if (std::strcmp(name, "seed") == 0) {
        options.seedGiven = 1;
        const bool good = ParseUpTo(value, 0xFFFFFFFFu, number);
        options.seed = static_cast<uint32_t>(number);
        return good;
    }
    if (std::strcmp(name, "ticks") == 0) {
        const bool good = ParseUpTo(value, INT32_MAX, number);
        options.tickLimit = static_cast<int32_t>(number);
        return good;
    }
    if (std::strcmp(name, "window-id") == 0) {
        options.windowIdGiven = 1;
        return ParseWindowHandle(value, options.windowId);
    }
    // --color: a #RRGGBB value is taken now, a name once the X server can look it up. An
    // empty value (a settings dialog's cleared colour field) keeps the default.
    if (value[0] == '\0') {
        options.colorText = DEFAULT_COLOR_TEXT;
        return ParseHexColor(DEFAULT_COLOR_TEXT, options.settings.color);
    }
    options.colorText = value;
    return value[0] != '#' || ParseHexColor(value, options.settings.color);
}

static bool TakesValue(const char *name) {
    static const char *const NAMES[] = {"count", "loops", "color", "seed", "ticks", "window-id"};
    for (const char *known : NAMES) {
        if (std::strcmp(name, known) == 0) {
            return true;
        }
    }
    return false;
}

static bool ApplyFlag(const char *name, HackOptions &options) {
    for (const FlagOption &flag : FLAGS) {
        if (std::strcmp(name, flag.name) != 0) {
            continue;
        }
        if (flag.field != nullptr) {
            options.*flag.field = flag.value;
        } else {
            options.settings.*flag.setting = flag.value;
        }
        return true;
    }
    return false;
}

static int Fail(const char *message, const char *argument) {
    std::fprintf(stderr, "sinuet: %s %s\n%s\n", message, argument, HACK_USAGE);
    return OPTIONS_BAD;
}

int ParseHackOptions(int argc, char **argv, HackOptions &options) {
    SetDefaultSettings(options.settings);
    options.colorText = DEFAULT_COLOR_TEXT;
    options.root = 0;
    options.windowIdGiven = 0;
    options.windowId = 0;
    options.seedGiven = 0;
    options.seed = 0;
    options.tickLimit = 0;
    for (int k = 1; k < argc; ++k) {
        const char *argument = argv[k];
        const char *name = argument;
        if (name[0] != '-') {
            return Fail("unknown option", argument);
        }
        name += name[1] == '-' ? 2 : 1;
        if (TakesValue(name)) {
            if (k + 1 >= argc) {
                return Fail("missing value for", argument);
            }
            if (!ApplyValue(name, argv[++k], options)) {
                return Fail("bad value for", argument);
            }
        } else if (!ApplyFlag(name, options)) {
            return Fail("unknown option", argument);
        }
    }
    return OPTIONS_OK;
}
