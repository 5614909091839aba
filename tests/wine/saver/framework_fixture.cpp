#include "framework_fixture.h"

std::vector<UINT> passedOn;
std::vector<MSG> hostReceived;

extern "C" LRESULT WINAPI ScreenSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    passedOn.push_back(message);
    return DefaultSaverProc(window, message, wParam, lParam);
}

extern "C" INT_PTR WINAPI ScreenSaverConfigureDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

BOOL PrepareConfigDialog(HINSTANCE) {
    return 1;
}

namespace {
const SaverState START_STATE = saverState;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP || message == WM_CONTEXTMENU) {
        LPARAM kept = message == WM_HELP && lParam
                          ? reinterpret_cast<const HELPINFO *>(lParam)->iCtrlId
                          : lParam;
        hostReceived.push_back({window, message, wParam, kept, InSendMessage() ? 1u : 0u, {}});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance) {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    WNDCLASSA saverClass = {};
    saverClass.style = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    saverClass.lpfnWndProc = SaverWindowProc;
    saverClass.hInstance = instance;
    saverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    saverClass.lpszClassName = SAVER_CLASS_NAME;
    RegisterClassA(&saverClass);
    WNDCLASSA hostClass = {};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = instance;
    hostClass.lpszClassName = "FrameworkTestHost";
    RegisterClassA(&hostClass);
}

void DropQueue() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT && message.message != WM_CLOSE &&
            message.message != WM_TIMER)
            DispatchMessageA(&message);
}
} // namespace

void SaverWindowTest::SetUp() {
    saverState = START_STATE;
    saverState.instance = GetModuleHandleA(nullptr);
    RegisterClasses(saverState.instance);
    passedOn.clear();
    hostReceived.clear();
}

void SaverWindowTest::TearDown() {
    if (window && IsWindow(window))
        DestroyWindow(window);
    if (host)
        DestroyWindow(host);
    DropQueue();
    saverState = START_STATE;
}

HWND SaverWindowTest::CreateFullScreen() {
    window = CreateWindowExA(0, SAVER_CLASS_NAME, "Screen Saver", WS_POPUP, 0, 0, 200, 150, nullptr,
                             nullptr, saverState.instance, nullptr);
    saverState.saverWindow = window;
    return window;
}

HWND SaverWindowTest::CreatePreview() {
    host = CreateWindowExA(0, "FrameworkTestHost", "Host", WS_OVERLAPPEDWINDOW, 30, 30, 300, 200,
                           nullptr, nullptr, saverState.instance, nullptr);
    saverState.previewMode = 1;
    window =
        CreateWindowExA(0, SAVER_CLASS_NAME, "Preview", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                        0, 152, 112, host, nullptr, saverState.instance, nullptr);
    saverState.saverWindow = window;
    return window;
}

int SaverWindowTest::TakeMessages(UINT first, UINT last) {
    int count = 0;
    MSG message;
    while (PeekMessageA(&message, nullptr, first, last, PM_REMOVE))
        if (message.message >= first && message.message <= last &&
            (message.hwnd == window || message.hwnd == nullptr))
            ++count;
    return count;
}

int SaverWindowTest::TakeCloseRequests() {
    return TakeMessages(WM_CLOSE, WM_CLOSE);
}
