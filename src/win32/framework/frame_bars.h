#pragma once

#include "core/app/dock_layout.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_io.h"
#include "win32/widgets/dock_bar.h"
#include "win32/widgets/file_tab_bar.h"
#include "win32/widgets/output_pane.h"
#include "win32/widgets/status_bar.h"
#include "win32/widgets/tool_bar.h"

#include <windows.h>

#include <array>
#include <memory>

class ProfileStore;

// The frame's bars: the status bar at the bottom, and the toolbar, the file
// tabs and the output bar docked at the edges, with what is left for the
// MDI client. The toolbar and the file tabs dock at the top or the bottom,
// the output bar at any edge and can be resized.
class FrameBars {
public:
    enum Bar { kToolBar, kFileTabs, kOutput, kBarCount };
    static constexpr const char* kStateName = "Toolbars";

    struct Events {
        ToolBar::Events toolBar;
        FileTabBar::Events fileTabs;
        OutputPane::Events output;
    };

    FrameBars(HWND frame, HWND mdiClient, const AppSettings& settings, const ToolbarLayout& toolbar, Events events);
    FrameBars(const FrameBars&) = delete;
    FrameBars& operator=(const FrameBars&) = delete;

    StatusBar& Status() { return m_status; }
    ToolBar& Tools() { return *m_toolBar; }
    FileTabBar& FileTabs() { return *m_fileTabs; }
    OutputPane& Output() { return *m_output; }
    DockBar& Dock(Bar bar) { return *m_docks[bar]; }

    bool Visible(Bar bar) const { return m_state[bar].visible; }
    void Show(Bar bar, bool visible);
    bool StatusVisible() const { return m_status.Visible(); }
    void ShowStatus(bool visible);
    // Places the bars and the MDI client in the frame's client area.
    void RecalcLayout();

    void SaveState(ProfileStore& store) const;
    void LoadState(const ProfileStore& store);

private:
    void Dropped(DockBar& bar, POINT screen);

    HWND m_frame;
    HWND m_mdiClient;
    StatusBar m_status;
    std::vector<DockedBar> m_state; // by Bar; never resized, the docks keep references
    std::array<std::unique_ptr<DockBar>, kBarCount> m_docks;
    std::unique_ptr<ToolBar> m_toolBar;
    std::unique_ptr<FileTabBar> m_fileTabs;
    std::unique_ptr<OutputPane> m_output;
};
