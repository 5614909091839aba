// Stand-in for a PASSWORD.CPL that loads but lacks VerifyScreenSavePwd. It only counts its
// loads under the stand-ins' key (see standins.h), so tests see that it was loaded.
#include "standin_record.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        CountCall("CheckLoads");
    }
    if (reason == DLL_PROCESS_DETACH && !reserved)
        CountCall("CheckFrees"); // FreeLibrary, not the end of the process
    return TRUE;
}
