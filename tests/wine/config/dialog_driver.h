// Drives a running configuration dialog of sinuet.scr from outside: finds it and the
// windows it opens, clicks its controls, types into its fields and reads them back.
// Every wait handles this thread's messages, so a dialog owned by a window of the test
// can disable and enable it.
#pragma once

#include "wine_test_support.h"

#include <string>

// The dialog's control ids.
enum {
    FROG_BOX = 1004,
    OK_BUTTON = 1011,
    CANCEL_BUTTON = 1012,
    ABOUT_BUTTON = 1024,
    PUSH_BUTTON = 1026,
    FADE_BOX = 1027,
    LOOPS_FIELD = 1029,
    HELP_BUTTON = 1032,
    VIEW3D_BOX = 1033,
    COUNT_FIELD = 1035,
};

extern const char *const DIALOG_CLASS;   // "#32770"
extern const char *const DIALOG_CAPTION; // "Sinuet Configuration"

// A started configuration process and its dialog.
struct ConfigRun {
    ChildProcess process;
    HWND dialog = nullptr;
};

// Starts sinuet.scr with the arguments and waits until its dialog is ready for input.
bool OpenConfig(const std::string &arguments, ConfigRun &run);

// Waits (handling messages) until the process has ended; returns its exit code, or
// TIMED_OUT.
long long WaitForExit(ConfigRun &run, DWORD timeoutMs = 10000);

// True when the dialog is still shown once the process has handled what was posted to it
// and `ms` more have passed. (An ended dialog hides at once; its process takes a while
// longer to end.)
bool StillOpenAfter(ConfigRun &run, DWORD ms);

// Lets the process handle everything posted to it so far.
void Settle(ConfigRun &run);

// Posts a click to a button of `window` (BM_CLICK: the button presses itself), so that a
// modal window it opens does not block the test.
void Click(HWND window, int id);

void SetFieldText(HWND window, int id, const char *text);
std::string FieldText(HWND window, int id);
bool IsChecked(HWND window, int id);

// A top-level window of the process with the dialog class, other than `except`, whose
// caption is `caption` (any caption when null).
HWND WaitForOtherDialog(ConfigRun &run, HWND except, const char *caption, DWORD timeoutMs = 5000);

// Waits until the window is hidden or destroyed: a closed dialog disappears at once, while
// Wine takes a moment longer to destroy it.
bool WaitUntilClosed(HWND window, DWORD timeoutMs = 5000);

// The texts of the child windows of `window` that have the class `className`, in order.
std::string ChildTexts(HWND window, const char *className, const char *separator = "|");
