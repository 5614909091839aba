// The stand-ins for the platform's screen-saver password libraries that Wine lacks or that
// tests must watch, as tests and stand-ins share them.
//
// Where they keep their password and record their calls, readable from any process:
//   HKEY_CURRENT_USER\Software\SinuetStandIns
//     "Password"     REG_SZ  the screen-saver password PASSWORD.CPL accepts; when the value
//                            is missing the password is empty
//     "CheckLoads"   DWORD   times a PASSWORD.CPL (either variant) was attached to a process
//     "CheckFrees"   DWORD   times it was freed again before the end of its process
//     "CheckCalls"   DWORD   calls of VerifyScreenSavePwd
//     "CheckOwner"   DWORD   owner window given to the last VerifyScreenSavePwd
//     "CheckResult"  DWORD   what the last VerifyScreenSavePwd returned
//     "CheckEndTick" DWORD   GetTickCount when the last VerifyScreenSavePwd's dialog ended
//     "LastCloseTick" DWORD  GetTickCount when the owner's thread took a WM_CLOSE for the
//                            owner, from the first check on
//   and, while its dialog is open, of the messages the owner's thread takes for the owner:
//     "ClosesWhileChecking"  DWORD  WM_CLOSE messages (counted over all checks)
//     "TicksWhileChecking"   DWORD  WM_TIMER messages (counted over all checks)
//     "LastMarker"           DWORD  the last message at or above STANDIN_MARKER_BASE
//     "MprLoads"     DWORD   times the MPR.DLL stand-in was attached to a process
//     "MprFrees"     DWORD   times it was freed again before the end of its process
//     "ChangeCalls"  DWORD   calls of PwdChangePasswordA
//     "ChangeName"   REG_SZ  its first argument (the provider name)
//     "ChangeOwner"  DWORD   its second argument (the owner window)
//     "ChangeFlags"  DWORD   its third argument
//     "ChangeInfo"   DWORD   its fourth argument (a pointer, as a number)
#pragma once

#define STANDIN_KEY "Software\\SinuetStandIns"

// Messages from STANDIN_MARKER_BASE up that a test posts to the owner while the dialog is
// open: once "LastMarker" shows one, everything posted before it has been taken.
#define STANDIN_MARKER_BASE 0xB000

// PASSWORD.CPL's modal dialog: the standard dialog class, this caption, an edit control
// for the password and the usual OK and Cancel buttons.
#define PASSWORD_DIALOG_CAPTION "Sinuet Stand-in Password"
#define PASSWORD_DIALOG_TEMPLATE 1
#define PASSWORD_EDIT 100
