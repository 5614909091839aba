// The close policy in this process: which messages request a close, the mouse-travel test,
// the AutoPlay answer, and the password check before a close with a check of the test's own
// in place of the platform's.
#include "close_rules.h"
#include "framework_fixture.h"

#include <algorithm>
#include <functional>

namespace {
// The stand-in password check: counts its calls and runs `during` inside the check.
int checkCalls;
HWND checkOwner;
int verifyingSeen;
BOOL checkAnswer;
std::function<void()> during;

BOOL WINAPI TestCheck(HWND owner) {
    ++checkCalls;
    checkOwner = owner;
    verifyingSeen = saverState.verifying;
    if (during)
        during();
    return checkAnswer;
}

class ClosePolicyTest : public SaverWindowTest {
  protected:
    void SetUp() override {
        SaverWindowTest::SetUp();
        checkCalls = 0;
        checkOwner = nullptr;
        verifyingSeen = 0;
        checkAnswer = FALSE;
        during = nullptr;
    }
    // The Windows 95/98/Me family with password protection on.
    void Protect() {
        saverState.win9x = 1;
        saverState.verifyPassword = TestCheck;
    }
};

const UINT CLOSING_INPUT[] = {WM_KEYDOWN,     WM_SYSKEYDOWN,  WM_LBUTTONDOWN,
                              WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_POWERBROADCAST};

TEST_F(ClosePolicyTest, InputAndLossOfActivationRequestAClose) {
    CreateFullScreen();
    for (UINT message : CLOSING_INPUT) {
        SendMessageA(window, message, 0, 0);
        EXPECT_EQ(TakeCloseRequests(), 1) << std::hex << message;
    }
    SendMessageA(window, WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(TakeCloseRequests(), 1);
    SendMessageA(window, WM_POWER, 3, 0);
    EXPECT_EQ(TakeCloseRequests(), 1);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(ClosePolicyTest, OtherStateChangesDoNotRequestAClose) {
    CreateFullScreen();
    SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
    SendMessageA(window, WM_POWER, 1, 0);
    SendMessageA(window, WM_POWER, 2, 0);
    SendMessageA(window, WM_SHOWWINDOW, 1, 0);
    SendMessageA(window, WM_SHOWWINDOW, 0, 0);
    SendMessageA(window, WM_KEYUP, 'A', 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(ClosePolicyTest, APreviewAndARunningCheckIgnoreInput) {
    CreatePreview();
    for (UINT message : CLOSING_INPUT)
        SendMessageA(window, message, 0, 0);
    SendMessageA(window, WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
    DestroyWindow(window);
    DestroyWindow(host);
    host = nullptr;

    saverState.previewMode = 0;
    CreateFullScreen();
    saverState.verifying = 1;
    for (UINT message : CLOSING_INPUT) {
        SendMessageA(window, message, 0, 0);
        EXPECT_EQ(TakeCloseRequests(), 0) << std::hex << message;
    }
}

TEST_F(ClosePolicyTest, SetCursorAnswersOneAndHidesTheCursor) {
    CreateFullScreen();
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              1);
    EXPECT_EQ(GetCursor(), nullptr);
}

TEST_F(ClosePolicyTest, MouseTravelAboveFourClosesAndMovesTheReference) {
    SetCursorPos(400, 300);
    CreateFullScreen();
    saverState.lastCursorPos = {400, 300};
    SetCursorPos(402, 302);
    SendMessageA(window, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
    SetCursorPos(403, 302);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300)); // its coordinates are unused
    EXPECT_EQ(TakeCloseRequests(), 1);
    EXPECT_EQ(saverState.lastCursorPos.x, 403);
    EXPECT_EQ(saverState.lastCursorPos.y, 302);
}

TEST_F(ClosePolicyTest, OnTheNtFamilyACloseIsNeverRefusedNorChecked) {
    saverState.verifyPassword = TestCheck; // not consulted on this family
    CreateFullScreen();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(saverState.closing, 0);
    EXPECT_EQ(checkCalls, 0);
}

TEST_F(ClosePolicyTest, OnTheNtFamilyTheVerifyMessageIsNotAnswered) {
    CreateFullScreen();
    EXPECT_EQ(SendMessageA(window, WM_SAVER_VERIFY, 0, 0), 0);
    saverState.win9x = 1;
    EXPECT_EQ(SendMessageA(window, WM_SAVER_VERIFY, 0, 0), 1); // no check: accepted
}

TEST_F(ClosePolicyTest, WithoutProtectionTheFirstCloseIsAllowed) {
    saverState.win9x = 1;
    CreateFullScreen();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(saverState.closing, 1);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ClosePolicyTest, AnAcceptedPasswordClosesThroughTheWindowProcedure) {
    Protect();
    checkAnswer = TRUE;
    CreateFullScreen();
    DWORD before = GetTickCount();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(checkCalls, 1);
    EXPECT_EQ(checkOwner, window);
    EXPECT_EQ(verifyingSeen, 1);
    EXPECT_TRUE(std::find(passedOn.begin(), passedOn.end(), WM_SAVER_VERIFY) != passedOn.end());
    EXPECT_EQ(saverState.closing, 1);
    EXPECT_EQ(saverState.verifying, 0);
    EXPECT_LE(ElapsedTicks(before, saverState.lastVerifyTime), 1000u);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ClosePolicyTest, ARefusedPasswordKeepsTheSaverRunningWithAFreshReference) {
    Protect();
    CreateFullScreen();
    SetCursorPos(250, 200);
    saverState.lastCursorPos = {0, 0};
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(checkCalls, 1);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(saverState.closing, 0);
    EXPECT_EQ(saverState.verifying, 0);
    EXPECT_EQ(GetCursor(), nullptr);
    EXPECT_EQ(saverState.lastCursorPos.x, 250);
    EXPECT_EQ(saverState.lastCursorPos.y, 200);
    EXPECT_NE(saverState.lastVerifyTime, static_cast<DWORD>(NO_CHECK_YET));
}

TEST_F(ClosePolicyTest, ACloseWithinTwoHundredMillisecondsOfACheckIsRefusedWithoutAsking) {
    Protect();
    CreateFullScreen();
    SendMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(checkCalls, 1);
    SetCursorPos(260, 210);
    EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(checkCalls, 1);
    EXPECT_EQ(saverState.lastCursorPos.x, 260); // refused closes reset the reference too
    Sleep(VERIFY_PAUSE_MS + 50);
    checkAnswer = TRUE;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(checkCalls, 2);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ClosePolicyTest, WhileTheCheckRunsInputIsIgnoredAndASecondCloseIsRefused) {
    Protect();
    CreateFullScreen();
    LRESULT nestedClose = -1;
    during = [&] {
        for (UINT message : CLOSING_INPUT)
            SendMessageA(window, message, 0, 0);
        nestedClose = SendMessageA(window, WM_CLOSE, 0, 0);
    };
    checkAnswer = TRUE;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(checkCalls, 1);
    EXPECT_EQ(nestedClose, 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ClosePolicyTest, TheCheckDropsAtMostTwoPendingTicks) {
    Protect();
    CreateFullScreen();
    for (int i = 0; i < 3; ++i)
        PostMessageA(window, WM_TIMER, 207, 0);
    int pendingDuringCheck = -1;
    during = [&] {
        MSG message;
        pendingDuringCheck = 0;
        while (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE))
            ++pendingDuringCheck;
    };
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(pendingDuringCheck, 1);
}

TEST_F(ClosePolicyTest, TheAutoPlayQueryRequestsACloseAndAnswersWhetherProtected) {
    saverState.win9x = 1;
    saverState.autoPlayMessage = RegisterWindowMessageA("QueryCancelAutoPlay");
    CreateFullScreen();
    EXPECT_EQ(SendMessageA(window, saverState.autoPlayMessage, 0, 0), 0);
    EXPECT_EQ(TakeCloseRequests(), 1);
    saverState.verifyPassword = TestCheck;
    EXPECT_EQ(SendMessageA(window, saverState.autoPlayMessage, 0, 0), 1);
    EXPECT_EQ(TakeCloseRequests(), 1);
    EXPECT_EQ(checkCalls, 0);
}

TEST_F(ClosePolicyTest, APreviewAnswersTheAutoPlayQueryToo) {
    saverState.win9x = 1;
    saverState.autoPlayMessage = RegisterWindowMessageA("QueryCancelAutoPlay");
    CreatePreview();
    EXPECT_EQ(SendMessageA(window, saverState.autoPlayMessage, 0, 0), 0);
    EXPECT_EQ(TakeCloseRequests(), 1);
}

TEST_F(ClosePolicyTest, WithoutARegisteredQueryNoMessageIsTakenForIt) {
    CreateFullScreen(); // NT family: autoPlayMessage stays 0
    SendMessageA(window, RegisterWindowMessageA("QueryCancelAutoPlay"), 0, 0);
    SendMessageA(window, 0, 0, 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
}
} // namespace
