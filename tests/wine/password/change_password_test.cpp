// The change-password mode on the Windows 95/98/Me family: "/a" with a handle calls
// "PwdChangePasswordA" of MPR.DLL (here the recording stand-in, loaded before Wine's own)
// with "SCRSAVE", the owner, 0 and 0, and exits with 0 whatever that call did. A missing
// or invalid handle gives the foreground window as owner.
#include "password_fixture.h"

class ChangePasswordTest : public PasswordTest {
  protected:
    // Two windows of the test for the whole suite (destroying a window takes Wine two
    // seconds): a hidden one given as owner, and the visible foreground window.
    static void SetUpTestSuite() {
        given = CreateWindowA("STATIC", "given owner", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr,
                              nullptr, nullptr);
        foreground = CreateWindowA("STATIC", "foreground", WS_POPUP | WS_VISIBLE, 80, 10, 50, 50,
                                   nullptr, nullptr, nullptr, nullptr);
    }
    static void TearDownTestSuite() {
        DestroyWindow(given);
        DestroyWindow(foreground);
    }
    void SetUp() override {
        PasswordTest::SetUp();
        SetWin98Family(true);
        SetMprOverride(true);
        saver = CopySaverWith({MPR_STANDIN});
        ASSERT_TRUE(IsWindow(given));
        SetForegroundWindow(foreground);
        ASSERT_TRUE(WaitForForeground(foreground));
    }

    // Runs the mode and checks the one recorded call: its name, owner and the two zeros.
    void ExpectCallWithOwner(const std::string &arguments, HWND owner) {
        SCOPED_TRACE(arguments);
        ClearRecords();
        EXPECT_EQ(RunCopiedSaverToEnd(saver, arguments), 0);
        EXPECT_EQ(ReadRecord("MprLoads"), 1u);
        EXPECT_EQ(ReadRecord("ChangeCalls"), 1u);
        EXPECT_EQ(ReadRecordText("ChangeName"), "SCRSAVE");
        EXPECT_EQ(ReadRecord("ChangeOwner"), static_cast<DWORD>(reinterpret_cast<UINT_PTR>(owner)));
        EXPECT_EQ(ReadRecord("ChangeFlags"), 0u);
        EXPECT_EQ(ReadRecord("ChangeInfo"), 0u);
        EXPECT_EQ(ReadRecord("MprFrees"), 1u) << "MPR.DLL was not freed after use";
    }
    std::string Handle(HWND window) { return std::to_string(reinterpret_cast<UINT_PTR>(window)); }
    std::string saver;
    static HWND given, foreground;
};

HWND ChangePasswordTest::given = nullptr;
HWND ChangePasswordTest::foreground = nullptr;

TEST_F(ChangePasswordTest, GivenWindowIsTheOwner) {
    ExpectCallWithOwner("/a " + Handle(given), given);
    ExpectCallWithOwner("-A   " + Handle(given), given);
    ExpectCallWithOwner("/a" + Handle(given), given);
}

TEST_F(ChangePasswordTest, MissingOrInvalidHandleGivesTheForegroundWindow) {
    ExpectCallWithOwner("/a", foreground);
    ExpectCallWithOwner("/a 0", foreground);
    ExpectCallWithOwner("/a 4294967295", foreground);
    ExpectCallWithOwner("/a x" + Handle(given), foreground);
}

TEST_F(ChangePasswordTest, ExitsZeroWithWineOwnMprToo) {
    SetMprOverride(false);
    EXPECT_EQ(RunCopiedSaverToEnd(saver, "/a " + Handle(given)), 0);
    EXPECT_EQ(ReadRecord("MprLoads"), 0u) << "the stand-in was loaded without the override";
}
