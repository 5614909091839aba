// What the fault-guard test does in its own way on each architecture
// (fault_guard_test_x86.cpp, fault_guard_test_x64.cpp).
#pragma once

#include <windows.h>

#include <cstdint>

// Points the accumulator (EAX or RAX) at the address, so that a filter can repair a fault
// of ReadThroughAccumulator (fault_guard_test.cpp).
void PointAccumulatorAt(CONTEXT *context, const volatile int *address);

// Writes to the bad address below a frame handler of its own (on the stack on x86, in the
// function table on x64), which hands each call to CountInnerHandlerCall and searches on.
int FaultsBelowAnInnerHandler(void *badAddress);
EXCEPTION_DISPOSITION CountInnerHandlerCall(const EXCEPTION_RECORD *exception);

// The head of x86's registration chain (FS:[0]), which the guard must leave as it found
// it. x64 registers handlers in tables, not at run time, so there it is always 0.
uintptr_t RegisteredHandlers();
