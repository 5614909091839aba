// The real saver's windows as the platform sees them from another process: class, styles,
// titles, geometry, the single-instance rule and the preview's duties towards its parent.
#include "saver_test_support.h"

#include <gtest/gtest.h>

namespace {
std::string Title(HWND window) {
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
}

int CountSaverWindows() {
    int count = 0;
    for (HWND w = FindWindowA(SAVER_CLASS, nullptr); w;
         w = FindWindowExA(nullptr, w, SAVER_CLASS, nullptr))
        ++count;
    return count;
}

TEST(SaverWindow, FullScreenIsATopmostBlackPopupOverTheScreensClipBox) {
    ChildProcess child;
    HWND window = StartFullScreen(child);
    ASSERT_NE(window, nullptr);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "WindowsScreenSaverClass");
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), 0x2Bu);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), 0x96000000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)), 0x8u);
    EXPECT_EQ(Title(window), "Screen Saver");
    EXPECT_EQ(GetParent(window), nullptr);

    RECT box;
    HDC screen = GetDC(nullptr);
    GetClipBox(screen, &box);
    ReleaseDC(nullptr, screen);
    RECT place;
    GetWindowRect(window, &place);
    EXPECT_EQ(place.left, box.left);
    EXPECT_EQ(place.top, box.top);
    EXPECT_EQ(place.right, box.right);
    EXPECT_EQ(place.bottom, box.bottom);
    EXPECT_EQ(GetForegroundWindow(), window);

    // The title stays, however it is set.
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Changed")), 0);
    SetWindowTextA(window, "Changed");
    EXPECT_EQ(Title(window), "Screen Saver");

    // The cursor is hidden, and asking for it keeps it so.
    EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              1);
    CURSORINFO cursor = {};
    cursor.cbSize = sizeof cursor;
    ASSERT_TRUE(GetCursorInfo(&cursor));
    EXPECT_EQ(cursor.hCursor, nullptr);

    // A second start brings the running saver forward and ends at once with 0. (Taking the
    // foreground away first would close the saver: losing activation is a close request.)
    EXPECT_EQ(RunSaverToEnd("/s", 10000), 0);
    EXPECT_EQ(CountSaverWindows(), 1);
    PumpMessages(100);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_TRUE(IsWindowVisible(window));

    EXPECT_EQ(CloseAndExitCode(child, window), 0);
    EXPECT_EQ(CountSaverWindows(), 0);
}

TEST(SaverWindow, APreviewFillsItsParentAndServesIt) {
    HostWindow host;
    CreateHostWindow(host, 152, 112);
    ChildProcess child;
    ASSERT_TRUE(StartSaver("/p " + HandleText(host.window), child));
    HWND preview = WaitForPreview(host.window);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(preview, GWL_STYLE)), 0x52000000u);
    EXPECT_EQ(GetWindowLongA(preview, GWL_EXSTYLE), 0);
    EXPECT_EQ(Title(preview), "Preview");
    EXPECT_EQ(GetParent(preview), host.window);
    EXPECT_EQ(GetClassLongA(preview, GCL_STYLE), 0x2Bu);
    RECT client;
    GetClientRect(preview, &client);
    EXPECT_EQ(client.right, 152);
    EXPECT_EQ(client.bottom, 112);
    POINT origin = {0, 0};
    MapWindowPoints(preview, host.window, &origin, 1);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);

    // Help and context menu go on to the parent with the parent's own handle: the context
    // menu posted, help sent with its HELPINFO.
    EXPECT_EQ(
        SendMessageA(preview, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(preview), MAKELPARAM(7, 9)),
        1);
    HELPINFO help = {};
    help.cbSize = sizeof help;
    help.iCtrlId = 777;
    EXPECT_EQ(SendMessageA(preview, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    PumpMessages(300);
    ASSERT_EQ(postedToHost.size(), 2u);
    EXPECT_EQ(postedToHost[0].message, static_cast<UINT>(WM_HELP));
    EXPECT_EQ(postedToHost[0].wParam, reinterpret_cast<WPARAM>(host.window));
    EXPECT_EQ(postedToHost[0].lParam, 777);
    EXPECT_EQ(postedToHost[1].message, static_cast<UINT>(WM_CONTEXTMENU));
    EXPECT_EQ(postedToHost[1].wParam, reinterpret_cast<WPARAM>(host.window));
    EXPECT_EQ(postedToHost[1].lParam, MAKELPARAM(7, 9));

    // Input never closes a preview.
    SetCursorPos(300, 300);
    PostMessageA(preview, WM_KEYDOWN, 'A', 0);
    PostMessageA(preview, WM_LBUTTONDOWN, 0, 0);
    PostMessageA(preview, WM_MOUSEMOVE, 0, 0);
    SetCursorPos(600, 500);
    PostMessageA(preview, WM_MOUSEMOVE, 0, 0);
    PostMessageA(preview, WM_ACTIVATEAPP, 0, 0);
    PumpMessages(800);
    EXPECT_TRUE(IsWindow(preview));
    EXPECT_FALSE(child.Wait(0));

    // A running preview does not stop a full-screen start.
    ChildProcess fullScreen;
    HWND window = StartFullScreen(fullScreen);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(window, preview);
    EXPECT_EQ(CloseAndExitCode(fullScreen, window), 0);

    PostMessageA(preview, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForExitPumping(child, 10000));
    EXPECT_EQ(static_cast<LONG>(child.ExitCode()), 0);
}
TEST(PreviewHost, ShowsThePreviewInItsWindowUntilClosed) {
    ChildProcess hostProcess;
    ASSERT_TRUE(StartCommandLine("\"" + TestBinDir() + "preview-host.exe\"", hostProcess));
    HWND host = WaitForWindow("SinuetPreviewHost", nullptr);
    ASSERT_NE(host, nullptr);
    HWND preview = WaitForPreview(host);
    ASSERT_NE(preview, nullptr);
    RECT client;
    GetClientRect(host, &client);
    EXPECT_EQ(client.right, 152);
    EXPECT_EQ(client.bottom, 112);
    GetClientRect(preview, &client);
    EXPECT_EQ(client.right, 152);
    EXPECT_EQ(client.bottom, 112);
    EXPECT_EQ(Title(preview), "Preview");

    PostMessageA(host, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForExitPumping(hostProcess, 10000));
    EXPECT_EQ(hostProcess.ExitCode(), 0u);
    // The preview runs in a process of its own, which ends its window a moment later.
    EXPECT_TRUE(WaitUntilDestroyed(preview, 10000));
}
} // namespace
