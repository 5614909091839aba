// On Wine's default, the Windows NT family, the saver has no password support at all: the
// switch is on and both stand-ins lie beside it, yet neither loads, the running state that
// the test sets beforehand stays as it was, the first close request closes, and the
// change-password mode exits with -1 showing nothing.
#include "password_fixture.h"

#include <vector>

class NtFamilyTest : public PasswordTest {
  protected:
    void SetUp() override {
        PasswordTest::SetUp();
        SetWin98Family(false);
        SetMprOverride(true);
        SetPasswordSwitchDword(1);
        // Set beforehand, so that the saver switching it either way would show.
        SetRunningState(1);
        saver = CopySaverWith({CHECK_STANDIN, MPR_STANDIN});
    }
    std::string saver;
};

TEST_F(NtFamilyTest, KeyPressClosesWithoutLoadingTheCheck) {
    ChildProcess child;
    ASSERT_TRUE(StartCopiedSaver(saver, "/s", child));
    HWND window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 20000);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ReadRecord("CheckLoads"), 0u);
    EXPECT_EQ(ReadRunningState(), 1);

    ASSERT_TRUE(WaitForForeground(window));
    PressShift();
    ASSERT_TRUE(child.Wait(15000)) << "a key press did not close the saver";
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_EQ(ReadRecord("CheckLoads"), 0u);
    EXPECT_EQ(ReadRecord("CheckCalls"), 0u);
    EXPECT_EQ(ReadRecord("MprLoads"), 0u);
    EXPECT_EQ(ReadRunningState(), 1) << "the running state was touched";
}

TEST_F(NtFamilyTest, CloseIsNeverRefused) {
    ChildProcess child;
    ASSERT_TRUE(StartCopiedSaver(saver, "/s", child));
    HWND window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 20000);
    ASSERT_NE(window, nullptr);

    // Two close requests at once, as input would post them: the first destroys the window.
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(child.Wait(15000)) << "WM_CLOSE was refused";
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_EQ(ReadRecord("CheckLoads"), 0u);
    EXPECT_EQ(ReadRecord("MprLoads"), 0u);
    EXPECT_EQ(ReadRunningState(), 1) << "the running state was touched";
}

TEST_F(NtFamilyTest, ChangePasswordModeExitsMinusOneShowingNothing) {
    std::string desktop = std::to_string(reinterpret_cast<UINT_PTR>(GetDesktopWindow()));
    for (const std::string &arguments :
         std::vector<std::string>{"/a", "/a 0", "-A " + desktop, "/a" + desktop}) {
        SCOPED_TRACE(arguments);
        ChildProcess child;
        ASSERT_TRUE(StartCopiedSaver(saver, arguments, child));
        bool showed = true;
        ASSERT_TRUE(WaitWatchingWindows(child, 10000, showed));
        EXPECT_EQ(child.ExitCode(), 0xFFFFFFFFu);
        EXPECT_FALSE(showed);
    }
    EXPECT_EQ(ReadRecord("MprLoads"), 0u);
    EXPECT_EQ(ReadRecord("ChangeCalls"), 0u);
    EXPECT_EQ(ReadRecord("CheckLoads"), 0u);
    EXPECT_EQ(ReadRunningState(), 1);
}
