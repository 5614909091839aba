// Common ground of the password suites: a fixture that saves and puts back every piece of
// registry and platform state the suites change (the saver's AppDefaults entry with its
// version and DLL overrides, the password switch, the screen-saver running state and the
// stand-ins' key) and copies programs beside chosen stand-ins into fresh folders.
#pragma once

#include "platform_state.h"
#include "saver_watch.h"
#include "standin_readback.h"
#include "standins.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
