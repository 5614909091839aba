// Support for Win32 test programs that start the built sinuet.scr as a separate process
// and drive it from outside under Wine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Directory of the running test program (bin/, where sinuet.scr is built too), with a
// trailing backslash.
std::string TestBinDir();

// Full path of the built saver beside the test program.
std::string SaverPath();

// A started process. Close() kills it if it still runs and closes the handles; the
// destructor does the same, so a failing test leaves nothing behind.
struct ChildProcess {
    PROCESS_INFORMATION info{};
    bool started = false;

    ChildProcess() = default;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    ~ChildProcess() { Close(); }

    // Waits up to timeoutMs for the process to end. Returns true when it ended.
    bool Wait(DWORD timeoutMs);
    // The exit code once ended; STILL_ACTIVE while running.
    DWORD ExitCode();
    void Close();
};

// CreateProcessA with the whole command line as given (quoting is the caller's).
bool StartCommandLine(const std::string &commandLine, ChildProcess &child);

// Starts "<quoted saver path> <arguments>".
bool StartSaver(const std::string &arguments, ChildProcess &child);

// Starts the saver, waits for it to end and returns its exit code as a signed value.
// A process still running after timeoutMs is killed and the result is TIMED_OUT.
enum : long long { TIMED_OUT = -1000000 };
long long RunSaverToEnd(const std::string &arguments, DWORD timeoutMs = 20000);

// Polls for a top-level window (class and/or title may be null) until timeoutMs passes.
HWND WaitForWindow(const char *className, const char *title, DWORD timeoutMs = 10000);

// The top-level windows of a process with the class (any class when null), topmost first.
std::vector<HWND> ProcessWindows(DWORD processId, const char *className);

// Polls for a window of the given process (top-level, any class) until timeoutMs passes.
HWND WaitForProcessWindow(DWORD processId, const char *className, DWORD timeoutMs = 10000);

// Waits until no top-level window of that class and title exists.
bool WaitForNoWindow(const char *className, const char *title, DWORD timeoutMs = 10000);

// Handles this thread's messages for the given time.
void PumpMessages(DWORD ms);

// The screen's pixels in the area as 0x00RRGGBB, top row first; empty when no bitmap of
// that size can be made.
std::vector<uint32_t> CaptureScreenArea(const RECT &area);

// Removes HKEY_CURRENT_USER\SinuetSet9 with all its values.
void DeleteSettingsKey();

// The full-screen saver's window, as the platform sees it.
extern const char *const SAVER_CLASS;       // "WindowsScreenSaverClass"
extern const char *const FULL_SCREEN_TITLE; // "Screen Saver"
extern const char *const PREVIEW_TITLE;     // "Preview"
