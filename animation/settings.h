// The six user settings, their defaults and their registry text format.
// Encoding and decoding are platform-free; LoadSettings/SaveSettings (Windows build only)
// move the encoded bytes to and from HKEY_CURRENT_USER\SinuetSet9.
#pragma once

#include <cstdint>

struct SaverSettings {
    int32_t count;          // number of figures, 1..MAX_FIGURES
    int32_t loopsPerMinute; // swings per minute, 1..10
    int32_t showFrog;       // 0 or 1
    int32_t fade;           // 0 or 1
    int32_t view3D;         // 0 or 1
    uint32_t color;         // 0x00BBGGRR
};

extern SaverSettings saverSettings;

// The six registry values, in the order they are read and written.
enum SettingValue {
    VALUE_N,
    VALUE_LM,
    VALUE_DF,
    VALUE_FA,
    VALUE_VI,
    VALUE_CO,
    SETTING_VALUE_COUNT
};

extern const char *const SETTINGS_KEY;                             // "SinuetSet9"
extern const char *const SETTING_VALUE_NAMES[SETTING_VALUE_COUNT]; // "N", "LM", ...
extern const uint32_t SETTING_DATA_SIZES[SETTING_VALUE_COUNT];     // 8, 8, 2, 2, 2, 8

void SetDefaultSettings(SaverSettings &settings);
// The default of one value's field (a value that cannot be read keeps it).
void SetDefaultSettingValue(SaverSettings &settings, SettingValue value);

// Formats one value's text into `data` (at least 9 bytes) and returns the data size that
// is stored: the fixed size of the value, whatever the length of the text. The text is
// followed by a NUL and zero filler when it is shorter than the size; the byte right after
// the data is never NUL, so that a REG_SZ write stores exactly the size given.
uint32_t EncodeSettingValue(const SaverSettings &settings, SettingValue value, char *data);

// Takes one value's bytes as a registry query returned them (`length` bytes, not
// necessarily NUL-terminated) into its field; text that holds no number leaves the field.
// A count above MAX_FIGURES becomes MAX_FIGURES.
void DecodeSettingValue(SaverSettings &settings, SettingValue value, const unsigned char *data,
                        uint32_t length);

// The dialog's correction rule: above `upper` becomes `upper`, 0 or below becomes 1.
int32_t CorrectSetting(int32_t typed, int32_t upper);

// A digit's value in the given base (up to 16; either case), or -1.
int DigitValue(char c, int base);

// Decimal digits, the whole text (not empty); a value beyond 32 bits is kept as 2^32.
bool ReadDecimalDigits(const char *text, uint64_t &value);

// A setting number as the configuration dialog takes it: a decimal number read as 32-bit
// unsigned (0 when it does not fit), then corrected to 1..upper comparing as signed. A
// leading minus gives 1. False when the text is no number at all.
bool ParseCorrectedNumber(const char *text, int32_t upper, int32_t &number);

// "#RRGGBB" as a colour reference 0x00BBGGRR; false for any other text.
bool ParseHexColor(const char *text, uint32_t &color);

// Windows build only: the registry side.
void LoadSettings();
void SaveSettings();
