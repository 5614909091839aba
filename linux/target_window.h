// The window the hack draws on, chosen by XScreenSaver's conventions.
#pragma once

#include "hack_options.h"

#include <X11/Xlib.h>

#include <cstdint>

struct TargetWindow {
    Window window;
    int32_t own;        // 1 for the window the hack opened itself
    int32_t bareRoot;   // 1 for the screen's root window itself
    int randrEventBase; // RandR's first event on the bare root, else -1
    Visual *visual;
    int depth;
    Colormap colormap;
    int32_t width;
    int32_t height;
};

// --window-id; else with --root the window XSCREENSAVER_WINDOW names, a virtual root or
// the root; else a new top-level window of our own, mapped. False (after a one-line
// message) when the window cannot be used.
bool OpenTargetWindow(Display *display, const HackOptions &options, TargetWindow &target);

// The window as the hack names it in messages.
void PrintWindowProblem(const TargetWindow &target, const char *problem);
