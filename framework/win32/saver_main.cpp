#include "saver_main.h"

#include "command_tail.h"
#include "fault_guard.h"
#include "modes.h"
#include "password_support.h"
#include "saver_state.h"

namespace {
const char *NextChar(const char *position) {
    return CharNextA(position);
}

int DetectWin9x() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

int RunModeOfTail(void *tail) {
    return RunMode(static_cast<const char *>(tail));
}
} // namespace

void SaverEntry() {
    const char *tail = CutCommandTail(GetCommandLineA(), NextChar);
    ExitProcess(static_cast<UINT>(SaverMain(GetModuleHandleA(nullptr), tail)));
}

int SaverMain(HINSTANCE instance, const char *tail) {
    saverState.instance = instance;
    saverState.win9x = DetectWin9x();
    GuardOutcome outcome = RunUnderFaultGuard(RunModeOfTail, const_cast<char *>(tail));
    if (!outcome.faulted)
        return outcome.result;
    SetSaverRunning(0);
    return static_cast<int>(outcome.exceptionCode);
}
