// What closes the real full-screen saver, with posted and sent messages, real key presses,
// clicks and cursor moves, and what does not.
#include "saver_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const POINT BASE = {500, 380};

// Puts the pointer at BASE with a real motion first (Wine settles the cursor position only
// after one), then starts the saver there.
HWND StartAtBase(ChildProcess &child) {
    SetCursorPos(BASE.x - 20, BASE.y - 20);
    PumpMessages(50);
    SetCursorPos(BASE.x, BASE.y);
    PumpMessages(50);
    HWND window = StartFullScreen(child);
    PumpMessages(300);
    return window;
}

void ExpectClosesWithZero(const char *what, const std::function<void(HWND)> &trigger) {
    ChildProcess child;
    HWND window = StartAtBase(child);
    ASSERT_NE(window, nullptr) << what;
    trigger(window);
    EXPECT_TRUE(WaitUntilHidden(window, 3000)) << what;
    ASSERT_TRUE(WaitForExitPumping(child, 15000)) << what;
    EXPECT_EQ(static_cast<LONG>(child.ExitCode()), 0) << what;
}

void Post(HWND window, UINT message, WPARAM wParam = 0) {
    PostMessageA(window, message, wParam, 0);
}

TEST(Closing, PostedKeyAndButtonPressesClose) {
    ExpectClosesWithZero("WM_KEYDOWN", [](HWND w) { Post(w, WM_KEYDOWN, 'K'); });
    ExpectClosesWithZero("WM_SYSKEYDOWN", [](HWND w) { Post(w, WM_SYSKEYDOWN, VK_F2); });
    ExpectClosesWithZero("WM_LBUTTONDOWN", [](HWND w) { Post(w, WM_LBUTTONDOWN); });
    ExpectClosesWithZero("WM_RBUTTONDOWN", [](HWND w) { Post(w, WM_RBUTTONDOWN); });
    ExpectClosesWithZero("WM_MBUTTONDOWN", [](HWND w) { Post(w, WM_MBUTTONDOWN); });
}

TEST(Closing, RealKeyboardAndMouseInputClose) {
    ExpectClosesWithZero("key", [](HWND) {
        keybd_event('Q', 0, 0, 0);
        keybd_event('Q', 0, KEYEVENTF_KEYUP, 0);
    });
    ExpectClosesWithZero("click", [](HWND) {
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    });
}

TEST(Closing, LossOfActivationAndPowerEventsClose) {
    ExpectClosesWithZero("WM_ACTIVATEAPP 0", [](HWND w) { SendMessageA(w, WM_ACTIVATEAPP, 0, 0); });
    ExpectClosesWithZero("WM_POWER 3", [](HWND w) { SendMessageA(w, WM_POWER, 3, 0); });
    ExpectClosesWithZero("WM_POWERBROADCAST",
                         [](HWND w) { SendMessageA(w, WM_POWERBROADCAST, 0x1234, 0); });
}

TEST(Closing, OtherEventsAndATravelOfFourDoNotCloseButFiveDoes) {
    ChildProcess child;
    HWND window = StartAtBase(child);
    ASSERT_NE(window, nullptr);
    SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
    SendMessageA(window, WM_POWER, 1, 0);
    SendMessageA(window, WM_POWER, 2, 0);
    SendMessageA(window, WM_SHOWWINDOW, 1, 0);
    SendMessageA(window, WM_SHOWWINDOW, 0, 0);
    SetCursorPos(BASE.x + 2, BASE.y + 2);
    EXPECT_TRUE(StaysVisible(window, 800));
    SetCursorPos(BASE.x + 3, BASE.y + 2);
    EXPECT_TRUE(WaitUntilHidden(window, 3000));
    ASSERT_TRUE(WaitForExitPumping(child, 15000));
    EXPECT_EQ(static_cast<LONG>(child.ExitCode()), 0);
}

TEST(Closing, SmallMovesAddUpFromWhereTheCursorStood) {
    ChildProcess child;
    HWND window = StartAtBase(child);
    ASSERT_NE(window, nullptr);
    SetCursorPos(BASE.x - 2, BASE.y);
    PumpMessages(150);
    SetCursorPos(BASE.x - 4, BASE.y);
    EXPECT_TRUE(StaysVisible(window, 500));
    SetCursorPos(BASE.x - 6, BASE.y);
    EXPECT_TRUE(WaitUntilHidden(window, 3000));
    ASSERT_TRUE(WaitForExitPumping(child, 15000));
    EXPECT_EQ(static_cast<LONG>(child.ExitCode()), 0);
}
} // namespace
