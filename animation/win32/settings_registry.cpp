// LoadSettings and SaveSettings: the settings record to and from the registry key
// HKEY_CURRENT_USER\SinuetSet9.
#include "settings.h"

#include <windows.h>

enum { SETTING_BUFFER_SIZE = 8 };

// Reads one value into its field. A value that is missing, longer than the buffer or whose
// query fails for any other reason leaves nothing to decode: its field takes its default.
static void LoadSettingValue(HKEY key, SettingValue value) {
    BYTE data[SETTING_BUFFER_SIZE];
    DWORD size = sizeof data;
    const LONG result =
        RegQueryValueExA(key, SETTING_VALUE_NAMES[value], nullptr, nullptr, data, &size);
    if (result != ERROR_SUCCESS || size > sizeof data) {
        SetDefaultSettingValue(saverSettings, value);
        return;
    }
    DecodeSettingValue(saverSettings, value, data, size);
}

void LoadSettings() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        SetDefaultSettings(saverSettings);
        return;
    }
    for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
        LoadSettingValue(key, static_cast<SettingValue>(value));
    }
    RegCloseKey(key);
}

void SaveSettings() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
        char data[16];
        const DWORD size =
            EncodeSettingValue(saverSettings, static_cast<SettingValue>(value), data);
        RegSetValueExA(key, SETTING_VALUE_NAMES[value], 0, REG_SZ,
                       reinterpret_cast<const BYTE *>(data), size);
    }
    RegCloseKey(key);
}
