// The registry and platform state that the password suites change, with the means to
// save and put back each piece: Wine's per-program version and DLL overrides, the
// password switch and the screen-saver running state.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

extern const char *const SAVER_APP_KEY;       // HKCU\Software\Wine\AppDefaults\sinuet.scr
extern const char *const SAVER_OVERRIDES_KEY; // ...\sinuet.scr\DllOverrides
extern const char *const DESKTOP_KEY;         // HKCU\Control Panel\Desktop
extern const char *const SWITCH_VALUE;        // "ScreenSaveUsePassword"

// A registry value as it was, to be put back; a key that did not exist is removed again.
struct SavedValue {
    HKEY root;
    std::string key;
    std::string name;
    bool keyExisted;
    bool valueExisted;
    DWORD type;
    std::vector<BYTE> data;
};

SavedValue SaveValue(HKEY root, const std::string &key, const std::string &name);
void RestoreValue(const SavedValue &saved);

// The Windows 95/98/Me family for sinuet.scr (Wine's AppDefaults), or Wine's default.
void SetWin98Family(bool on);
// The same for another program, by its file name; the caller saves and restores it.
void SetWin98ForProgram(const std::string &fileName);
// Makes sinuet.scr load a native mpr.dll from its own folder before Wine's.
void SetMprOverride(bool on);

// The password switch.
void SetPasswordSwitch(DWORD type, const void *data, DWORD size);
void SetPasswordSwitchDword(DWORD value);
void DeletePasswordSwitch();

// The platform's screen-saver running state, read by a fresh process each time (Wine keeps
// it per process once read); -1 when the reader cannot run.
int ReadRunningState();
void SetRunningState(int running);
