; Sinuet's setup program: one 32-bit installer for every Windows of the NT family. It puts
; the saver of the machine's own architecture into the real system folder, where the screen
; saver settings list it, registers Sinuet under Installed apps and writes an uninstaller.
; The release build runs makensis with VERSION, VERSION_NUMBERS, SAVER_X86, SAVER_X64,
; LICENSE_FILE, ICON and OUTFILE defined.

Unicode true
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include x64.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sinuet"
!define PUBLISHER "the Sinuet team"
!define SAVER "$SYSDIR\sinuet.scr"
!define SETTINGS_NOTE "Your Sinuet settings stay under HKEY_CURRENT_USER\SinuetSet9. \
To remove them too, run:  reg delete HKCU\SinuetSet9 /f"

Name "Sinuet"
Caption "Sinuet ${VERSION} Setup"
UninstallCaption "Sinuet ${VERSION} Uninstall"
OutFile "${OUTFILE}"
BrandingText "Sinuet ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup installs Sinuet ${VERSION}, a screen saver, into the \
Windows system folder, where the screen saver settings find it, and adds it to Installed \
apps (Programs and Features), from where it can be removed again.$\r$\n$\r$\n\
Setup needs administrator rights, since only an administrator may change the system \
folder.$\r$\n$\r$\nClick Install to start."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Sinuet ${VERSION} is installed. Choose it in the screen saver \
settings; its Settings button there sets the number of sinuets, their speed, colour and \
the rest."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the screen saver settings with Sinuet selected"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Sinuet will be removed from this computer.$\r$\n$\r$\n\
${SETTINGS_NOTE}"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; The uninstaller is written from this program, so it carries the same version information.
VIProductVersion ${VERSION_NUMBERS}
VIFileVersion ${VERSION_NUMBERS}
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "Sinuet"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "Sinuet Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "Copyright (c) 2026 ${PUBLISHER}. MIT License."

; A user without administrator rights (Windows XP, or UAC turned off) cannot write the
; system folder: say so and end with ERROR_ELEVATION_REQUIRED.
!macro RequireAdministrator
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "admin"
        MessageBox MB_OK|MB_ICONSTOP "Sinuet goes into the Windows system folder, which only \
an administrator may change. Run this program again as an administrator." /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
!macroend

; The stub is a 32-bit program: on 64-bit Windows it would see SysWOW64 for System32 and the
; 32-bit registry view. The registry view is set once; file-system redirection is per thread
; and goes off only around the work on the system folder, so that DLLs still load as usual.
!macro NativeFolders
    ${If} ${RunningX64}
        ${DisableX64FSRedirection}
    ${EndIf}
!macroend
!macro RedirectedFolders
    ${If} ${RunningX64}
        ${EnableX64FSRedirection}
    ${EndIf}
!macroend

!macro ExtractSaverTo target
    ${If} ${RunningX64}
        File "/oname=${target}" "${SAVER_X64}"
    ${Else}
        File "/oname=${target}" "${SAVER_X86}"
    ${EndIf}
!macroend

; Adds the file's size in KB, rounded up, to $R0.
!macro AddSizeKB file
    FileOpen $R1 "${file}" r
    FileSeek $R1 0 END $R2
    FileClose $R1
    IntOp $R2 $R2 + 1023
    IntOp $R2 $R2 / 1024
    IntOp $R0 $R0 + $R2
!macroend

; Windows' restart queue, PendingFileRenameOperations (REG_MULTI_SZ under the Session
; Manager key), holds pairs of NT paths (\??\C:\...): a source, then its target, which is
; empty for a deletion and starts with ! for a replacement. Windows carries them out in order
; when it starts. A run that leaves actions there for a saver that is in use and a later run
; that finds the saver free would otherwise both take effect, the earlier one last: a
; restart would delete a saver installed again, or bring back one that was uninstalled.
!define SESSION_MANAGER "SYSTEM\CurrentControlSet\Control\Session Manager"
!define RESTART_QUEUE "PendingFileRenameOperations"
; HKEY_LOCAL_MACHINE as a handle: (HKEY)(LONG)0x80000002, sign-extended in a 64-bit program.
!define HKLM_HANDLE -2147483646

; Strips the ! of a replacement and the \??\ of an NT path.
!macro DosPathOf var
    StrCpy $0 ${var} 1
    ${If} $0 == "!"
        StrCpy ${var} ${var} "" 1
    ${EndIf}
    StrCpy $0 ${var} 4
    ${If} $0 == "\??\"
        StrCpy ${var} ${var} "" 4
    ${EndIf}
!macroend

