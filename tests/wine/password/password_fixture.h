// Common ground of the password suites: a fixture that saves and restores every piece of
// registry and platform state the suites change (the saver's AppDefaults entry with its
// version and DLL overrides, the password switch, the screen-saver running state and the
// stand-ins' key), copies of the saver beside chosen stand-ins in fresh folders, and the
// stand-ins' records and dialog.
#pragma once

#include "standins.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A registry value as it was, to be put back.
struct SavedValue {
    HKEY root;
    std::string key;
    std::string name;
    bool keyExisted;
    bool valueExisted;
    DWORD type;
    std::vector<BYTE> data;
};

SavedValue SaveValue(HKEY root, const std::string &key, const std::string &name);
void RestoreValue(const SavedValue &saved);

// Folders of bin/standins/ (each holds one stand-in library).
extern const char *const CHECK_STANDIN;                // PASSWORD.CPL with VerifyScreenSavePwd
extern const char *const CHECK_WITHOUT_VERIFY_STANDIN; // PASSWORD.CPL without it
extern const char *const MPR_STANDIN;                  // mpr.dll recording PwdChangePasswordA

class PasswordTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh folder holding a copy of a program of bin/ (same file name, so its
    // AppDefaults entry applies) and the files of the given stand-in folders. Returns the
    // copy's path.
    std::string CopyProgramWith(const std::string &fileName,
                                const std::vector<const char *> &standinFolders);
    std::string CopySaverWith(const std::vector<const char *> &standinFolders) {
        return CopyProgramWith("sinuet.scr", standinFolders);
    }
    // Starts the copied saver with the arguments.
    bool StartCopiedSaver(const std::string &saverPath, const std::string &arguments,
                          ChildProcess &child);
    // Runs it to its end; TIMED_OUT when it does not end in time.
    long long RunCopiedSaverToEnd(const std::string &saverPath, const std::string &arguments,
                                  DWORD timeoutMs = 15000);

  private:
    std::vector<SavedValue> saved;
    std::vector<std::string> folders;
    int savedRunningState = 0;
};

// The Windows 95/98/Me family for sinuet.scr (Wine's AppDefaults), or Wine's default.
void SetWin98Family(bool on);
// The same for another program, by its file name; the caller saves and restores it.
void SetWin98ForProgram(const std::string &fileName);
// Makes sinuet.scr load a native mpr.dll from its own folder before Wine's.
void SetMprOverride(bool on);

// The password switch HKCU\Control Panel\Desktop "ScreenSaveUsePassword".
void SetPasswordSwitch(DWORD type, const void *data, DWORD size);
void SetPasswordSwitchDword(DWORD value);
void DeletePasswordSwitch();

// The platform's screen-saver running state, read by a fresh process each time.
int ReadRunningState();
void SetRunningState(int running);

// The stand-ins' records (0 or empty when missing) and the kept password.
DWORD ReadRecord(const char *name);
std::string ReadRecordText(const char *name);
void ClearRecords();
void SetKeptPassword(const char *password);

// The stand-in PASSWORD.CPL's dialog, or null when none appears in time.
HWND WaitForPasswordDialog(DWORD timeoutMs = 5000);
// Types the text into the dialog's edit control and presses OK.
void AnswerPasswordDialog(HWND dialog, const char *text);

// Waits until the window is the foreground window.
bool WaitForForeground(HWND window, DWORD timeoutMs = 5000);
// A real key press and release of Shift, which goes to the foreground window.
void PressShift();
// Polls a stand-in record until it equals, or until it no longer equals, the value.
bool WaitForRecord(const char *name, DWORD value, DWORD timeoutMs = 5000);
bool WaitForRecordChange(const char *name, DWORD from, DWORD timeoutMs = 5000);
void SetRecord(const char *name, DWORD value);

// Waits for the process to end, watching meanwhile whether it shows any visible top-level
// window. Returns false when it does not end in time.
bool WaitWatchingWindows(ChildProcess &child, DWORD timeoutMs, bool &showedWindow);

// Whether the screen outside the rectangle changes within the given time (the animation
// draws there).
bool ScreenChangesOutside(const RECT &excluded, DWORD timeoutMs);
