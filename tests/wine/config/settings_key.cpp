#include "settings_key.h"

#include <vector>

static const char SETTINGS_KEY_NAME[] = "SinuetSet9";

KeySnapshot ReadSettingsKey() {
    KeySnapshot snapshot;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY_NAME, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return snapshot;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        std::vector<BYTE> data(1024);
        DWORD size = static_cast<DWORD>(data.size());
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        snapshot[std::string(name, nameLength)] =
            RawValue{type, std::string(reinterpret_cast<char *>(data.data()), size)};
    }
    RegCloseKey(key);
    return snapshot;
}

bool SettingsKeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY_NAME, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void WriteRawValue(const char *name, DWORD type, const std::string &bytes) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY_NAME, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    // The data is copied into a buffer with a non-NUL byte after it, so that the registry
    // stores exactly the bytes given (see the NUL rule for REG_SZ).
    std::string buffer = bytes + "#";
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(buffer.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

std::string TextOf(const RawValue &value) {
    return value.bytes.substr(0, value.bytes.find('\0'));
}
