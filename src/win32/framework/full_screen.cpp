#include "win32/framework/full_screen.h"

#include "win32/framework/frame_bars.h"
#include "win32/res/resource.h"

namespace {

bool ChildMaximized(HWND mdiClient)
{
    BOOL maximized = FALSE;
    SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    return maximized != FALSE;
}

} // namespace

void FullScreen::Enter(HWND frame, HWND mdiClient, HWND activeChild, FrameBars& bars)
{
    m_toolBar = bars.Visible(FrameBars::kToolBar);
    m_statusBar = bars.StatusVisible();
    m_fileTabs = bars.Visible(FrameBars::kFileTabs);
    bars.Show(FrameBars::kToolBar, false);
    bars.Show(FrameBars::kFileTabs, false);
    bars.ShowStatus(false);

    m_floating = std::make_unique<FloatingToolBar>(frame, IDR_FULL_SCREEN_BAR, POINT{600, 440});
    if (activeChild) {
        m_childMaximized = ChildMaximized(mdiClient);
        SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(activeChild), 0);
    } else {
        m_childMaximized = true;
    }
    m_frameMaximized = IsZoomed(frame) != 0;
    if (m_frameMaximized)
        ShowWindow(frame, SW_RESTORE);

    GetWindowRect(frame, &m_rect);
    SetWindowLongW(frame, GWL_STYLE, GetWindowLongW(frame, GWL_STYLE) & ~(WS_CAPTION | WS_MAXIMIZE));
    SetWindowPos(frame, nullptr, -4, -4, GetSystemMetrics(SM_CXSCREEN) + 8, GetSystemMetrics(SM_CYSCREEN) + 8,
                 SWP_NOZORDER | SWP_FRAMECHANGED);
    bars.RecalcLayout();
    m_on = true;
}

void FullScreen::Leave(HWND frame, HWND mdiClient, HWND activeChild, FrameBars& bars)
{
    m_floating.reset();
    SetWindowLongW(frame, GWL_STYLE, GetWindowLongW(frame, GWL_STYLE) | WS_CAPTION);
    bars.Show(FrameBars::kToolBar, m_toolBar);
    bars.Show(FrameBars::kFileTabs, m_fileTabs);
    bars.ShowStatus(m_statusBar);
    SetWindowPos(frame, nullptr, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
                 SWP_NOZORDER | SWP_FRAMECHANGED);
    bars.RecalcLayout();
    if (m_frameMaximized)
        ShowWindow(frame, SW_MAXIMIZE);
    if (activeChild)
        SendMessageW(mdiClient, m_childMaximized ? WM_MDIMAXIMIZE : WM_MDIRESTORE, reinterpret_cast<WPARAM>(activeChild),
                     0);
    m_on = false;
}
