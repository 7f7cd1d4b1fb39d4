#include "win32/app/window_class.h"

bool RegisterWindowClass(const WindowClass& windowClass)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = windowClass.style;
    wc.lpfnWndProc = windowClass.procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, windowClass.cursor);
    if (windowClass.background >= 0)
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(windowClass.background + 1));
    if (windowClass.icon)
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(windowClass.icon));
    wc.lpszClassName = windowClass.name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
