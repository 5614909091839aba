#include "password_fixture.h"

const char *const CHECK_STANDIN = "check";
const char *const CHECK_WITHOUT_VERIFY_STANDIN = "check-without-verify";
const char *const MPR_STANDIN = "mpr";

void PasswordTest::SetUp() {
    // The first window of a Wine desktop starts its explorer, which takes seconds; this
    // process holds the desktop from here on, so the saver's windows open at once.
    static HWND desktop = GetDesktopWindow();
    ASSERT_NE(desktop, nullptr);
    saved.push_back(SaveValue(HKEY_CURRENT_USER, SAVER_APP_KEY, "Version"));
    saved.push_back(SaveValue(HKEY_CURRENT_USER, SAVER_OVERRIDES_KEY, "mpr"));
    saved.push_back(SaveValue(HKEY_CURRENT_USER, DESKTOP_KEY, SWITCH_VALUE));
    savedRunningState = ReadRunningState();
    ClearRecords();
    // Wine settles its idea of the pointer after a first real motion; the saver must not
    // see a stray move when it starts.
    SetCursorPos(100, 100);
    SetCursorPos(200, 200);
    PumpMessages(50);
}

void PasswordTest::TearDown() {
    // Put back in reverse order, so the overrides key goes before the AppDefaults key.
    for (auto value = saved.rbegin(); value != saved.rend(); ++value)
        RestoreValue(*value);
    SetRunningState(savedRunningState == 1 ? 1 : 0);
    ClearRecords();
    for (const std::string &folder : folders) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((folder + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }
}

std::string PasswordTest::CopyProgramWith(const std::string &fileName,
                                          const std::vector<const char *> &standinFolders) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "sinuet-password-" +
                         std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(folders.size()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    folders.push_back(folder);
    std::string program = TestBinDir() + fileName;
    EXPECT_TRUE(CopyFileA(program.c_str(), (folder + fileName).c_str(), FALSE))
        << "no program at " << program;
    for (const char *standin : standinFolders) {
        std::string from = TestBinDir() + "standins\\" + standin + "\\";
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((from + "*").c_str(), &found);
        EXPECT_NE(search, INVALID_HANDLE_VALUE) << "no stand-in folder " << from;
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                EXPECT_TRUE(CopyFileA((from + found.cFileName).c_str(),
                                      (folder + found.cFileName).c_str(), FALSE));
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return folder + fileName;
}

bool PasswordTest::StartCopiedSaver(const std::string &saverPath, const std::string &arguments,
                                    ChildProcess &child) {
    return StartCommandLine("\"" + saverPath + "\" " + arguments, child);
}

long long PasswordTest::RunCopiedSaverToEnd(const std::string &saverPath,
                                            const std::string &arguments, DWORD timeoutMs) {
    ChildProcess child;
    if (!StartCopiedSaver(saverPath, arguments, child) || !child.Wait(timeoutMs))
        return TIMED_OUT;
    return static_cast<long long>(static_cast<LONG>(child.ExitCode()));
}
