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
#define IDD_BOOKMARK_LIST 1050
#define IDD_GOTO 1052
#define IDD_REMOVE_TAGS 1056
#define IDD_CONVERT 1057
#define IDD_JUSTIFY 1529
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
#define IDC_SCOPE_SELECTION 1244 // .. 1246: selection, whole document, all open documents
#define IDC_SCOPE_DOCUMENT 1245
#define IDC_SCOPE_ALL 1246
#define IDC_SCOPE_GO 1247
#define IDC_CONVERT_FROM 1268
#define IDC_CONVERT_TO 1269
#define IDC_CONVERT_SKIP_TAGS 1438
#define IDC_CONVERT_SWITCH_VIEW 1439
#define IDC_CONVERT_MORE 1227
#define IDC_CONVERT_FOLD 1440
#define IDC_TAGS_START 1262
#define IDC_TAGS_END 1263
#define IDC_TAGS_MORE 1258
#define IDC_TAGS_FOLD 1266
#define IDC_JUSTIFY_LEFT 1536
#define IDC_JUSTIFY_CENTER 1540
#define IDC_JUSTIFY_RIGHT 1538
#define IDC_JUSTIFY_JUSTIFY 1539
#define IDC_JUSTIFY_LEFT_MARGIN 1532
#define IDC_JUSTIFY_RIGHT_MARGIN 1533
#define IDC_JUSTIFY_INDENT 1544
#define IDC_JUSTIFY_LEFT_SPIN 1534
#define IDC_JUSTIFY_RIGHT_SPIN 1535
#define IDC_JUSTIFY_INDENT_SPIN 1545
#define IDC_JUSTIFY_PARAGRAPHS 1546
#define IDC_GOTO_VALUE 1213
#define IDC_GOTO_SPIN 1216
#define IDC_GOTO_BY_LINE 1211
#define IDC_GOTO_BY_PERCENT 1212
#define IDC_GOTO_GO 1214
#define IDC_BOOKMARK_LIST 1206
#define IDC_BOOKMARK_LINE 1207
#define IDC_BOOKMARK_GOTO 1208
#define IDC_BOOKMARK_DELETE 1124

// Bars (control ids).
#define IDW_OUTPUT_BAR 123
#define IDW_FILE_TABS 1002
#define IDW_TOOLBAR 59392
#define IDW_STATUS_BAR 59393

#define IDS_APP_TITLE 57344
