// Child program of the fault-guard test. It runs the framework's real SaverMain, with its
// fault guard and password support, but in place of the modes it brings its own RunMode:
// that loads the password support (the switch is on and the stand-in check lies beside
// this program, so the running state goes on), tells the test, waits for its go, and then
// either raises a real access fault ("fault") or ends the process at once ("exit").
// Its top-level exception filter records the fault's code and lets the guard handle it,
// as UnhandledExceptionFilter does without a debugger.
#include "modes.h"
#include "password_support.h"
#include "saver_main.h"
#include "standins.h"

#include <cstring>

static LONG WINAPI RecordFault(EXCEPTION_POINTERS *pointers) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, STANDIN_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        DWORD code = pointers->ExceptionRecord->ExceptionCode;
        RegSetValueExA(key, "FaultCode", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&code),
                       sizeof code);
        RegCloseKey(key);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

static void WaitForTest() {
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, "SinuetFaultChildReady");
    HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, "SinuetFaultChildGo");
    if (ready)
        SetEvent(ready);
    if (go)
        WaitForSingleObject(go, 20000);
}

int RunMode(const char *tail) {
    LoadPasswordSupport();
    WaitForTest();
    if (std::strcmp(tail, "fault") == 0)
        *static_cast<volatile int *>(nullptr) = 1;
    ExitProcess(7);
}

int main(int argc, char **argv) {
    SetUnhandledExceptionFilter(RecordFault);
    return SaverMain(GetModuleHandleA(nullptr), argc > 1 ? argv[1] : "");
}
