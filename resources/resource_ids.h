// Ids of the program's resources and of the configuration dialog's controls, shared by
// the resource script and the code.
#pragma once

#define IDD_CONFIG 2003
#define IDB_HEADER 107
#define IDB_FOOTER 112
#define IDI_SINUET 100
#define IDS_DESCRIPTION 1
#define IDS_SAVER_NAME 1007

#define IDC_FROG 1004
#define IDC_OK 1011
#define IDC_CANCEL 1012
#define IDC_ABOUT 1024
#define IDC_PUSH 1026
#define IDC_FADE 1027
#define IDC_LOOPS 1029
#define IDC_HELP_BUTTON 1032
#define IDC_VIEW3D 1033
#define IDC_COUNT 1035
#define IDC_COUNT_LABEL 1036

// The predefined window classes by the ordinals a dialog template names them with.
#define CLASS_BUTTON 0x0080
#define CLASS_EDIT 0x0081
#define CLASS_STATIC 0x0082
