// Stand-in for the platform's PASSWORD.CPL: VerifyScreenSavePwd asks for the screen-saver
// password in a modal dialog owned by the given window and returns nonzero only when the
// typed text matches the "Password" value kept under the stand-ins' key (see standins.h).
// Loads, frees and calls are counted there for tests.
#include "owner_watch.h"
#include "password_dialog.h"
#include "standin_record.h"
#include "standins.h"

static HINSTANCE moduleInstance;

extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND owner) {
    CountCall("CheckCalls");
    RecordNumber("CheckOwner", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(owner)));
    INT_PTR result = DialogBoxParamA(moduleInstance, MAKEINTRESOURCEA(PASSWORD_DIALOG_TEMPLATE),
                                     owner, PasswordDialogProc, 0);
    RecordNumber("CheckEndTick", GetTickCount());
    BOOL accepted = result == 1;
    RecordNumber("CheckResult", static_cast<DWORD>(accepted));
    return accepted;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        moduleInstance = instance;
        DisableThreadLibraryCalls(instance);
        CountCall("CheckLoads");
    }
    if (reason == DLL_PROCESS_DETACH && !reserved) {
        EndOwnerWatch();
        CountCall("CheckFrees"); // FreeLibrary, not the end of the process
    }
    return TRUE;
}
