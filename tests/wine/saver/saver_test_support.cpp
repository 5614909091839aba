#include "saver_test_support.h"

std::vector<PostedToHost> postedToHost;

bool WaitForExitPumping(ChildProcess &child, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD left = timeoutMs - (GetTickCount() - start);
        if (GetTickCount() - start >= timeoutMs)
            return child.Wait(0);
        DWORD got = MsgWaitForMultipleObjects(1, &child.info.hProcess, FALSE, left, QS_ALLINPUT);
        if (got == WAIT_OBJECT_0)
            return true;
        PumpMessages(0);
    }
}

HWND StartFullScreen(ChildProcess &child, const std::string &arguments) {
    if (!StartSaver(arguments, child))
        return nullptr;
    HWND window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 10000);
    DWORD start = GetTickCount();
    while (window && !(IsWindowVisible(window) && GetForegroundWindow() == window) &&
           GetTickCount() - start < 5000)
        PumpMessages(10);
    return window;
}

// Handles messages until the window's test gives the wanted answer, at most for the given
// time.
static bool WaitFor(BOOL(WINAPI *test)(HWND), bool wanted, HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while ((test(window) != 0) != wanted) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(5);
    }
    return true;
}

bool WaitUntilShown(HWND window, DWORD timeoutMs) {
    return WaitFor(IsWindowVisible, true, window, timeoutMs);
}

bool WaitUntilHidden(HWND window, DWORD timeoutMs) {
    return WaitFor(IsWindowVisible, false, window, timeoutMs);
}

bool WaitUntilDestroyed(HWND window, DWORD timeoutMs) {
    return WaitFor(IsWindow, false, window, timeoutMs);
}

bool StaysVisible(HWND window, DWORD ms) {
    PumpMessages(ms);
    return IsWindowVisible(window) != 0;
}

long long CloseAndExitCode(ChildProcess &child, HWND window) {
    PostMessageA(window, WM_KEYDOWN, 'A', 0);
    if (!WaitForExitPumping(child, 15000))
        return TIMED_OUT;
    return static_cast<LONG>(child.ExitCode());
}

namespace {
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP || message == WM_CONTEXTMENU) {
        if (message == WM_HELP && lParam)
            lParam = reinterpret_cast<const HELPINFO *>(lParam)->iCtrlId;
        postedToHost.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

HostWindow::~HostWindow() {
    if (window)
        DestroyWindow(window);
}

void CreateHostWindow(HostWindow &host, int clientWidth, int clientHeight) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "SinuetTestHost";
    RegisterClassA(&windowClass);
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    host.window =
        CreateWindowExA(0, "SinuetTestHost", "Test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                        windowClass.hInstance, nullptr);
    postedToHost.clear();
    PumpMessages(50);
}

HWND WaitForPreview(HWND host, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        // The window shows itself only once its creation has finished: wait for that,
        // so that its style is read as the saver left it.
        HWND preview = FindWindowExA(host, nullptr, SAVER_CLASS, nullptr);
        if (preview && IsWindowVisible(preview))
            return preview;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        PumpMessages(10);
    }
}

std::string HandleText(HWND window) {
    return std::to_string(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
}

Capture CaptureScreen(int left, int top, int width, int height) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    capture.pixels = CaptureScreenArea({left, top, left + width, top + height});
    return capture;
}

uint32_t PixelOf(uint32_t colorRef) {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}

void StoreSettings(const SaverSettings &settings) {
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, SETTINGS_KEY, &key) != ERROR_SUCCESS)
        return;
    for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
        char data[16];
        memset(data, 'x', sizeof data); // the byte after the data is not NUL
        uint32_t size = EncodeSettingValue(settings, static_cast<SettingValue>(value), data);
        RegSetValueExA(key, SETTING_VALUE_NAMES[value], 0, REG_SZ,
                       reinterpret_cast<const BYTE *>(data), size);
    }
    RegCloseKey(key);
}

Capture FrogPicture() {
    Capture picture;
    HMODULE image = LoadLibraryExA(SaverPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    HBITMAP bitmap = image ? LoadBitmapA(image, "IDB_FROG") : nullptr;
    BITMAP size;
    if (bitmap && GetObjectA(bitmap, sizeof size, &size)) {
        picture.width = size.bmWidth;
        picture.height = size.bmHeight;
        picture.pixels.resize(static_cast<size_t>(size.bmWidth) * size.bmHeight);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.bmWidth;
        info.bmiHeader.biHeight = -size.bmHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, size.bmHeight, picture.pixels.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        for (uint32_t &pixel : picture.pixels)
            pixel &= 0xFFFFFFu;
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (image)
        FreeLibrary(image);
    return picture;
}

double FrogMatch(const Capture &screen, const Capture &frog, int x, int y) {
    int same = 0, coloured = 0;
    for (int row = 0; row < frog.height; ++row)
        for (int column = 0; column < frog.width; ++column) {
            if (frog.At(column, row) == 0)
                continue;
            ++coloured;
            same += screen.At(x + column, y + row) == frog.At(column, row);
        }
    return coloured ? static_cast<double>(same) / coloured : 0.0;
}
