// The fault-guard test's x64 parts: RAX, and a frame handler named in the function table.
#include "fault_guard_test_arch.h"

void PointAccumulatorAt(CONTEXT *context, const volatile int *address) {
    context->Rax = reinterpret_cast<DWORD64>(address);
}

// Named in the function table below, so it keeps an unmangled name.
extern "C" EXCEPTION_DISPOSITION InnerHandler(EXCEPTION_RECORD *exception, void *, CONTEXT *,
                                              void *) {
    return CountInnerHandlerCall(exception);
}

// The handler serves this function's frame both while the platform searches and while it
// unwinds.
__attribute__((noinline, noclone)) int FaultsBelowAnInnerHandler(void *badAddress) {
    __asm__ __volatile__(".seh_handler InnerHandler, @except, @unwind");
    *static_cast<volatile int *>(badAddress) = 1;
    return 5;
}

uintptr_t RegisteredHandlers() {
    return 0;
}
