#include "win32/framework/frame_bars.h"

#include "core/doc/doc_strings.h"
#include "core/settings/settings_io.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

namespace {

DockedBar Docked(int id, DockSide side, bool sizing)
{
    DockedBar bar;
    bar.id = id;
    bar.side = side;
    bar.sizing = sizing;
    return bar;
}

} // namespace

FrameBars::FrameBars(HWND frame, HWND mdiClient, const AppSettings& settings, const ToolbarLayout& toolbar,
                     Events events)
    : m_frame(frame), m_mdiClient(mdiClient), m_status(frame, settings.InterFnt),
      m_state{Docked(IDW_TOOLBAR, DockSide::Top, false), Docked(IDW_FILE_TABS, DockSide::Top, false),
              Docked(IDW_OUTPUT_BAR, DockSide::Bottom, true)}
{
    DockBar::Events dockEvents;
    dockEvents.dropped = [this](DockBar& bar, POINT screen) { Dropped(bar, screen); };
    dockEvents.resized = [this](DockBar&) { RecalcLayout(); };
    dockEvents.closed = [this](DockBar&) { Show(kOutput, false); };
    m_docks[kToolBar] = std::make_unique<DockBar>(frame, m_state[kToolBar], L"", true, dockEvents);
    m_docks[kFileTabs] = std::make_unique<DockBar>(frame, m_state[kFileTabs], L"", true, dockEvents);
    m_docks[kOutput] = std::make_unique<DockBar>(frame, m_state[kOutput], FromCp1251(kOutputTitle.text), false, dockEvents);

    m_toolBar = std::make_unique<ToolBar>(m_docks[kToolBar]->Window(), toolbar.buttons, toolbar.LargeButtons != 0,
                                          std::move(events.toolBar));
    m_fileTabs = std::make_unique<FileTabBar>(m_docks[kFileTabs]->Window(), settings.InterFnt,
                                              std::move(events.fileTabs));
    m_output = std::make_unique<OutputPane>(m_docks[kOutput]->Window(), settings.OutFont,
                                            settings.Colors[COLOR_OUTPUT_TEXT], settings.Colors[COLOR_OUTPUT_BACKGROUND],
                                            std::move(events.output));
    m_docks[kToolBar]->SetContent(m_toolBar.get());
    m_docks[kFileTabs]->SetContent(m_fileTabs.get());
    m_docks[kOutput]->SetContent(m_output.get());
    for (auto& dock : m_docks)
        dock->FitToContent();
}

void FrameBars::Show(Bar bar, bool visible)
{
    m_state[bar].visible = visible;
    RecalcLayout();
}

void FrameBars::ShowStatus(bool visible)
{
    ShowWindow(m_status.Window(), visible ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void FrameBars::RecalcLayout()
{
    // Their thickness follows their buttons and font, whatever was stored.
    m_docks[kToolBar]->FitToContent();
    m_docks[kFileTabs]->FitToContent();
    RECT client;
    GetClientRect(m_frame, &client);
    Rect area{client.left, client.top, client.right, client.bottom};
    if (m_status.Visible()) {
        m_status.Resize();
        area.bottom -= m_status.Height();
    }
    const DockLayout layout = LayoutDockedBars(area, m_state);
    for (std::size_t i = 0; i < kBarCount; ++i)
        m_docks[i]->Place(layout.bars[i]);
    MoveWindow(m_mdiClient, layout.client.left, layout.client.top, layout.client.Width(), layout.client.Height(),
               TRUE);
}

// A bar dragged away docks at the frame's edge nearest to where it was let
// go; the toolbar and the file tabs at the top or the bottom only.
void FrameBars::Dropped(DockBar& bar, POINT screen)
{
    POINT at = screen;
    ScreenToClient(m_frame, &at);
    RECT client;
    GetClientRect(m_frame, &client);
    const Rect area{client.left, client.top, client.right, client.bottom};
    DockSide side = NearestSide({at.x, at.y}, area);
    if (bar.HorizontalOnly() && (side == DockSide::Left || side == DockSide::Right))
        side = at.y < (client.top + client.bottom) / 2 ? DockSide::Top : DockSide::Bottom;
    bar.State().side = side;
    RecalcLayout();
}

// The status bar's visibility is kept with the docked bars'.
void FrameBars::SaveState(ProfileStore& store) const
{
    std::vector<DockedBar> state = m_state;
    state.push_back(Docked(IDW_STATUS_BAR, DockSide::Bottom, false));
    state.back().visible = m_status.Visible();
    SaveDockState(store, kStateName, state);
}

void FrameBars::LoadState(const ProfileStore& store)
{
    std::vector<DockedBar> state = m_state;
    state.push_back(Docked(IDW_STATUS_BAR, DockSide::Bottom, false));
    state.back().visible = m_status.Visible();
    LoadDockState(store, kStateName, state);
    for (std::size_t i = 0; i < kBarCount; ++i) {
        m_state[i].visible = state[i].visible;
        m_state[i].side = state[i].side;
        m_state[i].sizes = state[i].sizes;
    }
    ShowWindow(m_status.Window(), state.back().visible ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}
