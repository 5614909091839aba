// The command-line modes. Each returns the process's exit code.
#pragma once

#include <windows.h>

int RunMode(const char *tail); // decides the mode and runs it
int RunPreview(const char *handleText);
int RunConfigure(HWND owner);
int RunChangePassword(const char *handleText);
