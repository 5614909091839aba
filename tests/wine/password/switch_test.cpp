// On the Windows 95/98/Me family the switch "ScreenSaveUsePassword" is read as raw bytes,
// at most 4, of any type. With the stand-in check beside the saver, a run is protected
// exactly when the check is loaded: then the running state is on, the AutoPlay query
// answers 1 and a close request asks for the password; otherwise nothing of it happens.
#include "password_fixture.h"

#include <vector>

struct SwitchCase {
    const char *name;
    bool present;
    DWORD type;
    std::vector<BYTE> data;
    bool protection;
};

static void PrintTo(const SwitchCase &value, std::ostream *out) {
    *out << value.name;
}

class SwitchTest : public PasswordTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, ProtectionFollowsTheRawBytes) {
    const SwitchCase &value = GetParam();
    SetWin98Family(true);
    if (value.present)
        SetPasswordSwitch(value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    else
        DeletePasswordSwitch();
    SetKeptPassword("");
    SetRunningState(0);
    std::string saver = CopySaverWith({CHECK_STANDIN});

    ChildProcess child;
    ASSERT_TRUE(StartCopiedSaver(saver, "/s", child));
    HWND window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 20000);
    ASSERT_NE(window, nullptr);
    DWORD expected = value.protection ? 1 : 0;
    EXPECT_EQ(ReadRecord("CheckLoads"), expected);
    EXPECT_EQ(ReadRunningState(), static_cast<int>(expected));

    DWORD_PTR answer = 99;
    ASSERT_NE(SendMessageTimeoutA(window, RegisterWindowMessageA("QueryCancelAutoPlay"), 0, 0,
                                  SMTO_ABORTIFHUNG, 5000, &answer),
              0);
    EXPECT_EQ(answer, expected);
    if (value.protection) {
        HWND dialog = WaitForPasswordDialog();
        ASSERT_NE(dialog, nullptr) << "the close request asked for no password";
        AnswerPasswordDialog(dialog, "");
    }
    ASSERT_TRUE(child.Wait(15000));
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_EQ(ReadRecord("CheckCalls"), expected);
    EXPECT_EQ(ReadRecord("CheckFrees"), expected) << "the check was not freed at the end";
    EXPECT_EQ(ReadRunningState(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Win98, SwitchTest,
    ::testing::Values(SwitchCase{"Dword1", true, REG_DWORD, {1, 0, 0, 0}, true},
                      SwitchCase{"Dword0", true, REG_DWORD, {0, 0, 0, 0}, false},
                      SwitchCase{"Missing", false, REG_DWORD, {}, false},
                      SwitchCase{"OneRawZeroByte", true, REG_BINARY, {0}, false},
                      SwitchCase{"TextZero", true, REG_SZ, {'0', 0}, true},
                      SwitchCase{"FiveBytes", true, REG_BINARY, {1, 1, 1, 1, 1}, false}),
    [](const ::testing::TestParamInfo<SwitchCase> &info) { return info.param.name; });
