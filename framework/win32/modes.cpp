#include "modes.h"

#include "decimal_handle.h"
#include "dpi_awareness.h"
#include "mode_decision.h"
#include "password_support.h"
#include "saver_api.h"
#include "saver_state.h"
#include "saver_window.h"

namespace {
HWND HandleFromText(const char *text) {
    return reinterpret_cast<HWND>(HandleValue(ParseDecimalHandle(text)));
}

// The window that the text names, or the foreground window when it names none.
HWND WindowOrForeground(const char *handleText) {
    HWND window = handleText ? HandleFromText(handleText) : nullptr;
    if (window == nullptr || !IsWindow(window))
        window = GetForegroundWindow();
    return window;
}
} // namespace

int RunMode(const char *tail) {
    ModeDecision decision = DecideMode(tail, saverState.win9x);
    RequestDpiAwareness(DpiRequestOf(decision.mode));
    switch (decision.mode) {
        case MODE_CONFIGURE_UNOWNED:
            return RunConfigure(nullptr);
        case MODE_FULL_SCREEN:
            return RunSaver(nullptr);
        case MODE_PREVIEW:
            return RunPreview(decision.argument);
        case MODE_CONFIGURE:
            return RunConfigure(WindowOrForeground(decision.argument));
        case MODE_CHANGE_PASSWORD:
            return RunChangePassword(decision.argument);
        case MODE_UNRECOGNISED:
            break;
    }
    return EXIT_UNRECOGNISED;
}

int RunPreview(const char *handleText) {
    HWND parent = HandleFromText(handleText);
    if (parent == nullptr || !IsWindow(parent))
        return EXIT_NO_PREVIEW_PARENT;
    return RunSaver(parent);
}

int RunConfigure(HWND owner) {
    if (!PrepareConfigDialog(saverState.instance))
        return 0;
    return static_cast<int>(DialogBoxParamA(saverState.instance,
                                            MAKEINTRESOURCEA(CONFIG_DIALOG_TEMPLATE), owner,
                                            ScreenSaverConfigureDialog, 0));
}

int RunChangePassword(const char *handleText) {
    ChangeSaverPassword(WindowOrForeground(handleText));
    return 0;
}
