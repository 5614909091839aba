// Test stand-in for the platform's MPR.DLL, loaded instead of Wine's own (a native library
// beside the program, with the override mpr=n,b): PwdChangePasswordA records its four
// arguments under the stand-ins' key (see standins.h) and shows nothing.
#include "standin_record.h"

extern "C" DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND owner, DWORD flags, LPVOID info) {
    CountCall("ChangeCalls");
    RecordText("ChangeName", provider ? provider : "");
    RecordNumber("ChangeOwner", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(owner)));
    RecordNumber("ChangeFlags", flags);
    RecordNumber("ChangeInfo", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(info)));
    return ERROR_CANCELLED;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        CountCall("MprLoads");
    }
    if (reason == DLL_PROCESS_DETACH && !reserved)
        CountCall("MprFrees"); // FreeLibrary, not the end of the process
    return TRUE;
}
