// The saver window procedure's fixed rules, row by row, in this process.
#include "framework_fixture.h"

#include <algorithm>

namespace {
bool WasPassedOn(UINT message) {
    return std::find(passedOn.begin(), passedOn.end(), message) != passedOn.end();
}

void DispatchHostQueue(HWND host) {
    MSG message;
    while (PeekMessageA(&message, host, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

TEST_F(SaverWindowTest, TheTitleCannotBeChanged) {
    CreateFullScreen();
    passedOn.clear();
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Other")), 0);
    SetWindowTextA(window, "Other");
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Screen Saver");
    EXPECT_FALSE(WasPassedOn(WM_SETTEXT));
}

TEST_F(SaverWindowTest, SwitchingAndSaverCommandsAreRefusedOnlyFullScreenAndOnlyAsAWhole) {
    CreateFullScreen();
    for (WPARAM command : {SC_SCREENSAVE, SC_NEXTWINDOW, SC_PREVWINDOW}) {
        passedOn.clear();
        EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, command, 0), 0);
        EXPECT_FALSE(WasPassedOn(WM_SYSCOMMAND)) << std::hex << command;
    }
    for (WPARAM command :
         {SC_SCREENSAVE | 2, SC_SCREENSAVE | 0xF, SC_NEXTWINDOW | 2, SC_PREVWINDOW | 8}) {
        passedOn.clear();
        SendMessageA(window, WM_SYSCOMMAND, command, 0);
        EXPECT_TRUE(WasPassedOn(WM_SYSCOMMAND)) << std::hex << command;
    }
}

TEST_F(SaverWindowTest, APreviewNeverBlocksSystemCommands) {
    CreatePreview();
    for (WPARAM command : {SC_SCREENSAVE, SC_NEXTWINDOW, SC_PREVWINDOW}) {
        passedOn.clear();
        SendMessageA(window, WM_SYSCOMMAND, command, 0);
        EXPECT_TRUE(WasPassedOn(WM_SYSCOMMAND)) << std::hex << command;
    }
}

TEST_F(SaverWindowTest, OnceClosingTicksAreDroppedAndPaintAndInputGoToTheDefault) {
    CreateFullScreen();
    passedOn.clear();
    SendMessageA(window, WM_TIMER, 207, 0);
    EXPECT_TRUE(WasPassedOn(WM_TIMER));

    saverState.closing = 1;
    passedOn.clear();
    EXPECT_EQ(SendMessageA(window, WM_TIMER, 207, 0), 0);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    for (UINT input :
         {WM_KEYDOWN, WM_SYSKEYDOWN, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN})
        SendMessageA(window, input, 0, 0);
    EXPECT_TRUE(passedOn.empty()) << "first passed on: " << passedOn.front();
    EXPECT_EQ(TakeCloseRequests(), 0);
    // Everything else still reaches the animation and the close policy.
    SendMessageA(window, WM_NULL, 0, 0);
    EXPECT_TRUE(WasPassedOn(WM_NULL));
}

TEST_F(SaverWindowTest, APreviewPassesHelpAndContextMenuToItsParent) {
    CreatePreview();
    passedOn.clear();
    EXPECT_EQ(
        SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(11, 22)),
        1);
    EXPECT_TRUE(hostReceived.empty()) << "the context menu is posted, not sent";
    HELPINFO help = {};
    help.cbSize = sizeof help;
    help.iCtrlId = 4321;
    EXPECT_EQ(SendMessageA(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    DispatchHostQueue(host);
    ASSERT_EQ(hostReceived.size(), 2u);
    EXPECT_EQ(hostReceived[0].message, static_cast<UINT>(WM_HELP));
    EXPECT_EQ(hostReceived[0].wParam, reinterpret_cast<WPARAM>(host));
    EXPECT_EQ(hostReceived[0].lParam, 4321);
    EXPECT_EQ(hostReceived[1].message, static_cast<UINT>(WM_CONTEXTMENU));
    EXPECT_EQ(hostReceived[1].wParam, reinterpret_cast<WPARAM>(host));
    EXPECT_EQ(hostReceived[1].lParam, MAKELPARAM(11, 22));
    EXPECT_FALSE(WasPassedOn(WM_CONTEXTMENU));
    EXPECT_FALSE(WasPassedOn(WM_HELP));
}

TEST_F(SaverWindowTest, FullScreenPassesHelpAndContextMenuOn) {
    CreateFullScreen();
    passedOn.clear();
    SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), 0);
    EXPECT_TRUE(WasPassedOn(WM_CONTEXTMENU));
}

// A display change fits the full-screen window to the screen's clip box as it is now; a
// preview keeps its place. Both pass the change on to the animation.
TEST_F(SaverWindowTest, ADisplayChangeFitsOnlyTheFullScreenWindowToTheScreen) {
    RECT screen = {};
    HDC screenContext = GetDC(nullptr);
    GetClipBox(screenContext, &screen);
    ReleaseDC(nullptr, screenContext);
    RECT place = {};
    CreateFullScreen();
    passedOn.clear();
    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(screen.right, screen.bottom));
    GetWindowRect(window, &place);
    EXPECT_TRUE(EqualRect(&place, &screen))
        << place.left << "," << place.top << " to " << place.right << "," << place.bottom;
    EXPECT_TRUE(WasPassedOn(WM_DISPLAYCHANGE));
    DestroyWindow(window);

    CreatePreview();
    passedOn.clear();
    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(screen.right, screen.bottom));
    GetClientRect(window, &place);
    EXPECT_EQ(place.right, 152);
    EXPECT_EQ(place.bottom, 112);
    EXPECT_TRUE(WasPassedOn(WM_DISPLAYCHANGE));
}

TEST_F(SaverWindowTest, CreationNotesTheCursorAndHidesItOnlyFullScreen) {
    SetCursorPos(321, 234);
    POINT expected;
    GetCursorPos(&expected);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    CreatePreview();
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(saverState.lastCursorPos.x, expected.x);
    EXPECT_EQ(saverState.lastCursorPos.y, expected.y);
    DestroyWindow(window);

    saverState.previewMode = 0;
    SetCursor(arrow);
    CreateFullScreen();
    EXPECT_EQ(GetCursor(), nullptr);
    EXPECT_TRUE(WasPassedOn(WM_CREATE));
}

TEST_F(SaverWindowTest, CreationDetachesTheInputMethodAndDestructionQuitsTheLoop) {
    CreateFullScreen();
    ASSERT_NE(saverState.imeModule, nullptr) << "IMM32 is loaded in every GUI process";
    ASSERT_NE(saverState.imeAssociateContext, nullptr);
    EXPECT_NE(saverState.savedInputContext, nullptr);
    HIMC detached = saverState.imeAssociateContext(window, nullptr);
    EXPECT_EQ(detached, nullptr);
    saverState.imeAssociateContext(window, detached);
    DestroyWindow(window);
    EXPECT_TRUE(WasPassedOn(WM_DESTROY));
    EXPECT_EQ(TakeMessages(WM_QUIT, WM_QUIT), 1);
}
} // namespace
