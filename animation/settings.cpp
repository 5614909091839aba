// The settings record, its defaults and the text format of its six registry values.
#include "settings.h"

#include "figures.h"

#include <cstring>

SaverSettings saverSettings;

const char *const SETTINGS_KEY = "SinuetSet9";
const char *const SETTING_VALUE_NAMES[SETTING_VALUE_COUNT] = {"N", "LM", "DF", "FA", "VI", "CO"};
const uint32_t SETTING_DATA_SIZES[SETTING_VALUE_COUNT] = {8, 8, 2, 2, 2, 8};

// Written right after the data: RegSetValueExA stores one byte more than asked for a
// REG_SZ whose last byte is not NUL when the next byte in the buffer is NUL.
static const char GUARD_BYTE = '#';

void SetDefaultSettingValue(SaverSettings &settings, SettingValue value) {
    switch (value) {
        case VALUE_N:
            settings.count = 10;
            break;
        case VALUE_LM:
            settings.loopsPerMinute = 2;
            break;
        case VALUE_DF:
            settings.showFrog = 1;
            break;
        case VALUE_FA:
            settings.fade = 1;
            break;
        case VALUE_VI:
            settings.view3D = 0;
            break;
        case VALUE_CO:
            settings.color = 0xFF0080;
            break;
        default:
            break;
    }
}

void SetDefaultSettings(SaverSettings &settings) {
    for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
        SetDefaultSettingValue(settings, static_cast<SettingValue>(value));
    }
}

// Decimal digits of `number` into `text`; returns their count.
static uint32_t FormatDecimal(uint32_t number, char *text) {
    char reversed[10];
    uint32_t length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    for (uint32_t k = 0; k < length; ++k) {
        text[k] = reversed[length - 1 - k];
    }
    return length;
}

static uint32_t NumberOf(const SaverSettings &settings, SettingValue value) {
    switch (value) {
        case VALUE_N:
            return static_cast<uint16_t>(settings.count); // "%hu"
        case VALUE_LM:
            return static_cast<uint16_t>(settings.loopsPerMinute);
        case VALUE_DF:
            return static_cast<uint16_t>(settings.showFrog);
        case VALUE_FA:
            return static_cast<uint16_t>(settings.fade);
        case VALUE_VI:
            return static_cast<uint16_t>(settings.view3D);
        case VALUE_CO:
            // "%lu" of the 24 bits the drawing uses: a colour read from a value written by
            // other means (such as "-1") may carry more digits than the 8 bytes hold, and
            // cut short it would come back as another colour.
            return settings.color & 0xFFFFFFu;
        default:
            return 0;
    }
}

uint32_t EncodeSettingValue(const SaverSettings &settings, SettingValue value, char *data) {
    const uint32_t size = SETTING_DATA_SIZES[value];
    char text[11];
    const uint32_t length = FormatDecimal(NumberOf(settings, value), text);
    text[length] = '\0';
    std::memset(data, 0, size); // the filler after the NUL
    std::memcpy(data, text, length + 1 < size ? length + 1 : size);
    data[size] = GUARD_BYTE;
    return size;
}

static bool IsSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The "%hu"/"%lu" conversion of scanf on the text data[0 .. length): white space, an
// optional sign, then at least one decimal digit; the number wraps modulo 2^32 (the
// caller narrows it further). Returns false when the text holds no number.
static bool ParseUnsigned(const unsigned char *data, uint32_t length, uint32_t &number) {
    uint32_t k = 0;
    while (k < length && IsSpace(data[k])) {
        ++k;
    }
    bool negative = false;
    if (k < length && (data[k] == '+' || data[k] == '-')) {
        negative = data[k] == '-';
        ++k;
    }
    if (k >= length || data[k] < '0' || data[k] > '9') {
        return false;
    }
    uint32_t value = 0;
    for (; k < length && data[k] >= '0' && data[k] <= '9'; ++k) {
        value = value * 10u + static_cast<uint32_t>(data[k] - '0');
    }
    number = negative ? 0u - value : value;
    return true;
}

void DecodeSettingValue(SaverSettings &settings, SettingValue value, const unsigned char *data,
                        uint32_t length) {
    // The text ends at the first NUL or at the end of the bytes returned.
    const void *nul = std::memchr(data, 0, length);
    if (nul != nullptr) {
        length = static_cast<uint32_t>(static_cast<const unsigned char *>(nul) - data);
    }
    const int32_t flag = length > 0 && data[0] == '1' ? 1 : 0;
    uint32_t number = 0;
    switch (value) {
        case VALUE_N:
            if (ParseUnsigned(data, length, number)) {
                // Only another program can store more than the figure arrays hold.
                const int32_t count = static_cast<uint16_t>(number);
                settings.count = count > MAX_FIGURES ? MAX_FIGURES : count;
            }
            break;
        case VALUE_LM:
            if (ParseUnsigned(data, length, number)) {
                settings.loopsPerMinute = static_cast<uint16_t>(number);
            }
            break;
        case VALUE_DF:
            settings.showFrog = flag;
            break;
        case VALUE_FA:
            settings.fade = flag;
            break;
        case VALUE_VI:
            settings.view3D = flag;
            break;
        case VALUE_CO:
            if (ParseUnsigned(data, length, number)) {
                settings.color = number;
            }
            break;
        default:
            break;
    }
}

int32_t CorrectSetting(int32_t typed, int32_t upper) {
    if (typed > upper) {
        return upper;
    }
    if (typed <= 0) {
        return 1;
    }
    return typed;
}
