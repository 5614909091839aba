#include "password_dialog.h"
#include "owner_watch.h"
#include "standin_record.h"
#include "standins.h"

static BOOL OnInitDialog(HWND dialog) {
    StartOwnerWatch(GetWindow(dialog, GW_OWNER));
    SetFocus(GetDlgItem(dialog, PASSWORD_EDIT));
    return FALSE; // the focus is set
}

static BOOL OnOk(HWND dialog) {
    char typed[256], kept[256];
    GetDlgItemTextA(dialog, PASSWORD_EDIT, typed, sizeof typed);
    ReadText("Password", kept, sizeof kept);
    EndDialog(dialog, lstrcmpA(typed, kept) == 0 ? 1 : 0);
    return TRUE;
}

static BOOL OnCancel(HWND dialog) {
    EndDialog(dialog, 0);
    return TRUE;
}

static BOOL OnDestroy() {
    StopOwnerWatch();
    return FALSE;
}

INT_PTR CALLBACK PasswordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK)
                return OnOk(dialog);
            if (LOWORD(wParam) == IDCANCEL)
                return OnCancel(dialog);
            return FALSE;
        case WM_DESTROY:
            return OnDestroy();
        default:
            return FALSE;
    }
}
