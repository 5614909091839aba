// The settings key HKEY_CURRENT_USER\SinuetSet9 as raw registry values, for setting up a
// test and for comparing what the dialog left behind byte for byte.
#pragma once

#include <windows.h>

#include <map>
#include <string>

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool operator==(const RawValue &other) const {
        return type == other.type && bytes == other.bytes;
    }
};

// Every value of the key by name; empty when the key does not exist.
using KeySnapshot = std::map<std::string, RawValue>;

KeySnapshot ReadSettingsKey();
bool SettingsKeyExists();

// Writes one value with exactly these bytes (creating the key when needed).
void WriteRawValue(const char *name, DWORD type, const std::string &bytes);

// The value's text: its bytes up to the first NUL or their end.
std::string TextOf(const RawValue &value);
