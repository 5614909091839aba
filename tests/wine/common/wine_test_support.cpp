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

std::string SaverPath() {
    return TestBinDir() + "sinuet.scr";
}

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
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM context) {
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
    search->found.push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> ProcessWindows(DWORD processId, const char *className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const char *className, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        const std::vector<HWND> windows = ProcessWindows(processId, className);
        if (!windows.empty())
            return windows.front();
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

// Copies the screen into a 32-bit top-down DIB section and drops the unused top byte.
std::vector<uint32_t> CaptureScreenArea(const RECT &area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<uint32_t> pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const uint32_t *bgra = static_cast<const uint32_t *>(bits);
        pixels.assign(bgra, bgra + static_cast<size_t>(width) * height);
        for (uint32_t &pixel : pixels)
            pixel &= 0xFFFFFFu;
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
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
