#include "dialog_driver.h"

#include <vector>

const char *const DIALOG_CLASS = "#32770";
const char *const DIALOG_CAPTION = "Sinuet Configuration";

namespace {
// Waits for the process object or `ms`, whichever comes first, handling messages.
bool WaitHandlingMessages(HANDLE process, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        const DWORD result =
            MsgWaitForMultipleObjects(1, &process, FALSE, ms - elapsed, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0)
            return true;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// A shown dialog of the process other than `except`, with that caption (any when null).
HWND FindOtherDialog(DWORD processId, HWND except, const char *caption) {
    for (HWND window : ProcessWindows(processId, DIALOG_CLASS)) {
        if (window == except || !IsWindowVisible(window))
            continue;
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        if (!caption || lstrcmpA(text, caption) == 0)
            return window;
    }
    return nullptr;
}
} // namespace

bool OpenConfig(const std::string &arguments, ConfigRun &run) {
    if (!StartSaver(arguments, run.process))
        return false;
    // The first GUI program of a fresh Wine session can take several seconds to start.
    run.dialog = WaitForOtherDialog(run, nullptr, DIALOG_CAPTION, 30000);
    if (!run.dialog)
        return false;
    Settle(run);
    return true;
}

long long WaitForExit(ConfigRun &run, DWORD timeoutMs) {
    if (!WaitHandlingMessages(run.process.info.hProcess, timeoutMs))
        return TIMED_OUT;
    return static_cast<long long>(static_cast<LONG>(run.process.ExitCode()));
}

bool StillOpenAfter(ConfigRun &run, DWORD ms) {
    Settle(run);
    if (WaitHandlingMessages(run.process.info.hProcess, ms))
        return false;
    return IsWindow(run.dialog) && IsWindowVisible(run.dialog);
}

// Posted messages reach a thread in the order they were posted. A marker posted after
// them, a text limit that the count field takes on, shows when all have been handled,
// including by a modal window that one of them opened.
void Settle(ConfigRun &run) {
    static WPARAM marker = 40000;
    marker = marker == 40000 ? 40001 : 40000;
    HWND field = GetDlgItem(run.dialog, COUNT_FIELD);
    PostMessageA(field, EM_SETLIMITTEXT, marker, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(field) &&
           static_cast<WPARAM>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0)) != marker) {
        if (GetTickCount() - start >= 5000 || WaitHandlingMessages(run.process.info.hProcess, 10))
            return;
    }
    WaitHandlingMessages(run.process.info.hProcess, 30); // time to paint
}

void Click(HWND window, int id) {
    PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

void SetFieldText(HWND window, int id, const char *text) {
    SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::string FieldText(HWND window, int id) {
    char text[4096] = "";
    SendMessageA(GetDlgItem(window, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsChecked(HWND window, int id) {
    return SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND WaitForOtherDialog(ConfigRun &run, HWND except, const char *caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindOtherDialog(run.process.info.dwProcessId, except, caption);
        if (found) {
            if (run.dialog)
                Settle(run);
            return found;
        }
        if (GetTickCount() - start >= timeoutMs ||
            WaitForSingleObject(run.process.info.hProcess, 0) == WAIT_OBJECT_0)
            return nullptr;
        PumpMessages(20);
    }
}

bool WaitUntilClosed(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(10);
    }
    return true;
}

namespace {
struct ChildCollect {
    const char *className;
    const char *separator;
    std::string texts;
    bool first = true;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM context) {
    ChildCollect *collect = reinterpret_cast<ChildCollect *>(context);
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, collect->className) != 0)
        return TRUE;
    std::vector<char> text(4096);
    SendMessageA(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!collect->first)
        collect->texts += collect->separator;
    collect->texts += text.data();
    collect->first = false;
    return TRUE;
}
} // namespace

std::string ChildTexts(HWND window, const char *className, const char *separator) {
    ChildCollect collect{className, separator, "", true};
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&collect));
    return collect.texts;
}
