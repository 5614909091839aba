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

// Decimal digits, the whole text; a value beyond 32 bits is kept as 2^32.
static bool ReadDigits(const char *text, uint64_t &value) {
    if (*text == '\0') {
        return false;
    }
    value = 0;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9') {
            return false;
        }
        value = value * 10 + static_cast<uint64_t>(*text - '0');
        value = value > 0xFFFFFFFFu ? 0x100000000u : value;
    }
    return true;
}

bool ParseCorrectedNumber(const char *text, int32_t upper, int32_t &number) {
    bool negative = false;
    if (*text == '-' || *text == '+') {
        negative = *text == '-';
        ++text;
    }
    uint64_t value = 0;
    if (!ReadDigits(text, value)) {
        return false;
    }
    // The dialog reads what does not fit in 32 bits as 0.
    const uint32_t typed = value > 0xFFFFFFFFu ? 0 : static_cast<uint32_t>(value);
    number = negative ? 1 : CorrectSetting(static_cast<int32_t>(typed), upper);
    return true;
}

static int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool ParseHexColor(const char *text, uint32_t &color) {
    if (text[0] != '#' || std::strlen(text) != 7) {
        return false;
    }
    uint32_t channels[3];
    for (int c = 0; c < 3; ++c) {
        const int high = HexDigit(text[1 + 2 * c]);
        const int low = HexDigit(text[2 + 2 * c]);
        if (high < 0 || low < 0) {
            return false;
        }
        channels[c] = static_cast<uint32_t>(high * 16 + low);
    }
    color = channels[0] | channels[1] << 8 | channels[2] << 16;
    return true;
}

// A decimal number no larger than `upper`.
static bool ParseUpTo(const char *text, uint64_t upper, uint64_t &number) {
    return ReadDigits(text, number) && number <= upper;
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
