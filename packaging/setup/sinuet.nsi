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
