#pragma once

#include "core/app/frame_rules.h"
#include "core/platform/progress.h"
#include "win32/app/gdi_fonts.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>
#include <string>

// The status bar's five panes (7000 caret position, stretching; 7001 per
// cent; 7002 input language with its icon; 7003 code page; 59140 insert
// mode), painted flat by the bar itself.
class StatusBar {
public:
    static constexpr int kPaneCount = 5;
    static constexpr std::array<int, kPaneCount> kPaneIds{7000, 7001, 7002, 7003, 59140};

    StatusBar(HWND frame, const LogFont& font);
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    HWND Window() const { return m_window; }
    // Shown, whether or not the frame is (yet).
    bool Visible() const { return (GetWindowLongW(m_window, GWL_STYLE) & WS_VISIBLE) != 0; }
    int Height() const;
    // A new interface font, or the screen's DPI changed: the bar takes its
    // height from the font and sizes its panes anew.
    void SetFont(const LogFont& font);
    HFONT Font() const { return m_font.Get(); }
    // Lays the panes out for the frame's new width.
    void Resize();
    // The width of pane `index` (1..4): enough for every text it showed.
    int PaneWidth(int index) const { return m_widths[static_cast<std::size_t>(index)]; }
    // What pane `index` needs inside for `text`: the text, its margins, the
    // icon; and with the gap to the next pane, as its part of the bar.
    int WidthFor(int index, const std::wstring& text) const;
    int PartWidthFor(int index, const std::wstring& text) const;
    // `codePage` is the text of pane 7003.
    void Show(const StatusTexts& texts, const std::wstring& codePage);
    const std::wstring& PaneText(int index) const { return m_texts[static_cast<std::size_t>(index)]; }
    void SetPaneText(int index, std::wstring text);
    // The frame hands on WM_DRAWITEM for the bar.
    void Draw(const DRAWITEMSTRUCT& item);
    // The labelled progress meter in pane 7000; none when it cannot be made.
    std::unique_ptr<ProgressMeter> ShowProgress(const std::wstring& label);

private:
    HWND m_window = nullptr;
    WidgetFont m_font;
    HIMAGELIST m_languageIcons = nullptr;
    std::array<std::wstring, kPaneCount> m_texts;
    std::array<int, kPaneCount> m_widths{}; // pane 0 stretches
    bool m_languageEnabled = true;
    int m_languageImage = 0;
};
