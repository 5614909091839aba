// x64 handles exceptions through tables: the guarded call runs inside a scope of the
// function table whose filter is GuardFilter and whose target is the end of that scope
// (mingw-w64's __try1/__except1). When the platform dispatches an exception to the scope,
// the filter asks UnhandledExceptionFilter for a verdict:
//   EXCEPTION_EXECUTE_HANDLER     the platform unwinds the frames above CallGuarded (their
//                                 handlers run their clean-up) and resumes at the scope's end;
//   EXCEPTION_CONTINUE_EXECUTION  the filter repaired the cause: resume at the fault;
//   anything else                 the exception goes on outward to older frames.
#include "fault_guard.h"

#include <excpt.h>

namespace {
struct GuardedCall {
    int (*call)(void *);
    void *argument;
    int result;
    volatile int returned; // stays 0 when the platform unwound the call
};

// The code of the exception that the filter last let a guard handle; read by that guard
// as soon as the platform has unwound to it.
volatile DWORD handledCode;
} // namespace

// Named in the function table of CallGuarded, so it keeps an unmangled name. Verdicts
// other than the three are passed on as "search on", since the platform would take a
// positive one for "handle" and a negative one for "continue".
extern "C" LONG GuardFilter(EXCEPTION_POINTERS *pointers, void *) {
    LONG verdict = UnhandledExceptionFilter(pointers);
    if (verdict == EXCEPTION_CONTINUE_EXECUTION)
        return EXCEPTION_CONTINUE_EXECUTION;
    if (verdict != EXCEPTION_EXECUTE_HANDLER)
        return EXCEPTION_CONTINUE_SEARCH;
    handledCode = pointers->ExceptionRecord->ExceptionCode;
    return EXCEPTION_EXECUTE_HANDLER;
}

namespace {
// The scope's labels have fixed names, so this is the only function here that uses them;
// it is never inlined or cloned, and it holds nothing that C++ would have to clean up.
// After an unwind to the scope's end only the frame and the nonvolatile registers are
// known, which is all its epilogue needs; the barriers keep both stores inside the scope.
__attribute__((noinline, noclone)) void CallGuarded(GuardedCall *guarded) {
    __try1(GuardFilter);
    __asm__ __volatile__("" ::: "memory");
    guarded->result = guarded->call(guarded->argument);
    guarded->returned = 1;
    __asm__ __volatile__("" ::: "memory");
    __except1;
}
} // namespace

GuardOutcome RunUnderFaultGuard(int (*call)(void *argument), void *argument) {
    GuardedCall guarded = {call, argument, 0, 0};
    CallGuarded(&guarded);
    if (!guarded.returned)
        return {1, handledCode, 0};
    return {0, 0, guarded.result};
}
