#include "standin_readback.h"

#include "standins.h"
#include "wine_test_support.h"

DWORD ReadRecord(const char *name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, STANDIN_KEY, name, RRF_RT_REG_DWORD, &type, &value,
                     &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

std::string ReadRecordText(const char *name) {
    char text[256] = "";
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, STANDIN_KEY, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return "";
    return text;
}

void ClearRecords() {
    RegDeleteTreeA(HKEY_CURRENT_USER, STANDIN_KEY);
}

void SetKeptPassword(const char *password) {
    RegSetKeyValueA(HKEY_CURRENT_USER, STANDIN_KEY, "Password", REG_SZ, password,
                    lstrlenA(password) + 1);
}

bool WaitForRecord(const char *name, DWORD value, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ReadRecord(name) != value) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(10);
    }
    return true;
}

bool WaitForRecordChange(const char *name, DWORD from, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ReadRecord(name) == from) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(1);
    }
    return true;
}

void SetRecord(const char *name, DWORD value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, STANDIN_KEY, name, REG_DWORD, &value, sizeof value);
}

HWND WaitForPasswordDialog(DWORD timeoutMs) {
    return WaitForWindow("#32770", PASSWORD_DIALOG_CAPTION, timeoutMs);
}

void AnswerPasswordDialog(HWND dialog, const char *text) {
    SendMessageA(GetDlgItem(dialog, PASSWORD_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}
