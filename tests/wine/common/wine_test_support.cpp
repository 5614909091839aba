#include "wine_test_support.h"

const char *const SAVER_CLASS = "WindowsScreenSaverClass";
const char *const FULL_SCREEN_TITLE = "Screen Saver";
const char *const PREVIEW_TITLE = "Preview";

std::string TestBinDir() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/") + 1);
}

std::string SaverPath() { return TestBinDir() + "sinuet.scr"; }

bool ChildProcess::Wait(DWORD timeoutMs) {
    return started && WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() {
    DWORD code = STILL_ACTIVE;
    if (started)
        GetExitCodeProcess(info.hProcess, &code);
    return code;
}

void ChildProcess::Close() {
    if (!started)
        return;
    if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    started = false;
}

bool StartCommandLine(const std::string &commandLine, ChildProcess &child) {
    child.Close();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string mutableLine = commandLine;
    child.started = CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &child.info) != 0;
    return child.started;
}

bool StartSaver(const std::string &arguments, ChildProcess &child) {
    return StartCommandLine("\"" + SaverPath() + "\" " + arguments, child);
}

long long RunSaverToEnd(const std::string &arguments, DWORD timeoutMs) {
    ChildProcess child;
    if (!StartSaver(arguments, child))
        return TIMED_OUT;
    if (!child.Wait(timeoutMs))
        return TIMED_OUT;
    return static_cast<long long>(static_cast<LONG>(child.ExitCode()));
}

HWND WaitForWindow(const char *className, const char *title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(className, title);
        if (window)
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        PumpMessages(20);
    }
}

namespace {
struct WindowSearch {
    DWORD processId;
    const char *className;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM context) {
    WindowSearch *search = reinterpret_cast<WindowSearch *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    if (search->className) {
        char name[256] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search->className) != 0)
            return TRUE;
    }
    search->found = window;
    return FALSE;
}
} // namespace

HWND WaitForProcessWindow(DWORD processId, const char *className, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search{processId, className, nullptr};
        EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        PumpMessages(20);
    }
}

bool WaitForNoWindow(const char *className, const char *title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (FindWindowA(className, title)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(20);
    }
    return true;
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

void DeleteSettingsKey() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "SinuetSet9", 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        for (const char *name : {"N", "LM", "DF", "FA", "VI", "CO"})
            RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, "SinuetSet9");
}
