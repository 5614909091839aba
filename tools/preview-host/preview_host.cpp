// Plays the display control panel: opens a window whose client area is the panel's
// 152 x 112 preview and starts "sinuet.scr /p <its handle>" in it. The saver beside this
// program is used, or the one named as the last argument. Closing the window ends the
// preview (the saver's child window goes with its parent).
//
// "--desktop" starts the preview in the desktop window instead and returns. Under Wine,
// what another process draws into this program's window never reaches the screen, while
// the desktop window is the X screen itself: on a 152 x 112 virtual screen this shows the
// preview as the control panel would.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
const int PREVIEW_WIDTH = 152;
const int PREVIEW_HEIGHT = 112;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string SaverBesideThisProgram() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + "sinuet.scr";
}

HWND CreateHost(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = "SinuetPreviewHost";
    RegisterClassA(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    RECT frame = {0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT};
    AdjustWindowRect(&frame, style, FALSE);
    return CreateWindowExA(0, "SinuetPreviewHost", "Sinuet preview", style, CW_USEDEFAULT,
                           CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                           nullptr, nullptr, instance, nullptr);
}

bool StartPreview(const std::string &saver, HWND host) {
    char handle[16];
    std::snprintf(handle, sizeof handle, "%lu",
                  static_cast<unsigned long>(reinterpret_cast<uintptr_t>(host)));
    std::string commandLine = "\"" + saver + "\" /p " + handle;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const bool inDesktop = __argc > 1 && std::string(__argv[1]) == "--desktop";
    const int first = inDesktop ? 2 : 1;
    std::string saver = __argc > first ? __argv[first] : SaverBesideThisProgram();
    if (inDesktop)
        return StartPreview(saver, GetDesktopWindow()) ? 0 : 1;
    HWND host = CreateHost(instance);
    if (host == nullptr || !StartPreview(saver, host))
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
