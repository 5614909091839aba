// The Windows 95/98/Me family's screen-saver password. The libraries are looked up at run
// time, never linked: on other families none of this runs.
#include "password_support.h"

#include "saver_state.h"

namespace {
const UINT SPI_SCREENSAVERRUNNING_ACTION = 97;

typedef DWORD(WINAPI *ChangePasswordProc)(const char *provider, HWND owner, DWORD, void *);

FARPROC LookUp(HMODULE library, const char *name) {
    return GetProcAddress(library, name);
}

// The per-user switch, read as raw bytes: on when the value exists, fits in 4 bytes and is
// nonzero.
bool ProtectionOn(HKEY desktop) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(desktop, "ScreenSaveUsePassword", nullptr, nullptr,
                         reinterpret_cast<BYTE *>(&value), &size) != ERROR_SUCCESS)
        return false;
    return value != 0;
}

void LoadCheck() {
    saverState.passwordLibrary = LoadLibraryA("PASSWORD.CPL");
    if (saverState.passwordLibrary == nullptr)
        return;
    saverState.verifyPassword = reinterpret_cast<VerifyPasswordProc>(
        reinterpret_cast<void *>(LookUp(saverState.passwordLibrary, "VerifyScreenSavePwd")));
    if (saverState.verifyPassword)
        SetSaverRunning(1);
    else
        UnloadPasswordSupport();
}
} // namespace

void LoadPasswordSupport() {
    if (!saverState.win9x)
        return;
    if (saverState.passwordLibrary)
        UnloadPasswordSupport();
    HKEY desktop;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop) != ERROR_SUCCESS)
        return;
    if (ProtectionOn(desktop))
        LoadCheck();
    RegCloseKey(desktop);
}

void UnloadPasswordSupport() {
    if (!saverState.win9x || saverState.passwordLibrary == nullptr)
        return;
    FreeLibrary(saverState.passwordLibrary);
    saverState.passwordLibrary = nullptr;
    if (saverState.verifyPassword) {
        saverState.verifyPassword = nullptr;
        SetSaverRunning(0);
    }
}

void SetSaverRunning(int running) {
    if (!saverState.win9x)
        return;
    BOOL previous;
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING_ACTION, static_cast<UINT>(running), &previous, 0);
}

void ChangeSaverPassword(HWND owner) {
    HMODULE library = LoadLibraryA("MPR.DLL");
    if (library == nullptr)
        return;
    ChangePasswordProc change = reinterpret_cast<ChangePasswordProc>(
        reinterpret_cast<void *>(LookUp(library, "PwdChangePasswordA")));
    if (change)
        change("SCRSAVE", owner, 0, nullptr);
    FreeLibrary(library);
}
