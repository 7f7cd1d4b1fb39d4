#pragma once

// Resource ids shared by noveda.rc and the code.
#define IDR_MAINFRAME 128    // menu with no document open, accelerators, icon
#define IDR_TEXTTYPE 129     // menu while documents are open, second icon
#define IDR_LANGUAGE_MENU 131
#define IDR_FILE_TAB_MENU 142
#define IDR_OUTPUT_MENU 157
#define IDR_TEXT_CONTEXT_MENU 1101
#define IDR_TRAY_MENU 1102

#define IDS_APP_TITLE 57344
