#include "mode_decision.h"

namespace {
enum SwitchAction {
    SWITCH_SEPARATOR,
    SWITCH_FULL_SCREEN,
    SWITCH_PREVIEW,
    SWITCH_CONFIGURE,
    SWITCH_CHANGE_PASSWORD,
    SWITCH_NONE
};

struct SwitchRow {
    const char *bytes;
    SwitchAction action;
};

const SwitchRow SWITCH_TABLE[] = {
    {" -/", SWITCH_SEPARATOR}, {"sS", SWITCH_FULL_SCREEN},     {"pPlL", SWITCH_PREVIEW},
    {"cC", SWITCH_CONFIGURE},  {"aA", SWITCH_CHANGE_PASSWORD},
};

SwitchAction LookUpSwitch(char byte) {
    for (const SwitchRow &row : SWITCH_TABLE)
        for (const char *candidate = row.bytes; *candidate; ++candidate)
            if (*candidate == byte)
                return row.action;
    return SWITCH_NONE;
}

const char *SkipBlanks(const char *text) {
    while (*text == ' ')
        ++text;
    return text;
}

const char *ConfigureOwnerText(const char *afterLetter) {
    return *afterLetter == ':' ? afterLetter + 1 : nullptr;
}
} // namespace

ModeDecision DecideMode(const char *tail, int win9x) {
    const char *position = tail;
    while (*position && LookUpSwitch(*position) == SWITCH_SEPARATOR)
        ++position;
    if (*position == 0)
        return {MODE_CONFIGURE_UNOWNED, nullptr};
    const char *afterLetter = position + 1;
    switch (LookUpSwitch(*position)) {
        case SWITCH_FULL_SCREEN:
            return {MODE_FULL_SCREEN, nullptr};
        case SWITCH_PREVIEW:
            return {MODE_PREVIEW, SkipBlanks(afterLetter)};
        case SWITCH_CONFIGURE:
            return {MODE_CONFIGURE, ConfigureOwnerText(afterLetter)};
        case SWITCH_CHANGE_PASSWORD:
            if (win9x)
                return {MODE_CHANGE_PASSWORD, SkipBlanks(afterLetter)};
            return {MODE_UNRECOGNISED, nullptr};
        default:
            return {MODE_UNRECOGNISED, nullptr};
    }
}
