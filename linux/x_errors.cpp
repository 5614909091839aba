// Error handlers: Xlib calls them from inside its own functions, so they only record.
#include "x_errors.h"

#include <cstdio>
#include <unistd.h>

namespace {
int errorSeen = 0;
XErrorEvent firstError;

int OnXError(Display *, XErrorEvent *event) {
    if (!errorSeen) {
        firstError = *event;
        errorSeen = 1;
    }
    return 0;
}

int OnIoError(Display *) {
    static const char MESSAGE[] = "sinuet: lost the connection to the X display\n";
    (void)!write(2, MESSAGE, sizeof MESSAGE - 1);
    _exit(1);
}
} // namespace

void InstallXErrorHandlers() {
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnIoError);
}

int XErrorSeen() {
    return errorSeen;
}

void PrintXError(Display *display) {
    char text[128] = "unknown error";
    XGetErrorText(display, firstError.error_code, text, sizeof text);
    std::fprintf(stderr, "sinuet: X error on 0x%lx: %s\n", firstError.resourceid, text);
}
