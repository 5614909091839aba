#include "dpi_awareness.h"

#include "user32_function.h"

namespace {
typedef HANDLE(WINAPI *SetThreadDpiAwarenessProc)(HANDLE context);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2.
const HANDLE PER_MONITOR_AWARE_2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
} // namespace

void RequestDpiAwareness(DpiRequest request) {
    if (request != DPI_PER_MONITOR_2)
        return;
    SetThreadDpiAwarenessProc setAwareness = reinterpret_cast<SetThreadDpiAwarenessProc>(
        reinterpret_cast<void *>(User32Function("SetThreadDpiAwarenessContext")));
    if (setAwareness)
        setAwareness(PER_MONITOR_AWARE_2); // refused (null) where the context is unknown
}
