// Runs a saver that lies anywhere (an installed one) full screen and closes it from outside:
// starts "<saver> /s", waits for its "WindowsScreenSaverClass" window titled "Screen Saver",
// checks that the window is shown and covers the screen, posts a key press to it and waits
// for the process to end with exit code 0. Exit code 0 when all of that happened, else 1
// with the reason on stderr. A command line given after the saver runs while the saver is
// shown (say, a setup program that must replace the saver's file); its exit code is printed.
#include "saver_test_support.h"

#include <cstdio>

namespace {
const DWORD START_LIMIT_MS = 60000; // a new prefix starts Wine's desktop first
const DWORD COMMAND_LIMIT_MS = 120000;

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

bool RunWhileShown(const char *commandLine) {
    ChildProcess command;
    if (!StartCommandLine(commandLine, command) || !WaitForExitPumping(command, COMMAND_LIMIT_MS))
        return false;
    std::printf("saver_round_trip: command exit code %lu\n", command.ExitCode());
    return true;
}
} // namespace

int main(int argc, char **argv) {
    if (argc != 2 && argc != 3)
        return Fail("usage: saver_round_trip SAVER.scr [COMMAND LINE]");
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
    if (argc == 3 && !RunWhileShown(argv[2]))
        return Fail("the command does not start or end");
    const long long exitCode = CloseAndExitCode(saver, window);
    if (exitCode == TIMED_OUT)
        return Fail("the saver does not end after a key press");
    if (exitCode != 0)
        return Fail("the saver ends with an exit code other than 0");
    std::printf("saver_round_trip: %s ran full screen and closed after a key press\n", argv[1]);
    return 0;
}
