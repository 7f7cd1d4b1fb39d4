#pragma once

#include "win32/widgets/floating_tool_bar.h"

#include <windows.h>

#include <memory>

class FrameBars;

// The frame over the whole screen, its border outside it, with the toolbar,
// status bar and file tabs hidden and one floating button to leave.
class FullScreen {
public:
    bool IsOn() const { return m_on; }
    // `activeChild` is the active document window, or null.
    void Enter(HWND frame, HWND mdiClient, HWND activeChild, FrameBars& bars);
    void Leave(HWND frame, HWND mdiClient, HWND activeChild, FrameBars& bars);
    FloatingToolBar* Floating() const { return m_floating.get(); }

private:
    bool m_on = false;
    bool m_toolBar = false;
    bool m_statusBar = false;
    bool m_fileTabs = false;
    bool m_childMaximized = false;
    bool m_frameMaximized = false;
    RECT m_rect{};
    std::unique_ptr<FloatingToolBar> m_floating;
};