!macro RestartQueueFunctions un
; $0 = 1 when $R3 names the saver, the uninstaller or the program folder.
Function ${un}IsSinuetPath
    StrCpy $0 0
    ${If} $R3 == "${SAVER}"
    ${OrIf} $R3 == "$INSTDIR\uninstall.exe"
    ${OrIf} $R3 == "$INSTDIR"
        StrCpy $0 1
    ${EndIf}
FunctionEnd

; Removes from the restart queue every action whose source or target is one of Sinuet's
; files and deletes the waiting file of a dropped replacement; $R8 = how many were dropped.
; Call it with file-system redirection off. Uses $0-$9 and $R0-$R4.
Function ${un}DropRestartActions
    StrCpy $R8 0
    StrCpy $0 3 ; KEY_QUERY_VALUE | KEY_SET_VALUE
    ${If} ${RunningX64}
        IntOp $0 $0 | 0x100 ; KEY_WOW64_64KEY
    ${EndIf}
    System::Call 'advapi32::RegOpenKeyExW(p ${HKLM_HANDLE}, w "${SESSION_MANAGER}", i 0, \
        i r0, *p .r1) i .r0'
    ${If} $0 != 0
        Return
    ${EndIf}
    System::Call 'advapi32::RegQueryValueExW(p r1, w "${RESTART_QUEUE}", p 0, *i .r2, p 0, \
        *i .r3) i .r0'
    ${If} $0 == 0
    ${AndIf} $2 == 7 ; REG_MULTI_SZ
        ; Four spare bytes, zero, end the list even where the stored value does not.
        IntOp $0 $3 + 4
        System::Alloc $0
        Pop $4 ; the queue as stored
        System::Alloc $0
        Pop $5 ; the queue without the dropped pairs
        System::Call 'advapi32::RegQueryValueExW(p r1, w "${RESTART_QUEUE}", p 0, p 0, \
            p r4, *i r3r3) i .r0'
        ${If} $0 != 0
            StrCpy $3 0
        ${EndIf}
        StrCpy $6 0 ; bytes read
        StrCpy $7 0 ; bytes kept
        ${Do}
            ${IfThen} $6 >= $3 ${|} ${ExitDo} ${|}
            IntPtrOp $R0 $4 + $6
            System::Call 'kernel32::lstrlenW(p R0) i .r8'
            ${IfThen} $8 == 0 ${|} ${ExitDo} ${|} ; the empty string that ends the list
            System::Call 'kernel32::lstrcpynW(w .R1, p R0, i ${NSIS_MAX_STRLEN})'
            IntOp $8 $8 + 1
            IntOp $8 $8 * 2
            IntPtrOp $R0 $R0 + $8
            System::Call 'kernel32::lstrlenW(p R0) i .r2'
            System::Call 'kernel32::lstrcpynW(w .R2, p R0, i ${NSIS_MAX_STRLEN})'
            IntOp $2 $2 + 1
            IntOp $2 $2 * 2
            IntOp $8 $8 + $2 ; bytes of the pair
            !insertmacro DosPathOf $R1
            !insertmacro DosPathOf $R2
            StrCpy $R3 $R1
            Call ${un}IsSinuetPath
            StrCpy $R4 $0
            StrCpy $R3 $R2
            Call ${un}IsSinuetPath
            ${If} $0 == 1
            ${AndIf} $R4 == 0
                Delete $R1 ; a new saver waiting for its place
            ${EndIf}
            IntOp $R4 $R4 | $0
            ${If} $R4 == 1
                IntOp $R8 $R8 + 1
            ${Else}
                IntPtrOp $R0 $4 + $6
                IntPtrOp $2 $5 + $7
                System::Call 'kernel32::RtlMoveMemory(p r2, p R0, p r8)'
                IntOp $7 $7 + $8
            ${EndIf}
            IntOp $6 $6 + $8
        ${Loop}
        ${If} $R8 > 0
        ${AndIf} $7 == 0
            System::Call 'advapi32::RegDeleteValueW(p r1, w "${RESTART_QUEUE}")'
        ${ElseIf} $R8 > 0
            IntPtrOp $2 $5 + $7
            System::Call '*$2(&i2 0)' ; the empty string that ends the list
            IntOp $7 $7 + 2
            System::Call 'advapi32::RegSetValueExW(p r1, w "${RESTART_QUEUE}", i 0, i 7, \
                p r5, i r7)'
        ${EndIf}
        System::Free $4
        System::Free $5
    ${EndIf}
    System::Call 'advapi32::RegCloseKey(p r1)'
FunctionEnd
!macroend
!insertmacro RestartQueueFunctions ""
!insertmacro RestartQueueFunctions "un."

; Whatever an earlier run left for the next restart on Sinuet's files goes first, so that
; a restart keeps what this run does.
!macro ForgetEarlierRestartActions un
    Call ${un}DropRestartActions
    ${If} $R8 > 0
        DetailPrint "Dropped $R8 action(s) on Sinuet's files that an earlier setup or \
uninstall left for the next restart, so that the restart keeps what this one does."
    ${EndIf}
