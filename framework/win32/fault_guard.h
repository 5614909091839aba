// A structured-exception guard for GCC, which has no __try: a platform exception (an
// access fault, for example) that escapes the guarded call is handed to
// UnhandledExceptionFilter, and when that filter's verdict is EXCEPTION_EXECUTE_HANDLER
// the call is abandoned and the guard returns normally. fault_guard_x86.cpp and
// fault_guard_x64.cpp implement it for the two architectures.
#pragma once

#include <windows.h>

struct GuardOutcome {
    int faulted;         // 1 when the filter let the guard handle an exception
    DWORD exceptionCode; // that exception's code
    int result;          // the call's result when it returned normally
};

GuardOutcome RunUnderFaultGuard(int (*call)(void *argument), void *argument);
