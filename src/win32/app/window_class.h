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

// The object a window belongs to, for windows created with that object as
// their creation parameter: kept on WM_NCCREATE, read back on later messages
// (null for the few messages that come before).
template <class Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
