// The test's side of the stand-ins: their records under HKCU\Software\SinuetStandIns (see
// standins.h), the password the check keeps, and its dialog.
#pragma once

#include <windows.h>

#include <string>

// A record's value; 0 or empty when it is missing.
DWORD ReadRecord(const char *name);
std::string ReadRecordText(const char *name);
void SetRecord(const char *name, DWORD value);
// Removes the whole key: records and kept password.
void ClearRecords();
void SetKeptPassword(const char *password);

// Polls a record until it equals, or until it no longer equals, the value.
bool WaitForRecord(const char *name, DWORD value, DWORD timeoutMs = 5000);
bool WaitForRecordChange(const char *name, DWORD from, DWORD timeoutMs = 5000);

// The stand-in check's dialog, or null when none appears in time.
HWND WaitForPasswordDialog(DWORD timeoutMs = 5000);
// Types the text into the dialog's edit control and presses OK.
void AnswerPasswordDialog(HWND dialog, const char *text);
