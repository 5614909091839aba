// The command-line modes of the real sinuet.scr: exit codes for every row of the mode table,
// command-line edge cases, and malformed input.
#include "saver_test_support.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

namespace {
const char *const DIALOG_CLASS = "#32770";

// Runs a configure-mode command line: waits for the dialog, notes its owner, presses Cancel
// (which, like OK, ends the dialog with 1, without saving).
struct ConfigureRun {
    bool dialogSeen = false;
    HWND owner = nullptr;
    long long exitCode = TIMED_OUT;
};

ConfigureRun RunConfigure(const std::string &commandLine, const char *applicationName = nullptr) {
    ConfigureRun run;
    ChildProcess child;
    if (applicationName) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string line = commandLine;
        child.started = CreateProcessA(applicationName, &line[0], nullptr, nullptr, FALSE, 0,
                                       nullptr, nullptr, &startup, &child.info) != 0;
    } else {
        StartCommandLine(commandLine, child);
    }
    HWND dialog = WaitForProcessWindow(child.info.dwProcessId, DIALOG_CLASS, 10000);
    if (dialog) {
        run.dialogSeen = true;
        run.owner = GetWindow(dialog, GW_OWNER);
        PostMessageA(dialog, WM_COMMAND, IDC_CANCEL, 0);
    }
    if (WaitForExitPumping(child, 10000))
        run.exitCode = static_cast<LONG>(child.ExitCode());
    return run;
}

std::string Quoted(const std::string &path) {
    return "\"" + path + "\"";
}

// Every malformed tail ends at once with -1 and leaves no saver window behind.
TEST(Modes, UnrecognisedSwitchesExitWithMinusOneAtOnce) {
    for (const char *tail : {"/x",
                             "/?",
                             "1",
                             "/1",
                             "x/s",
                             "/\ts",
                             "/a",
                             "-A 5",
                             "/\xE9",
                             "/\x80",
                             "\xFF\xFE",
                             "/p",
                             "/p:1234",
                             "/P 0",
                             "/p abc",
                             "/p -5",
                             "/l",
                             "/L 4294967296",
                             "/p 99999999999",
                             "/p\t123",
                             "/ /   /?s"}) {
        DWORD start = GetTickCount();
        EXPECT_EQ(RunSaverToEnd(tail, 10000), -1) << tail;
        EXPECT_LT(GetTickCount() - start, 5000u) << tail;
    }
    EXPECT_EQ(FindWindowA(SAVER_CLASS, nullptr), nullptr);
}

TEST(Modes, APreviewHandleThatIsNoWindowExitsWithMinusOne) {
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::string handle = HandleText(gone);
    DestroyWindow(gone);
    EXPECT_EQ(RunSaverToEnd("/p " + handle, 10000), -1);
    EXPECT_EQ(RunSaverToEnd("/l" + handle, 10000), -1);
}

TEST(Modes, LongAndOddCommandLinesEndWithADocumentedCode) {
    std::string longDigits = "/p " + std::string(5000, '9');
    std::string longGarbage(3000, '\x7F');
    std::string separators = std::string(2000, '/') + "x";
    for (const std::string &tail : {longDigits, longGarbage, separators})
        EXPECT_EQ(RunSaverToEnd(tail, 10000), -1) << tail.substr(0, 20);
    EXPECT_EQ(FindWindowA(SAVER_CLASS, nullptr), nullptr);
}

TEST(Modes, FullScreenFromVariousSeparatorsExitsWithZeroAfterClosing) {
    for (const char *tail : {"/s", "- / s", "//S", "-s junk /p 5"}) {
        ChildProcess child;
        HWND window = StartFullScreen(child, tail);
        ASSERT_NE(window, nullptr) << tail;
        EXPECT_EQ(CloseAndExitCode(child, window), 0) << tail;
    }
}

TEST(Modes, AQuotedProgramPathWithBlanksIsSkippedWhole) {
    std::string dir = TestBinDir() + "Some Dir";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string copy = dir + "\\sinuet.scr";
    ASSERT_TRUE(CopyFileA(SaverPath().c_str(), copy.c_str(), FALSE));
    ChildProcess child;
    ASSERT_TRUE(StartCommandLine(Quoted(copy) + " /s", child));
    HWND window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 10000);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CloseAndExitCode(child, window), 0);

    // Tabs before the switch go with the program name.
    ASSERT_TRUE(StartCommandLine(Quoted(copy) + "\t\t/s", child));
    window = WaitForProcessWindow(child.info.dwProcessId, SAVER_CLASS, 10000);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CloseAndExitCode(child, window), 0);

    // Without its closing quote the whole line is the program name: the dialog opens.
    ConfigureRun run = RunConfigure("\"" + copy + " /s", copy.c_str());
    EXPECT_TRUE(run.dialogSeen);
    EXPECT_EQ(run.exitCode, 1);
}

