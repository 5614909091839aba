// The configuration dialog (template 2003): shows the settings, lets the user change them
// and saves them on OK. The check boxes and the colour chooser change the settings record
// at once; the two number fields are read, corrected and saved only on OK.
#include "config_dialog_texts.h"
#include "resource_ids.h"
#include "saver_api.h"
#include "settings.h"

#include <windows.h>
#include <commdlg.h>

enum : int32_t { MAX_COUNT = 50, MAX_LOOPS_PER_MINUTE = 10 };
enum : COLORREF { MID_GREY = RGB(128, 128, 128) };

// lStructSize is the record's size: 36 bytes on 32-bit Windows, 72 with 64-bit pointers.
static_assert(sizeof(CHOOSECOLORA) == (sizeof(void *) == 8 ? 72 : 36),
              "the colour request has the platform's layout");

// The chooser's custom colours: black at start, kept for the whole configuration run.
static COLORREF customColors[16];
static CHOOSECOLORA colorRequest;

static BOOL OnInitDialog(HWND dialog) {
    LoadSettings();
    SetDlgItemInt(dialog, IDC_COUNT, static_cast<UINT>(saverSettings.count), FALSE);
    SetDlgItemInt(dialog, IDC_LOOPS, static_cast<UINT>(saverSettings.loopsPerMinute), FALSE);
    SendDlgItemMessageA(dialog, IDC_FROG, BM_SETCHECK, static_cast<WPARAM>(saverSettings.showFrog),
                        0);
    SendDlgItemMessageA(dialog, IDC_FADE, BM_SETCHECK, static_cast<WPARAM>(saverSettings.fade), 0);
    SendDlgItemMessageA(dialog, IDC_VIEW3D, BM_SETCHECK, static_cast<WPARAM>(saverSettings.view3D),
                        0);
    return TRUE; // the focus goes to the first tab stop, OK
}

// An automatic check box has already changed its own mark; its flag follows it.
static BOOL OnBoxClicked(int32_t &flag) {
    flag = flag == 1 ? 0 : 1;
    return FALSE;
}

// The chooser always opens on mid grey with its custom part shown, whatever the current
// colour, and has no owner, so the dialog stays usable while it is open.
static BOOL OnPush() {
    colorRequest = CHOOSECOLORA{};
    colorRequest.lStructSize = sizeof colorRequest;
    colorRequest.hwndOwner = nullptr;
    colorRequest.hInstance = nullptr;
    colorRequest.rgbResult = MID_GREY;
    colorRequest.lpCustColors = customColors;
    colorRequest.Flags = CC_RGBINIT | CC_FULLOPEN;
    colorRequest.lCustData = 0;
    colorRequest.lpfnHook = nullptr;
    colorRequest.lpTemplateName = nullptr;
    if (ChooseColorA(&colorRequest)) {
        saverSettings.color = colorRequest.rgbResult;
    }
    return FALSE;
}

static BOOL OnAbout() {
    MessageBoxA(nullptr, ABOUT_TEXT, ABOUT_CAPTION, MB_OK | MB_ICONINFORMATION);
    return FALSE;
}

static BOOL OnHelp() {
    MessageBoxA(nullptr, HELP_TEXT, HELP_CAPTION, MB_OK | MB_ICONQUESTION);
    return FALSE;
}

// A field that holds no number reads as 0 and is corrected to 1.
static int32_t ReadCorrected(HWND dialog, int control, int32_t upper) {
    const UINT typed = GetDlgItemInt(dialog, control, nullptr, FALSE);
    return CorrectSetting(static_cast<int32_t>(typed), upper);
}

static BOOL OnOk(HWND dialog) {
    saverSettings.count = ReadCorrected(dialog, IDC_COUNT, MAX_COUNT);
    saverSettings.loopsPerMinute = ReadCorrected(dialog, IDC_LOOPS, MAX_LOOPS_PER_MINUTE);
    SaveSettings();
    EndDialog(dialog, 1);
    return TRUE;
}

// Nothing is saved; the changes in memory end with the process.
static BOOL OnCancel(HWND dialog) {
    EndDialog(dialog, 1);
    return TRUE;
}

// The standard IDOK and IDCANCEL that Enter, Escape and the close box send lie below
// the dialog's own ids and do nothing: only the OK and CANCEL buttons end the dialog.
static BOOL OnCommand(HWND dialog, WORD id) {
    if (id < IDC_FROG || id > IDC_VIEW3D) {
        return FALSE;
    }
    switch (id) {
        case IDC_FROG:
            return OnBoxClicked(saverSettings.showFrog);
        case IDC_FADE:
            return OnBoxClicked(saverSettings.fade);
        case IDC_VIEW3D:
            return OnBoxClicked(saverSettings.view3D);
        case IDC_PUSH:
            return OnPush();
        case IDC_ABOUT:
            return OnAbout();
        case IDC_HELP_BUTTON:
            return OnHelp();
        case IDC_OK:
            return OnOk(dialog);
        case IDC_CANCEL:
            return OnCancel(dialog);
        default:
            return FALSE;
    }
}

extern "C" INT_PTR WINAPI ScreenSaverConfigureDialog(HWND dialog, UINT message, WPARAM wParam,
                                                     LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam));
        default:
            return FALSE;
    }
}

// Sinuet needs nothing prepared before its dialog.
BOOL PrepareConfigDialog(HINSTANCE) {
    return 1;
}
