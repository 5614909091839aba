// Driving a running sinuet.scr from a test program: its windows, its exit, the screen's
// pixels and the stored settings.
#pragma once

#include "wine_test_support.h"

#include "settings.h"

#include <cstdint>
#include <vector>

// Waits for the process to end while handling this thread's messages (a preview window is
// a child of one of ours, so the saver sends us messages).
bool WaitForExitPumping(ChildProcess &child, DWORD timeoutMs);

// Starts a full-screen saver with the arguments and waits for its window to be shown and
// in the foreground.
HWND StartFullScreen(ChildProcess &child, const std::string &arguments = "/s");

bool WaitUntilShown(HWND window, DWORD timeoutMs);
// A full-screen saver closes: its window is hidden at once, destroyed about 2 s later.
bool WaitUntilHidden(HWND window, DWORD timeoutMs);
// A window of another process goes once that process has handled its destruction.
bool WaitUntilDestroyed(HWND window, DWORD timeoutMs);
// Whether the window is still shown after waiting `ms` (handling messages meanwhile).
bool StaysVisible(HWND window, DWORD ms);

// Closes a full-screen saver with a posted key press and returns its exit code, or
// TIMED_OUT.
long long CloseAndExitCode(ChildProcess &child, HWND window);

// A top-level window of this process that plays the display control panel: its client
// area has the given size, and it records the messages WM_HELP (with the HELPINFO's
// iCtrlId as lParam) and WM_CONTEXTMENU that reach it.
struct HostWindow {
    HWND window = nullptr;
    ~HostWindow();
};
void CreateHostWindow(HostWindow &host, int clientWidth, int clientHeight);
struct PostedToHost {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
extern std::vector<PostedToHost> postedToHost;

// The preview child that a saver made in the host window.
HWND WaitForPreview(HWND host, DWORD timeoutMs = 10000);

std::string HandleText(HWND window);

// The screen's pixels (0x00RRGGBB) in a rectangle.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture CaptureScreen(int left, int top, int width, int height);

// The frog picture from the saver's own resources, as 0x00RRGGBB pixels.
Capture FrogPicture();

// Share of the picture's coloured (not black) pixels found unchanged at (x, y) of the
// capture.
double FrogMatch(const Capture &screen, const Capture &frog, int x, int y);

// A colour reference 0x00BBGGRR as a captured pixel 0x00RRGGBB.
uint32_t PixelOf(uint32_t colorRef);

// Writes the settings to HKEY_CURRENT_USER\SinuetSet9 in the saver's own format.
void StoreSettings(const SaverSettings &settings);
