#pragma once

#include "core/platform/log_font.h"
#include "win32/widgets/dock_bar.h"

#include <cstdint>
#include <string>

// The output bar's read-only text, in the output colours and font.
class OutputPane : public BarContent {
public:
    OutputPane(HWND parent, const LogFont& font, std::uint32_t text, std::uint32_t background);
    ~OutputPane() override;
    OutputPane(const OutputPane&) = delete;
    OutputPane& operator=(const OutputPane&) = delete;

    HWND Window() const override { return m_edit; }
    int PreferredThickness(bool) const override { return 100; }
    std::optional<LRESULT> OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND m_edit = nullptr;
    HFONT m_font = nullptr;
    HBRUSH m_background = nullptr;
    COLORREF m_text;
    COLORREF m_backgroundColour;
};
