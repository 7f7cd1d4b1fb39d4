#include "win32/widgets/tray_icon.h"

#include <shellapi.h>

#include <iterator>

namespace {

NOTIFYICONDATAW IconData(HWND window)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = TrayIcon::kId;
    return data;
}

} // namespace

bool TrayIcon::Show(HWND window, UINT message, HICON icon, const wchar_t* tip)
{
    if (IsShown())
        return true;
    NOTIFYICONDATAW data = IconData(window);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = message;
    data.hIcon = icon;
    lstrcpynW(data.szTip, tip, static_cast<int>(std::size(data.szTip)));
    if (Shell_NotifyIconW(NIM_ADD, &data))
        m_window = window;
    return IsShown();
}

void TrayIcon::Hide()
{
    if (!IsShown())
        return;
    NOTIFYICONDATAW data = IconData(m_window);
    Shell_NotifyIconW(NIM_DELETE, &data);
    m_window = nullptr;
}
