// Reading a window id written in hex with "0x" or in decimal.
#include "window_handle_text.h"

#include "settings.h"

#include <cstdint>

bool ParseWindowHandle(const char *text, unsigned long &window) {
    if (text == nullptr) {
        return false;
    }
    int base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (*text == '\0') {
        return false;
    }
    uint64_t value = 0;
    for (; *text != '\0'; ++text) {
        const int digit = DigitValue(*text, base);
        if (digit < 0) {
            return false;
        }
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return false;
        }
    }
    if (value == 0) {
        return false;
    }
    window = static_cast<unsigned long>(value);
    return true;
}
