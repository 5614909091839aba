#include "password_fixture.h"

const char *const CHECK_STANDIN = "check";
const char *const CHECK_WITHOUT_VERIFY_STANDIN = "check-without-verify";
const char *const MPR_STANDIN = "mpr";

static const char *const APP_KEY = "Software\\Wine\\AppDefaults\\sinuet.scr";
static const char *const OVERRIDES_KEY = "Software\\Wine\\AppDefaults\\sinuet.scr\\DllOverrides";
static const char *const DESKTOP_KEY = "Control Panel\\Desktop";
static const char *const SWITCH_VALUE = "ScreenSaveUsePassword";

// --- registry values saved and put back

static bool KeyExists(HKEY root, const std::string &key) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

SavedValue SaveValue(HKEY root, const std::string &key, const std::string &name) {
    SavedValue saved{root, key, name, KeyExists(root, key), false, 0, {}};
    HKEY opened;
    if (!saved.keyExisted || RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != 0)
        return saved;
    DWORD size = 0;
    if (RegQueryValueExA(opened, name.c_str(), nullptr, &saved.type, nullptr, &size) == 0) {
        saved.data.resize(size);
        saved.valueExisted = RegQueryValueExA(opened, name.c_str(), nullptr, &saved.type,
                                              saved.data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(opened);
    return saved;
}

void RestoreValue(const SavedValue &saved) {
    HKEY opened;
    if (RegOpenKeyExA(saved.root, saved.key.c_str(), 0, KEY_ALL_ACCESS, &opened) == 0) {
        if (saved.valueExisted)
            RegSetValueExA(opened, saved.name.c_str(), 0, saved.type, saved.data.data(),
                           static_cast<DWORD>(saved.data.size()));
        else
            RegDeleteValueA(opened, saved.name.c_str());
        RegCloseKey(opened);
    }
    if (!saved.keyExisted)
        RegDeleteKeyA(saved.root, saved.key.c_str()); // only when it has no subkeys
}

static void SetStringValue(const char *key, const char *name, const char *text) {
    HKEY opened;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                   lstrlenA(text) + 1);
    RegCloseKey(opened);
}

static void DeleteValue(const char *key, const char *name) {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(opened, name);
    RegCloseKey(opened);
}

void SetWin98Family(bool on) {
    if (on)
        SetStringValue(APP_KEY, "Version", "win98");
    else
        DeleteValue(APP_KEY, "Version");
}

void SetWin98ForProgram(const std::string &fileName) {
    SetStringValue(("Software\\Wine\\AppDefaults\\" + fileName).c_str(), "Version", "win98");
}

void SetMprOverride(bool on) {
    if (on)
        SetStringValue(OVERRIDES_KEY, "mpr", "native,builtin");
    else
        DeleteValue(OVERRIDES_KEY, "mpr");
}

void SetPasswordSwitch(DWORD type, const void *data, DWORD size) {
    HKEY opened;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, DESKTOP_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, SWITCH_VALUE, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(opened);
}

void SetPasswordSwitchDword(DWORD value) {
    SetPasswordSwitch(REG_DWORD, &value, sizeof value);
}

void DeletePasswordSwitch() {
    DeleteValue(DESKTOP_KEY, SWITCH_VALUE);
}

// --- running state

int ReadRunningState() {
    ChildProcess reader;
    if (!StartCommandLine("\"" + TestBinDir() + "screensaver_running.exe\"", reader) ||
        !reader.Wait(10000))
        return -1;
    return static_cast<int>(reader.ExitCode());
}

void SetRunningState(int running) {
    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running, &previous, 0);
}

// --- stand-ins' records

DWORD ReadRecord(const char *name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, STANDIN_KEY, name, RRF_RT_REG_DWORD, &type, &value,
                     &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

std::string ReadRecordText(const char *name) {
    char text[256] = "";
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, STANDIN_KEY, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return "";
    return text;
}

void ClearRecords() {
    RegDeleteTreeA(HKEY_CURRENT_USER, STANDIN_KEY);
}

void SetKeptPassword(const char *password) {
    SetStringValue(STANDIN_KEY, "Password", password);
}

bool WaitForRecord(const char *name, DWORD value, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ReadRecord(name) != value) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(10);
    }
    return true;
}

bool WaitForRecordChange(const char *name, DWORD from, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ReadRecord(name) == from) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(1);
    }
    return true;
}

void SetRecord(const char *name, DWORD value) {
    HKEY opened;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, STANDIN_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value),
                   sizeof value);
    RegCloseKey(opened);
}

// --- dialog and input

HWND WaitForPasswordDialog(DWORD timeoutMs) {
    return WaitForWindow("#32770", PASSWORD_DIALOG_CAPTION, timeoutMs);
}

void AnswerPasswordDialog(HWND dialog, const char *text) {
    SendMessageA(GetDlgItem(dialog, PASSWORD_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

bool WaitForForeground(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetForegroundWindow() != window) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(10);
    }
    return true;
}

void PressShift() {
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}

// --- fixture

void PasswordTest::SetUp() {
    // The first window of a Wine desktop starts its explorer, which takes seconds; this
    // process holds the desktop from here on, so the saver's windows open at once.
    static HWND desktop = GetDesktopWindow();
    ASSERT_NE(desktop, nullptr);
    saved.push_back(SaveValue(HKEY_CURRENT_USER, APP_KEY, "Version"));
    saved.push_back(SaveValue(HKEY_CURRENT_USER, OVERRIDES_KEY, "mpr"));
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

// --- watching windows and the screen

namespace {
struct VisibleSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM context) {
    VisibleSearch *search = reinterpret_cast<VisibleSearch *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found = true;
    return !search->found;
}
} // namespace

bool WaitWatchingWindows(ChildProcess &child, DWORD timeoutMs, bool &showedWindow) {
    showedWindow = false;
    DWORD start = GetTickCount();
    for (;;) {
        VisibleSearch search{child.info.dwProcessId, false};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        showedWindow = showedWindow || search.found;
        if (child.Wait(5))
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
    }
}

static std::vector<DWORD> CaptureScreen(int width, int height) {
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    if (bits)
        CopyMemory(pixels.data(), bits, pixels.size() * sizeof(DWORD));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool ScreenChangesOutside(const RECT &excluded, DWORD timeoutMs) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<DWORD> first = CaptureScreen(width, height);
    DWORD start = GetTickCount();
    do {
        PumpMessages(100);
        std::vector<DWORD> now = CaptureScreen(width, height);
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) {
                POINT point{x, y};
                size_t at = static_cast<size_t>(y) * width + x;
                if (now[at] != first[at] && !PtInRect(&excluded, point))
                    return true;
            }
    } while (GetTickCount() - start < timeoutMs);
    return false;
}