!macroend

Function .onInit
    !insertmacro RequireAdministrator
    ${If} ${RunningX64}
        SetRegView 64
        StrCpy $INSTDIR "$PROGRAMFILES64\Sinuet"
    ${Else}
        StrCpy $INSTDIR "$PROGRAMFILES\Sinuet"
    ${EndIf}
FunctionEnd

; A running saver's file cannot be overwritten: the new one is written beside it and takes
; its place when Windows starts again (the finish page then offers the restart; a silent run
; ends with 3010, ERROR_SUCCESS_REBOOT_REQUIRED).
Function PutSaver
    SetOverwrite try
    ClearErrors
    !insertmacro ExtractSaverTo "${SAVER}"
    ${If} ${Errors}
        ClearErrors
        GetTempFileName $0 $SYSDIR
        !insertmacro ExtractSaverTo $0
        Rename /REBOOTOK $0 "${SAVER}"
        ${If} ${Errors}
            Delete $0
            Abort "Could not write ${SAVER}."
        ${EndIf}
        DetailPrint "${SAVER} is in use: the new one replaces it when Windows restarts."
    ${EndIf}
    SetOverwrite on
FunctionEnd

Function RegisterUninstall
    StrCpy $R0 0
    !insertmacro AddSizeKB "${SAVER}"
    !insertmacro AddSizeKB "$INSTDIR\uninstall.exe"
    !insertmacro AddSizeKB "$INSTDIR\LICENSE.txt"
    ClearErrors
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Sinuet"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "${SAVER},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $R0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${If} ${Errors}
        Abort "Could not register Sinuet under Installed apps."
    ${EndIf}
FunctionEnd

Section "Sinuet"
    !insertmacro NativeFolders
    !insertmacro ForgetEarlierRestartActions ""
    SetOutPath $INSTDIR
    File "/oname=LICENSE.txt" "${LICENSE_FILE}"
    ClearErrors
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ${If} ${Errors}
        Abort "Could not write $INSTDIR\uninstall.exe."
    ${EndIf}
    Call PutSaver
    Call RegisterUninstall
    !insertmacro RedirectedFolders
SectionEnd

Function .onInstSuccess
    ${If} ${RebootFlag}
        SetErrorLevel 3010
    ${EndIf}
FunctionEnd

; What the platform's own right-click "Install" does: desk.cpl selects the file and opens
; the screen saver settings. On 64-bit Windows the 64-bit rundll32 must run it, so that the
; path names the real system folder.
Function OpenScreenSaverSettings
    !insertmacro NativeFolders
    Exec '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver ${SAVER}'
    !insertmacro RedirectedFolders
FunctionEnd

Function un.onInit
    !insertmacro RequireAdministrator
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
FunctionEnd

; When the current user's screen saver is the installed file (in any letter case, or by its
; short name), the setting goes back to none, as choosing "(None)" does, rather than name a
; file that is gone.
Function un.ForgetScreenSaverSetting
    ReadRegStr $0 HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
    ExpandEnvStrings $0 $0
    GetFullPathName /SHORT $1 $0
    GetFullPathName /SHORT $2 "${SAVER}"
    ${If} $1 != ""
    ${AndIf} $1 == $2
        StrCpy $0 "${SAVER}"
    ${EndIf}
    ${If} $0 == "${SAVER}"
        DeleteRegValue HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
        ; SPI_SETSCREENSAVEACTIVE off, stored and announced (SPIF_UPDATEINIFILE|SPIF_SENDCHANGE)
        System::Call "user32::SystemParametersInfo(i 17, i 0, p 0, i 3)"
        DetailPrint "The screen saver is set to none."
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro NativeFolders
    !insertmacro ForgetEarlierRestartActions "un."
    Call un.ForgetScreenSaverSetting
    Delete /REBOOTOK "${SAVER}"
    ${If} ${RebootFlag}
        DetailPrint "${SAVER} is in use: Windows removes it when it restarts."
    ${EndIf}
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    Delete "$INSTDIR\LICENSE.txt"
    ; This is the uninstaller's copy in the temp folder; the uninstall.exe that started it may
    ; still be ending on a busy machine, so its deletion is tried for a few seconds.
    ${For} $0 1 20
        Delete "$INSTDIR\uninstall.exe"
        ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
            ${Break}
        ${EndIf}
        Sleep 500
    ${Next}
    Delete /REBOOTOK "$INSTDIR\uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    DetailPrint "${SETTINGS_NOTE}"
    !insertmacro RedirectedFolders
SectionEnd

Function un.onUninstSuccess
    ${If} ${RebootFlag}
        SetErrorLevel 3010
    ${EndIf}
FunctionEnd
