#pragma once

// Resource ids shared by noveda.rc and the code.
#define IDR_MAINFRAME 128    // menu with no document open, accelerators, icon
#define IDR_TEXTTYPE 129     // menu while documents are open, second icon
#define IDR_LANGUAGE_MENU 131
#define IDR_FILE_TAB_MENU 142
#define IDR_OUTPUT_MENU 157
#define IDR_TEXT_CONTEXT_MENU 1101
#define IDR_TRAY_MENU 1102

#define IDB_OUTPUT_ICONS 158     // menu icons of 40030, 40031, 40029
#define IDB_LANGUAGE_ICONS 1009  // Russian, English, system layout switching
#define IDB_TOOLBAR_SMALL 1115   // 16 x 15 images, one per toolbar button
#define IDB_TOOLBAR_LARGE 1123   // 24 x 21 images

#define IDR_FULL_SCREEN_BAR 1110 // toolbar resource and bitmap: the one button of full screen
#define IDD_HELP_ERROR 1071
#define IDD_SAVE_FILES 1063
#define IDD_FILE_DIALOG_EXTRA 1062
#define IDD_FAVORITES 1104
#define IDI_UP 140
#define IDI_DOWN 134

// Dialog controls.
#define IDC_SAVE_QUESTION 1200
#define IDC_SAVE_ALL 1201
#define IDC_FILE_ENCODING 1202
#define IDC_FILE_LINE_END 1203
#define IDC_FAVORITES_LIST 1412
#define IDC_FAVORITES_ADD 1413
#define IDC_FAVORITES_DELETE 1414
#define IDC_FAVORITES_OPEN 1415
#define IDC_FAVORITES_UP 1503
#define IDC_FAVORITES_DOWN 1504

// Bars (control ids).
#define IDW_OUTPUT_BAR 123
#define IDW_FILE_TABS 1002
#define IDW_TOOLBAR 59392
#define IDW_STATUS_BAR 59393

#define IDS_APP_TITLE 57344
