#pragma once

#include "core/platform/log_font.h"
#include "win32/app/gdi_fonts.h"
#include "win32/widgets/dock_bar.h"

#include <functional>
#include <string>

class CTextDoc;

// One tab per open document in opening order, coloured by the document's
// state, and the window-list button (command 1000) at the right end.
class FileTabBar : public BarContent {
public:
    static constexpr int kButtonRoom = 36;

    struct Events {
        std::function<void(CTextDoc&)> activate;
        std::function<void(POINT screen)> showMenu; // after a right click on a tab
    };

    FileTabBar(HWND parent, const LogFont& font, Events events);
    ~FileTabBar() override;
    FileTabBar(const FileTabBar&) = delete;
    FileTabBar& operator=(const FileTabBar&) = delete;

    HWND Window() const override { return m_panel; }
    HWND Tabs() const { return m_tabs; }
    int PreferredThickness(bool horizontal) const override;
    std::optional<LRESULT> OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void AddFileTab(CTextDoc& doc);
    void SetFileTabText(CTextDoc& doc, const std::string& cp1251);
    void SelectFileTab(CTextDoc& doc);
    void RemoveFileTab(CTextDoc& doc);
    void RepaintFileTabs();
    int TabCount() const;
    CTextDoc* TabDocument(int index) const;
    int CurrentTab() const;
    // A new interface font, shown at once.
    void SetFont(const LogFont& font);
    HFONT Font() const { return m_font.Get(); }
    // The colour the tab's text is drawn in.
    COLORREF TabColour(int index) const;

private:
    static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TabsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    LRESULT HandleTabs(UINT message, WPARAM wParam, LPARAM lParam);
    int IndexOf(const CTextDoc& doc) const;
    void Layout();
    void DrawTab(const DRAWITEMSTRUCT& item);
    void ActivateCurrent();
    void SendFont();

    HWND m_panel = nullptr;
    HWND m_tabs = nullptr;
    HWND m_button = nullptr;
    WidgetFont m_font;
    Events m_events;
};
