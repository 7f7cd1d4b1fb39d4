#pragma once

#include "core/settings/app_settings.h"
#include "core/settings/command_routing.h"
#include "win32/view/view_window.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

class CTextDoc;

// The MDI child window of one document: one view, or two rows of views when
// split (the splitter bar can be dragged; a pane dragged below 10 pixels
// goes away).
class CChildFrame : public CommandTarget {
public:
    static constexpr int kMinPane = 10;
    static constexpr int kBarHeight = 4;

    struct Events {
        std::function<void(CChildFrame&)> activated;
        std::function<void(CChildFrame&)> closeRequested;
    };

    // `placement`: show state and rectangle in the MDI client.
    CChildFrame(HWND mdiClient, CTextDoc& doc, ViewShared& shared, Events events, const WindowPlacement& placement,
                HMENU textContextMenu);
    ~CChildFrame() override;
    CChildFrame(const CChildFrame&) = delete;
    CChildFrame& operator=(const CChildFrame&) = delete;

    HWND Window() const { return m_window; }
    CTextDoc& Document() const { return m_doc; }
    ViewWindow& ActivePane() const { return *m_panes[m_activePane]; }
    std::size_t PaneCount() const { return m_panes.size(); }
    ViewWindow& Pane(std::size_t i) const { return *m_panes[i]; }
    std::size_t ActivePaneIndex() const { return m_activePane; }
    void SetTitle(const std::string& cp1251);
    void Split(bool on);

    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

private:
    static std::span<const CommandEntry<CChildFrame>> Commands();
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void AddPane();
    void Activate(bool active);
    bool KeyboardIsAmongDocuments() const;
    // The splitter bar's height on this window's screen.
    int BarHeight() const;
    void Layout();
    void DropPaneIfTooSmall();
    void ToggleSplit(int id);
    void OtherPane(int id);
    CommandUpdate SplitState(int id);

    HWND m_window = nullptr;
    CTextDoc& m_doc;
    ViewShared& m_shared;
    Events m_events;
    HMENU m_textContextMenu;
    std::vector<std::unique_ptr<ViewWindow>> m_panes;
    std::size_t m_activePane = 0;
    int m_splitY = 0; // top of the splitter bar
    bool m_dragging = false;
};
