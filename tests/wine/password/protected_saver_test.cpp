// A protected full-screen run on the Windows 95/98/Me family, with the stand-in check and
// its real modal dialog: the close request asks for the password in a dialog owned by the
// saver window, re-entered input is held off while it is open, a refused password keeps the
// saver running behind a 200 ms pause, and only the right password ends the run.
#include "password_fixture.h"

static const char *const RIGHT_PASSWORD = "frog";

class ProtectedSaverTest : public PasswordTest {
  protected:
    void SetUp() override {
        PasswordTest::SetUp();
        SetWin98Family(true);
        SetPasswordSwitchDword(1);
        SetKeptPassword(RIGHT_PASSWORD);
        SetRunningState(0);
        ASSERT_TRUE(StartCopiedSaver(CopySaverWith({CHECK_STANDIN}), "/s", child));
        window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 20000);
        ASSERT_NE(window, nullptr);
    }

    // Opens the dialog with a real key press and returns it.
    HWND AskWithKeyPress() {
        EXPECT_TRUE(WaitForForeground(window));
        PressShift();
        return WaitForPasswordDialog();
    }

    // Posts a marker after whatever the test posted before and waits until the saver's
    // thread has taken it, so that everything before it has been handled.
    bool Settle(UINT marker) {
        PostMessageA(window, marker, 0, 0);
        return WaitForRecord("LastMarker", marker);
    }

    // Answers the dialog and waits until the check has returned.
    void Answer(HWND dialog, const char *text) {
        SetRecord("CheckEndTick", 0);
        AnswerPasswordDialog(dialog, text);
        ASSERT_TRUE(WaitForRecordChange("CheckEndTick", 0)) << "the check did not return";
    }

    ChildProcess child;
    HWND window = nullptr;
};

// The cursor of the foreground thread, as the platform shows it.
static HCURSOR ShownCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

static bool WaitForCursorShown() {
    DWORD start = GetTickCount();
    while (!ShownCursor()) {
        if (GetTickCount() - start >= 3000)
            return false;
        PumpMessages(10);
    }
    return true;
}

TEST_F(ProtectedSaverTest, DialogOwnedBySaverHoldsOffInputWhileTheAnimationGoesOn) {
    EXPECT_EQ(ReadRunningState(), 1);
    HWND dialog = AskWithKeyPress();
    ASSERT_NE(dialog, nullptr) << "a key press asked for no password";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
    EXPECT_EQ(ReadRecord("CheckOwner"), static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window)));

    // Input reaching the saver window through the dialog's modal loop posts no close.
    SetCursorPos(600, 500); // far from where the saver started, so mouse travel counts
    for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                         WM_MOUSEMOVE, WM_POWERBROADCAST})
        PostMessageA(window, message, 0, 0);
    PostMessageA(window, WM_ACTIVATEAPP, 0, 0);
    PostMessageA(window, WM_POWER, 3, 0);
    ASSERT_TRUE(Settle(STANDIN_MARKER_BASE + 1));
    EXPECT_EQ(ReadRecord("ClosesWhileChecking"), 0u) << "input posted a close";

    // A second close request is refused: no second dialog, the first stays open.
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Settle(STANDIN_MARKER_BASE + 2));
    EXPECT_EQ(ReadRecord("ClosesWhileChecking"), 1u);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(ReadRecord("CheckCalls"), 1u);
    EXPECT_FALSE(child.Wait(0));

    // The animation's ticks still reach the saver and it keeps drawing around the dialog.
    RECT dialogRect;
    GetWindowRect(dialog, &dialogRect);
    EXPECT_TRUE(ScreenChangesOutside(dialogRect, 3000)) << "the animation stopped";
    EXPECT_GT(ReadRecord("TicksWhileChecking"), 0u);

    Answer(dialog, RIGHT_PASSWORD);
    EXPECT_EQ(ReadRecord("CheckResult"), 1u);
    ASSERT_TRUE(child.Wait(15000)) << "the right password did not close the saver";
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_EQ(ReadRecord("CheckFrees"), 1u);
    EXPECT_EQ(ReadRunningState(), 0);
}

TEST_F(ProtectedSaverTest, WrongPasswordKeepsSaverRunningBehindAPause) {
    HWND dialog = AskWithKeyPress();
    ASSERT_NE(dialog, nullptr);
    // Over the dialog the pointer shows a cursor again; the saver must hide it afterwards.
    RECT dialogRect;
    GetWindowRect(dialog, &dialogRect);
    SetCursorPos((dialogRect.left + dialogRect.right) / 2,
                 (dialogRect.top + dialogRect.bottom) / 2);
    ASSERT_TRUE(WaitForCursorShown());
    Answer(dialog, "toad");
    EXPECT_EQ(ReadRecord("CheckResult"), 0u);

    // A key press whose close request the saver takes within 200 ms of the dialog's end is
    // refused without asking. Only a timely one proves that, so a late one is tried again.
    bool timely = false;
    for (int attempt = 0; attempt < 3 && !timely; attempt++) {
        DWORD ended = ReadRecord("CheckEndTick");
        SetRecord("LastCloseTick", 0);
        PostMessageA(window, WM_KEYDOWN, VK_SHIFT, 0);
        ASSERT_TRUE(WaitForRecordChange("LastCloseTick", 0)) << "the key posted no close";
        timely = ReadRecord("LastCloseTick") - ended < 200;
        if (timely) {
            EXPECT_EQ(WaitForPasswordDialog(500), nullptr) << "asked again within 200 ms";
            break;
        }
        dialog = WaitForPasswordDialog(1000);
        if (!dialog) {
            PumpMessages(300);
            dialog = AskWithKeyPress();
        }
        ASSERT_NE(dialog, nullptr);
        Answer(dialog, "toad");
    }
    ASSERT_TRUE(timely) << "the saver never took a close request within 200 ms";
    DWORD calls = ReadRecord("CheckCalls");

    EXPECT_FALSE(child.Wait(2500)) << "a refused password closed the saver";
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(ShownCursor(), nullptr) << "the cursor shows after a refused password";
    EXPECT_EQ(ReadRunningState(), 1);

    // After the pause a key press asks again.
    dialog = AskWithKeyPress();
    ASSERT_NE(dialog, nullptr) << "a key press after the pause asked for no password";
    EXPECT_EQ(ReadRecord("CheckCalls"), calls + 1);
    Answer(dialog, RIGHT_PASSWORD);
    ASSERT_TRUE(child.Wait(15000));
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_EQ(ReadRunningState(), 0);
}
