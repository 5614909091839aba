// The fault-guard test's x86 parts: EAX, and a registration record on the FS:[0] chain.
#include "fault_guard_test_arch.h"

#include <intrin.h>

void PointAccumulatorAt(CONTEXT *context, const volatile int *address) {
    context->Eax = reinterpret_cast<DWORD>(address);
}

static EXCEPTION_DISPOSITION __cdecl InnerHandler(EXCEPTION_RECORD *exception, void *, CONTEXT *,
                                                  void *) {
    return CountInnerHandlerCall(exception);
}

// Written in assembly with a memory clobber: the compiler would otherwise take the first of
// two stores to FS:[0] for a dead one.
static void SetChainHead(EXCEPTION_REGISTRATION_RECORD *record) {
    __asm__ __volatile__("movl %0, %%fs:0" : : "r"(record) : "memory");
}

// The record lies on the stack, as the platform demands.
int FaultsBelowAnInnerHandler(void *badAddress) {
    EXCEPTION_REGISTRATION_RECORD inner;
    inner.Next = reinterpret_cast<EXCEPTION_REGISTRATION_RECORD *>(__readfsdword(0));
    inner.Handler = reinterpret_cast<PEXCEPTION_ROUTINE>(InnerHandler);
    SetChainHead(&inner);
    *static_cast<volatile int *>(badAddress) = 1;
    SetChainHead(inner.Next);
    return 5;
}

uintptr_t RegisteredHandlers() {
    return __readfsdword(0);
}
