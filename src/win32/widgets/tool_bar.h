#pragma once

#include "win32/widgets/dock_bar.h"

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The main toolbar: buttons by index into the toolbar table (100 is a
// separator), small (16 x 15 images) or large (24 x 21) ones, drop-down
// buttons for the clip-library slots.
class ToolBar : public BarContent {
public:
    struct Events {
        std::function<std::optional<std::string>(int command)> tooltip; // cp1251
        std::function<void(int command)> dropDown;
    };

    ToolBar(HWND parent, const std::vector<std::uint8_t>& buttons, bool large, Events events);
    ~ToolBar() override;
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;

    HWND Window() const override { return m_window; }
    int PreferredThickness(bool horizontal) const override;
    std::optional<LRESULT> OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The buttons anew, small or large.
    void SetButtons(const std::vector<std::uint8_t>& buttons, bool large);
    std::vector<int> Commands() const;
    int ButtonHeight() const { return HIWORD(SendMessageW(m_window, TB_GETBUTTONSIZE, 0, 0)); }
    void SetButtonState(int command, bool enabled, bool checked);
    bool ButtonEnabled(int command) const;
    // The button's lower-left corner on the screen; none when it is not shown.
    std::optional<POINT> DropPoint(int command) const;

private:
    HWND m_window = nullptr;
    HIMAGELIST m_images = nullptr;
    Events m_events;
    std::wstring m_tip; // lives while the tooltip shows it
};
