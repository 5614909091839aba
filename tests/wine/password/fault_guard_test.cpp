// A real access fault under the fault guard, in a program that Wine shows the Windows
// 95/98/Me family, while a protected run has the platform's running state on: the guard
// lets the filter handle it and the running state is off afterwards. Ending the process
// without the guard's help leaves it on, so the state seen is the guard's doing.
#include "password_fixture.h"

static const char *const CHILD = "password_fault_child.exe";

class FaultGuardTest : public PasswordTest {
  protected:
    void SetUp() override {
        PasswordTest::SetUp();
        version = SaveValue(HKEY_CURRENT_USER, CHILD_APP_KEY, "Version");
        SetWin98ForProgram(CHILD);
        SetPasswordSwitchDword(1);
        SetRunningState(0);
        child = CopyProgramWith(CHILD, {CHECK_STANDIN});
    }
    void TearDown() override {
        RestoreValue(version);
        PasswordTest::TearDown();
    }

    // Runs the child in the mode; returns its exit code and the running state it had
    // while the check was loaded.
    DWORD RunChild(const char *mode, int &runningBefore) {
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "SinuetFaultChildReady");
        HANDLE go = CreateEventA(nullptr, TRUE, FALSE, "SinuetFaultChildGo");
        ChildProcess process;
        DWORD code = 0xDEADu;
        runningBefore = -1;
        if (StartCommandLine("\"" + child + "\" " + mode, process) &&
            WaitForSingleObject(ready, 20000) == WAIT_OBJECT_0) {
            runningBefore = ReadRunningState();
            SetEvent(go);
            if (process.Wait(20000))
                code = process.ExitCode();
        }
        CloseHandle(ready);
        CloseHandle(go);
        return code;
    }

    static constexpr const char *CHILD_APP_KEY =
        "Software\\Wine\\AppDefaults\\password_fault_child.exe";
    SavedValue version;
    std::string child;
};

TEST_F(FaultGuardTest, HandledAccessFaultLeavesTheRunningStateOff) {
    int runningBefore = -1;
    RunChild("fault", runningBefore);
    EXPECT_EQ(runningBefore, 1) << "the child's protected run did not turn the state on";
    EXPECT_EQ(ReadRecord("CheckLoads"), 1u);
    EXPECT_EQ(ReadRecord("FaultCode"), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION))
        << "the fault never reached the filter";
    EXPECT_EQ(ReadRunningState(), 0) << "the guard left the running state on";
}

TEST_F(FaultGuardTest, EndWithoutTheGuardLeavesTheRunningStateOn) {
    int runningBefore = -1;
    EXPECT_EQ(RunChild("exit", runningBefore), 7u);
    EXPECT_EQ(runningBefore, 1);
    EXPECT_EQ(ReadRecord("FaultCode"), 0u);
    EXPECT_EQ(ReadRunningState(), 1);
}