TEST(Modes, ChangePasswordDoesNotExistOnTheNtFamily) {
    EXPECT_EQ(RunSaverToEnd("/a", 10000), -1);
    EXPECT_EQ(RunSaverToEnd("/A 1234", 10000), -1);
}

TEST(Modes, AnEmptyTailOrSeparatorsOnlyOpenTheDialogWithoutOwner) {
    for (const char *tail : {"", "   ", "/", "-/"}) {
        ConfigureRun run = RunConfigure(Quoted(SaverPath()) + " " + tail);
        EXPECT_TRUE(run.dialogSeen) << '"' << tail << '"';
        EXPECT_EQ(run.owner, nullptr) << '"' << tail << '"';
        EXPECT_EQ(run.exitCode, 1) << '"' << tail << '"';
    }
}

// Makes the window the foreground one and waits until it stays so: when a dialog has
// closed, Wine may hand the activation back to the dialog's owner some time later.
static bool SettleForeground(HWND window) {
    int steady = 0;
    for (int attempt = 0; attempt < 40 && steady < 4; ++attempt) {
        if (GetForegroundWindow() != window) {
            steady = 0;
            SetForegroundWindow(window);
        } else {
            ++steady;
        }
        PumpMessages(100);
    }
    return steady >= 4;
}

TEST(Modes, ConfigureTakesItsOwnerAfterAColonOrFallsBackToTheForegroundWindow) {
    HostWindow owner;
    CreateHostWindow(owner, 200, 100);
    HostWindow foreground;
    CreateHostWindow(foreground, 200, 100);
    SetForegroundWindow(foreground.window);
    PumpMessages(100);
    ASSERT_EQ(GetForegroundWindow(), foreground.window);

    ConfigureRun run = RunConfigure(Quoted(SaverPath()) + " /c:" + HandleText(owner.window));
    EXPECT_EQ(run.owner, owner.window);
    EXPECT_EQ(run.exitCode, 1);

    for (std::string tail :
         {"/c " + HandleText(owner.window), std::string("/C"), "/c: " + HandleText(owner.window),
          std::string("/c:0"), std::string("/c:123456789")}) {
        ASSERT_TRUE(SettleForeground(foreground.window)) << tail;
        run = RunConfigure(Quoted(SaverPath()) + " " + tail);
        EXPECT_TRUE(run.dialogSeen) << tail;
        EXPECT_EQ(run.owner, foreground.window) << tail;
        EXPECT_EQ(run.exitCode, 1) << tail;
    }
}

TEST(Modes, PreviewRunsInTheGivenWindowWithEveryHandleForm) {
    HostWindow host;
    CreateHostWindow(host, 152, 112);
    for (std::string tail : {"/p " + HandleText(host.window), "/p" + HandleText(host.window),
                             "/L   " + HandleText(host.window) + "x7"}) {
        ChildProcess child;
        ASSERT_TRUE(StartSaver(tail, child));
        HWND preview = WaitForPreview(host.window);
        ASSERT_NE(preview, nullptr) << tail;
        PostMessageA(preview, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitForExitPumping(child, 10000)) << tail;
        EXPECT_EQ(static_cast<LONG>(child.ExitCode()), 0) << tail;
    }
}

TEST(Exports, TheSaverExportsExactlyItsTwoProceduresUndecorated) {
    HMODULE image = LoadLibraryExA(SaverPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(image, nullptr);
    const BYTE *base = reinterpret_cast<const BYTE *>(image);
    const IMAGE_NT_HEADERS *headers = reinterpret_cast<const IMAGE_NT_HEADERS *>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER *>(base)->e_lfanew);
    // Built for this test program's architecture: PE32 on x86, PE32+ on x64.
    EXPECT_EQ(headers->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR_MAGIC);
    const IMAGE_DATA_DIRECTORY &entry =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(entry.VirtualAddress, 0u);
    const IMAGE_EXPORT_DIRECTORY *exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY *>(base + entry.VirtualAddress);
    const DWORD *names = reinterpret_cast<const DWORD *>(base + exports->AddressOfNames);
    std::vector<std::string> found;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        found.push_back(reinterpret_cast<const char *>(base + names[i]));
    EXPECT_EQ(found, (std::vector<std::string>{"ScreenSaverConfigureDialog", "ScreenSaverProc"}));
    EXPECT_EQ(exports->NumberOfFunctions, 2u);
    EXPECT_NE(GetProcAddress(image, "ScreenSaverProc"), nullptr);
    FreeLibrary(image);
}
} // namespace
