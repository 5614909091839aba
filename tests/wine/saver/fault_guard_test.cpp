// The fault guard with real access faults. The process's top-level exception filter stands
// in for the platform's reporting: UnhandledExceptionFilter returns its verdict, so no
// debugger or crash dialog is started.
#include "fault_guard.h"
#include "fault_guard_test_arch.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<LONG> verdicts; // returned by the filter, one per call, then EXECUTE_HANDLER
int filterCalls;
DWORD seenCode;
void *seenAddress;
const volatile int *repairTarget; // a continuing filter points the accumulator here

LONG WINAPI TestFilter(EXCEPTION_POINTERS *pointers) {
    seenCode = pointers->ExceptionRecord->ExceptionCode;
    seenAddress = pointers->ExceptionRecord->ExceptionAddress;
    LONG verdict = EXCEPTION_EXECUTE_HANDLER;
    if (filterCalls < static_cast<int>(verdicts.size()))
        verdict = verdicts[filterCalls];
    ++filterCalls;
    if (verdict == EXCEPTION_CONTINUE_EXECUTION)
        PointAccumulatorAt(pointers->ContextRecord, repairTarget);
    return verdict;
}

class FaultGuard : public testing::Test {
  protected:
    void SetUp() override {
        verdicts.clear();
        filterCalls = 0;
        seenCode = 0;
        repairTarget = nullptr;
        previousFilter = SetUnhandledExceptionFilter(TestFilter);
        chainBefore = RegisteredHandlers();
    }
    void TearDown() override {
        EXPECT_EQ(RegisteredHandlers(), chainBefore) << "the registration chain was not restored";
        SetUnhandledExceptionFilter(previousFilter);
    }
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
    uintptr_t chainBefore = 0;
};

// Held in a volatile variable so that the compiler cannot see where it points.
volatile int *volatile badAddress = reinterpret_cast<volatile int *>(0x10);
int afterFault;

int ReturnsSeven(void *) {
    return 7;
}

int WritesToABadAddress(void *) {
    *badAddress = 1;
    afterFault = 1;
    return 5;
}

LRESULT CALLBACK FaultingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP)
        return *badAddress;
    return DefWindowProcA(window, message, wParam, lParam);
}

int FaultsInsideAWindowProcedure(void *window) {
    SendMessageA(static_cast<HWND>(window), WM_APP, 0, 0);
    afterFault = 1;
    return 5;
}

GuardOutcome innerOutcome;
int innerReturned;

// Reads through EAX or RAX, so that a filter can repair the fault by changing that register.
__attribute__((noinline)) int ReadThroughAccumulator(const volatile int *address) {
    int value;
    __asm__ __volatile__("movl (%1), %0" : "=r"(value) : "a"(address) : "memory");
    return value;
}

int innerSearchCalls;
int innerUnwindCalls;

int RunsAFaultingInnerGuard(void *) {
    innerReturned = 0;
    innerOutcome = RunUnderFaultGuard(WritesToABadAddress, nullptr);
    innerReturned = 1;
    return 3;
}

TEST_F(FaultGuard, ACallWithoutFaultReturnsItsResult) {
    GuardOutcome outcome = RunUnderFaultGuard(ReturnsSeven, nullptr);
    EXPECT_EQ(outcome.faulted, 0);
    EXPECT_EQ(outcome.result, 7);
    EXPECT_EQ(filterCalls, 0);
}

TEST_F(FaultGuard, AnAccessFaultIsHandedToTheFilterAndAbandonsTheCall) {
    afterFault = 0;
    GuardOutcome outcome = RunUnderFaultGuard(WritesToABadAddress, nullptr);
    EXPECT_EQ(outcome.faulted, 1);
    EXPECT_EQ(outcome.exceptionCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_EQ(filterCalls, 1);
    EXPECT_EQ(seenCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_EQ(afterFault, 0);
    // The guard is usable again afterwards.
    EXPECT_EQ(RunUnderFaultGuard(ReturnsSeven, nullptr).result, 7);
    EXPECT_EQ(RunUnderFaultGuard(WritesToABadAddress, nullptr).faulted, 1);
}

TEST_F(FaultGuard, HandlersOfFramesAboveTheGuardAreUnwound) {
    innerUnwindCalls = innerSearchCalls = 0;
    GuardOutcome outcome =
        RunUnderFaultGuard(FaultsBelowAnInnerHandler, const_cast<int *>(badAddress));
    EXPECT_EQ(outcome.faulted, 1);
    EXPECT_EQ(innerSearchCalls, 1);
    EXPECT_EQ(innerUnwindCalls, 1);
}

TEST_F(FaultGuard, AFaultInsideAWindowProcedureReachesTheGuard) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FaultingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FaultGuardTestClass";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "FaultGuardTestClass", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    afterFault = 0;
    GuardOutcome outcome = RunUnderFaultGuard(FaultsInsideAWindowProcedure, window);
    EXPECT_EQ(outcome.faulted, 1);
    EXPECT_EQ(afterFault, 0);
    EXPECT_EQ(filterCalls, 1);
    // Window messages still work after the jump out of the window procedure.
    EXPECT_EQ(SendMessageA(window, WM_NULL, 0, 0), 0);
    DestroyWindow(window);
}

TEST_F(FaultGuard, AContinueExecutionVerdictResumesAtTheRepairedFault) {
    static int storage = 1234;
    verdicts = {EXCEPTION_CONTINUE_EXECUTION};
    repairTarget = &storage;
    struct Call {
        static int Read(void *) { return ReadThroughAccumulator(badAddress); }
    };
    GuardOutcome outcome = RunUnderFaultGuard(Call::Read, nullptr);
    EXPECT_EQ(outcome.faulted, 0);
    EXPECT_EQ(outcome.result, 1234);
    EXPECT_EQ(filterCalls, 1);
}

TEST_F(FaultGuard, AnyOtherVerdictPassesTheExceptionOutward) {
    verdicts = {2}; // neither handle nor continue: the inner guard must let it go
    GuardOutcome outcome = RunUnderFaultGuard(RunsAFaultingInnerGuard, nullptr);
    EXPECT_EQ(outcome.faulted, 1);
    EXPECT_EQ(filterCalls, 2);
    EXPECT_EQ(innerReturned, 0);
}
} // namespace

EXCEPTION_DISPOSITION CountInnerHandlerCall(const EXCEPTION_RECORD *exception) {
    if (exception->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        ++innerUnwindCalls;
    else
        ++innerSearchCalls;
    return ExceptionContinueSearch;
}
