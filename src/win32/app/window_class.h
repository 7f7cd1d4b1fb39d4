#pragma once

#include <windows.h>

// What a window class of the program differs in.
struct WindowClass {
    const wchar_t* name;
    WNDPROC procedure;
    LPCWSTR cursor = IDC_ARROW;       // a system cursor
    int background = COLOR_BTNFACE;   // a system colour, or -1 for none
    UINT style = 0;
    int icon = 0;                     // a resource of the program, 0 for none
};

// Registers the class; true when it exists. Call once per class (a
// function-local static keeps it so).
bool RegisterWindowClass(const WindowClass& windowClass);
