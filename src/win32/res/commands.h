#pragma once

// Command ids shared by menus, accelerators, toolbar buttons and the code.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
