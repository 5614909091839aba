#include "platform_state.h"

#include "wine_test_support.h"

const char *const SAVER_APP_KEY = "Software\\Wine\\AppDefaults\\sinuet.scr";
const char *const SAVER_OVERRIDES_KEY = "Software\\Wine\\AppDefaults\\sinuet.scr\\DllOverrides";
const char *const DESKTOP_KEY = "Control Panel\\Desktop";
const char *const SWITCH_VALUE = "ScreenSaveUsePassword";

static bool KeyExists(HKEY root, const std::string &key) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

SavedValue SaveValue(HKEY root, const std::string &key, const std::string &name) {
    SavedValue saved{root, key, name, KeyExists(root, key), false, 0, {}};
    HKEY opened;
    if (!saved.keyExisted || RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != 0)
        return saved;
    DWORD size = 0;
    if (RegQueryValueExA(opened, name.c_str(), nullptr, &saved.type, nullptr, &size) == 0) {
        saved.data.resize(size);
        saved.valueExisted = RegQueryValueExA(opened, name.c_str(), nullptr, &saved.type,
                                              saved.data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(opened);
    return saved;
}

void RestoreValue(const SavedValue &saved) {
    HKEY opened;
    if (RegOpenKeyExA(saved.root, saved.key.c_str(), 0, KEY_ALL_ACCESS, &opened) == 0) {
        if (saved.valueExisted)
            RegSetValueExA(opened, saved.name.c_str(), 0, saved.type, saved.data.data(),
                           static_cast<DWORD>(saved.data.size()));
        else
            RegDeleteValueA(opened, saved.name.c_str());
        RegCloseKey(opened);
    }
    if (!saved.keyExisted)
        RegDeleteKeyA(saved.root, saved.key.c_str()); // only when it has no subkeys
}

static void SetStringValue(const char *key, const char *name, const char *text) {
    HKEY opened;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                   lstrlenA(text) + 1);
    RegCloseKey(opened);
}

static void DeleteValue(const char *key, const char *name) {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(opened, name);
    RegCloseKey(opened);
}

void SetWin98Family(bool on) {
    if (on)
        SetStringValue(SAVER_APP_KEY, "Version", "win98");
    else
        DeleteValue(SAVER_APP_KEY, "Version");
}

void SetWin98ForProgram(const std::string &fileName) {
    SetStringValue(("Software\\Wine\\AppDefaults\\" + fileName).c_str(), "Version", "win98");
}

void SetMprOverride(bool on) {
    if (on)
        SetStringValue(SAVER_OVERRIDES_KEY, "mpr", "native,builtin");
    else
        DeleteValue(SAVER_OVERRIDES_KEY, "mpr");
}

void SetPasswordSwitch(DWORD type, const void *data, DWORD size) {
    HKEY opened;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, DESKTOP_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, SWITCH_VALUE, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(opened);
}

void SetPasswordSwitchDword(DWORD value) {
    SetPasswordSwitch(REG_DWORD, &value, sizeof value);
}

void DeletePasswordSwitch() {
    DeleteValue(DESKTOP_KEY, SWITCH_VALUE);
}

int ReadRunningState() {
    ChildProcess reader;
    if (!StartCommandLine("\"" + TestBinDir() + "screensaver_running.exe\"", reader) ||
        !reader.Wait(10000))
        return -1;
    return static_cast<int>(reader.ExitCode());
}

void SetRunningState(int running) {
    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running, &previous, 0);
}
