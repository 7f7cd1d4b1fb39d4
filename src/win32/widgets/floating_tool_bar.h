#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

// A small tool window holding the buttons of a toolbar resource (its
// bitmap under the same id); it cannot dock, and its commands go to the
// owner.
class FloatingToolBar {
public:
    FloatingToolBar(HWND owner, int resource, POINT topLeft);
    ~FloatingToolBar();
    FloatingToolBar(const FloatingToolBar&) = delete;
    FloatingToolBar& operator=(const FloatingToolBar&) = delete;

    HWND Window() const { return m_window; }
    HWND Bar() const { return m_bar; }
    const std::vector<int>& Commands() const { return m_commands; }
    void SetChecked(int command, bool checked);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_owner;
    HWND m_window = nullptr;
    HWND m_bar = nullptr;
    HIMAGELIST m_images = nullptr;
    std::vector<int> m_commands;
};
