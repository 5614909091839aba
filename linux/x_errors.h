// X errors and a lost connection end the hack with one line instead of Xlib's default
// abort, so that a window that vanished never leads to a crash loop.
#pragma once

#include <X11/Xlib.h>

// Installs the handlers: a protocol error is remembered for the loop to act on; a lost
// display ends the process at once with a message.
void InstallXErrorHandlers();

// 1 once any protocol error arrived (for example BadWindow for a destroyed window).
int XErrorSeen();

// Writes "sinuet: <the error>" for the first error seen.
void PrintXError(Display *display);
