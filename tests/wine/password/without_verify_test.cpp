// A PASSWORD.CPL without "VerifyScreenSavePwd" on the Windows 95/98/Me family: the saver
// loads it, frees it again at once, never touches the running state and closes on the
// first input without a dialog.
#include "password_fixture.h"

class WithoutVerifyTest : public PasswordTest {
  protected:
    void SetUp() override {
        PasswordTest::SetUp();
        SetWin98Family(true);
        SetPasswordSwitchDword(1);
        saver = CopySaverWith({CHECK_WITHOUT_VERIFY_STANDIN});
    }

    // One run from start to a key press; the running state is set to the given value
    // beforehand and must stay so throughout.
    void RunExpectingRunningState(int running) {
        SetRunningState(running);
        ChildProcess child;
        ASSERT_TRUE(StartCopiedSaver(saver, "/s", child));
        HWND window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 20000);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ReadRecord("CheckLoads"), 1u) << "the library was not even loaded";
        EXPECT_EQ(ReadRecord("CheckFrees"), 1u) << "the library was kept without its check";
        EXPECT_EQ(ReadRunningState(), running);

        ASSERT_TRUE(WaitForForeground(window));
        PressShift();
        ASSERT_TRUE(child.Wait(15000)) << "the first input did not close the saver";
        EXPECT_EQ(child.ExitCode(), 0u);
        EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "some dialog was left";
        EXPECT_EQ(ReadRunningState(), running);
    }
    std::string saver;
};

TEST_F(WithoutVerifyTest, ClosesOnFirstInputAndNeverSetsTheRunningState) {
    RunExpectingRunningState(0);
    ClearRecords();
    RunExpectingRunningState(1);
}
