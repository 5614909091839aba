#include "standin_record.h"
#include "standins.h"

static HKEY OpenRecordKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, STANDIN_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

void CountCall(const char *name) {
    HKEY key = OpenRecordKey();
    if (!key)
        return;
    DWORD count = 0, size = sizeof count, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(&count), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        count = 0;
    count++;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&count), sizeof count);
    RegCloseKey(key);
}

void RecordNumber(const char *name, DWORD value) {
    HKEY key = OpenRecordKey();
    if (!key)
        return;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
    RegCloseKey(key);
}

void RecordText(const char *name, const char *text) {
    HKEY key = OpenRecordKey();
    if (!key)
        return;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text), lstrlenA(text) + 1);
    RegCloseKey(key);
}

void ReadText(const char *name, char *text, DWORD size) {
    text[0] = 0;
    HKEY key = OpenRecordKey();
    if (!key)
        return;
    DWORD type = 0, got = size - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(text), &got) ==
            ERROR_SUCCESS &&
        type == REG_SZ)
        text[got] = 0;
    else
        text[0] = 0;
    RegCloseKey(key);
}
