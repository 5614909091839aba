// Runs a saver that lies anywhere (an installed one) full screen and closes it from outside:
// starts "<saver> /s", waits for its "WindowsScreenSaverClass" window titled "Screen Saver",
// checks that the window is shown and covers the screen, posts a key press to it and waits
// for the process to end with exit code 0. Exit code 0 when all of that happened, else 1
// with the reason on stderr.
#include "saver_test_support.h"

#include <cstdio>

namespace {
const DWORD START_LIMIT_MS = 60000; // a new prefix starts Wine's desktop first

int Fail(const char *reason) {
    std::fprintf(stderr, "saver_round_trip: %s\n", reason);
    return 1;
}

bool CoversScreen(HWND window) {
    RECT place;
    return GetWindowRect(window, &place) && place.left <= 0 && place.top <= 0 &&
           place.right >= GetSystemMetrics(SM_CXSCREEN) &&
           place.bottom >= GetSystemMetrics(SM_CYSCREEN);
}

bool WaitUntilShown(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(20);
    }
    return true;
}
} // namespace

int main(int argc, char **argv) {
    if (argc != 2)
        return Fail("usage: saver_round_trip SAVER.scr");
    ChildProcess saver;
    if (!StartCommandLine(std::string("\"") + argv[1] + "\" /s", saver))
        return Fail("the saver does not start");
    HWND window = WaitForProcessWindow(saver.info.dwProcessId, SAVER_CLASS, START_LIMIT_MS);
    if (!window)
        return Fail("no WindowsScreenSaverClass window");
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(title, FULL_SCREEN_TITLE) != 0)
        return Fail("the window is not titled \"Screen Saver\"");
    if (!WaitUntilShown(window, START_LIMIT_MS))
        return Fail("the window is not shown");
    if (!CoversScreen(window))
        return Fail("the window does not cover the screen");
    const long long exitCode = CloseAndExitCode(saver, window);
    if (exitCode == TIMED_OUT)
        return Fail("the saver does not end after a key press");
    if (exitCode != 0)
        return Fail("the saver ends with an exit code other than 0");
    std::printf("saver_round_trip: %s ran full screen and closed after a key press\n", argv[1]);
    return 0;
}
