// Settings typed as text: the configuration dialog's reading of numbers, and colours as
// "#RRGGBB", shared by the hack's command line and the web page's panel, and their digits.
#include "settings.h"

#include <cstring>

bool ReadDecimalDigits(const char *text, uint64_t &value) {
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
    if (!ReadDecimalDigits(text, value)) {
        return false;
    }
    // The dialog reads what does not fit in 32 bits as 0.
    const uint32_t typed = value > 0xFFFFFFFFu ? 0 : static_cast<uint32_t>(value);
    number = negative ? 1 : CorrectSetting(static_cast<int32_t>(typed), upper);
    return true;
}

int DigitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

bool ParseHexColor(const char *text, uint32_t &color) {
    if (text[0] != '#' || std::strlen(text) != 7) {
        return false;
    }
    uint32_t channels[3];
    for (int c = 0; c < 3; ++c) {
        const int high = DigitValue(text[1 + 2 * c], 16);
        const int low = DigitValue(text[2 + 2 * c], 16);
        if (high < 0 || low < 0) {
            return false;
        }
        channels[c] = static_cast<uint32_t>(high * 16 + low);
    }
    color = channels[0] | channels[1] << 8 | channels[2] << 16;
    return true;
}
