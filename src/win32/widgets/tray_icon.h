#pragma once

#include <windows.h>

// The program's icon in the notification area while the main window is
// minimised there. Removed again by Hide or when the object goes.
class TrayIcon {
public:
    static constexpr UINT kId = 128;

    TrayIcon() = default;
    ~TrayIcon() { Hide(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // `message` reaches `window` with wParam kId and the mouse event in
    // lParam. False when the shell took no icon.
    bool Show(HWND window, UINT message, HICON icon, const wchar_t* tip);
    void Hide();
    bool IsShown() const { return m_window != nullptr; }

private:
    HWND m_window = nullptr;
};
