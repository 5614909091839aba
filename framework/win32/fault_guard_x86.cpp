// The guard registers its own record in the thread's exception-registration chain
// (FS:[0]) for the length of the call. When the platform dispatches an exception to it,
// the handler asks UnhandledExceptionFilter for a verdict:
//   EXCEPTION_EXECUTE_HANDLER     unwind the records above ours (their handlers run their
//                                 clean-up) and jump back into RunUnderFaultGuard;
//   EXCEPTION_CONTINUE_EXECUTION  the filter repaired the cause: resume at the fault, as
//                                 an __except with that verdict does;
//   anything else                 the exception goes on outward to older records.
#include "fault_guard.h"

namespace {
struct GuardRecord {
    EXCEPTION_REGISTRATION_RECORD registration; // must come first: the chain points here
    void *jumpBuffer[5];                        // for __builtin_setjmp / __builtin_longjmp
    DWORD exceptionCode;
};

const DWORD UNWINDING = EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND;

EXCEPTION_REGISTRATION_RECORD *ChainHead() {
    return reinterpret_cast<EXCEPTION_REGISTRATION_RECORD *>(__readfsdword(0));
}

void SetChainHead(EXCEPTION_REGISTRATION_RECORD *record) {
    __writefsdword(0, reinterpret_cast<DWORD>(record));
}

// RtlUnwind does not keep EBX, ESI and EDI on every Windows version; the clobber list
// makes the compiler save and restore them around it.
__attribute__((noinline)) void UnwindTo(GuardRecord *guard, EXCEPTION_RECORD *exception) {
    RtlUnwind(&guard->registration, nullptr, exception, nullptr);
    __asm__ __volatile__("" ::: "ebx", "esi", "edi", "memory");
}

EXCEPTION_DISPOSITION __cdecl GuardHandler(EXCEPTION_RECORD *exception, void *establisherFrame,
                                           CONTEXT *context, void *) {
    if (exception->ExceptionFlags & UNWINDING)
        return ExceptionContinueSearch;
    EXCEPTION_POINTERS pointers = {exception, context};
    LONG verdict = UnhandledExceptionFilter(&pointers);
    if (verdict == EXCEPTION_CONTINUE_EXECUTION)
        return ExceptionContinueExecution;
    if (verdict != EXCEPTION_EXECUTE_HANDLER)
        return ExceptionContinueSearch;
    GuardRecord *guard = static_cast<GuardRecord *>(establisherFrame);
    guard->exceptionCode = exception->ExceptionCode;
    UnwindTo(guard, exception);
    __builtin_longjmp(guard->jumpBuffer, 1);
}

// Kept out of line so that the record and the jump buffer live in this frame, which
// stays on the stack for the whole guarded call.
__attribute__((noinline)) int CallGuarded(GuardRecord *guard, int (*call)(void *), void *argument,
                                          volatile int *faulted) {
    guard->registration.Next = ChainHead();
    guard->registration.Handler = reinterpret_cast<PEXCEPTION_ROUTINE>(GuardHandler);
    if (__builtin_setjmp(guard->jumpBuffer)) {
        *faulted = 1;
        SetChainHead(guard->registration.Next);
        return 0;
    }
    SetChainHead(&guard->registration);
    int result = call(argument);
    SetChainHead(guard->registration.Next);
    return result;
}
} // namespace

GuardOutcome RunUnderFaultGuard(int (*call)(void *argument), void *argument) {
    GuardRecord guard = {};
    volatile int faulted = 0;
    int result = CallGuarded(&guard, call, argument, &faulted);
    if (faulted)
        return {1, guard.exceptionCode, 0};
    return {0, 0, result};
}
