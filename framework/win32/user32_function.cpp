#include "user32_function.h"

FARPROC User32Function(const char *name) {
    HMODULE user = GetModuleHandleA("USER32.DLL");
    return user ? GetProcAddress(user, name) : nullptr;
}
