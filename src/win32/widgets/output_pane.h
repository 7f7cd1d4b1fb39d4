#pragma once

#include "core/platform/log_font.h"
#include "win32/app/gdi_fonts.h"
#include "win32/widgets/dock_bar.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The output bar's read-only text, in the output colours and font: what
// captured tools print, shown through cp1251. It keeps about the last 60000
// characters. A double-click on a line "<path>(<n>) :" asks to open the file
// at that line; a right click asks for the output menu.
class OutputPane : public BarContent {
public:
    struct Events {
        std::function<void(const std::string& path, unsigned long line)> jump; // line from 1
        std::function<void(POINT screen)> showMenu;
    };

    OutputPane(HWND parent, const LogFont& font, std::uint32_t text, std::uint32_t background, Events events);
    ~OutputPane() override;
    OutputPane(const OutputPane&) = delete;
    OutputPane& operator=(const OutputPane&) = delete;

    HWND Window() const override { return m_edit; }
    int PreferredThickness(bool) const override { return 100; }
    std::optional<LRESULT> OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // At the end, the oldest text making room; the caret follows.
    void Append(std::string_view text);
    void Clear();
    std::string Text() const;
    bool HasText() const { return GetWindowTextLengthW(m_edit) > 0; }
    bool HasSelection() const;
    void CopySelection() { SendMessageW(m_edit, WM_COPY, 0, 0); }
    // New font and colours (0x00BBGGRR), shown at once.
    void SetLook(const LogFont& font, std::uint32_t text, std::uint32_t background);
    HFONT Font() const { return m_font.Get(); }
    COLORREF TextColour() const { return m_text; }
    COLORREF BackgroundColour() const { return m_backgroundColour; }

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    bool DoubleClicked(LPARAM at);
    std::string LineText(int line) const;

    HWND m_edit = nullptr;
    WidgetFont m_font;
    HBRUSH m_background = nullptr;
    COLORREF m_text;
    COLORREF m_backgroundColour;
    Events m_events;
};
