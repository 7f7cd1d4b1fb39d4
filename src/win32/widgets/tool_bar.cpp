#include "win32/widgets/tool_bar.h"

#include "core/settings/settings_io.h"
#include "win32/app/dpi_images.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"
#include "win32/res/toolbar_buttons.h"

#include <commctrl.h>

namespace {

constexpr COLORREF kTransparent = RGB(192, 192, 192);

constexpr ImageStrip kSmall{IDB_TOOLBAR_SMALL, 16, 15};
constexpr ImageStrip kLarge{IDB_TOOLBAR_LARGE, 24, 21};
// A button's room around its image at 96 DPI.
constexpr int kButtonMarginX = 7;
constexpr int kButtonMarginY = 6;

bool IsClipButton(int command)
{
    return command >= ID_CLIP_BUTTON_FIRST && command < ID_CLIP_BUTTON_FIRST + 10;
}

} // namespace

ToolBar::ToolBar(HWND parent, const std::vector<std::uint8_t>& buttons, bool large, Events events)
    : m_events(std::move(events))
{
    m_window = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                   CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_TOOLBAR)),
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(m_window, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SetButtons(buttons, large);
}

void ToolBar::SetButtons(const std::vector<std::uint8_t>& buttons, bool large)
{
    while (SendMessageW(m_window, TB_DELETEBUTTON, 0, 0)) {
    }
    // Images for the screen's DPI: the strip that scales by a whole number.
    const int dpi = WindowDpi(m_window);
    const ImageStrip strips[] = {large ? kLarge : kSmall, large ? kSmall : kLarge};
    const ChosenStrip size = ChooseStrip(strips, dpi);
    HIMAGELIST old = m_images;
    m_images = LoadScaledImages(size, kTransparent);
    SendMessageW(m_window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
    if (old)
        ImageList_Destroy(old);
    SendMessageW(m_window, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.Width(), size.Height()));

    std::vector<TBBUTTON> added;
    for (std::uint8_t index : buttons) {
        TBBUTTON button{};
        if (index == kToolbarSeparator || index >= std::size(kToolbarCommands)) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = index;
            button.idCommand = kToolbarCommands[index];
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = static_cast<BYTE>(BTNS_BUTTON | (IsClipButton(button.idCommand) ? BTNS_WHOLEDROPDOWN : 0));
        }
        added.push_back(button);
    }
    SendMessageW(m_window, TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));
    SendMessageW(m_window, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(size.Width() + ScaledForDpi(kButtonMarginX, dpi),
                            size.Height() + ScaledForDpi(kButtonMarginY, dpi)));
    SendMessageW(m_window, TB_AUTOSIZE, 0, 0);
}

ToolBar::~ToolBar()
{
    DestroyWindow(m_window);
    if (m_images)
        ImageList_Destroy(m_images);
}

int ToolBar::PreferredThickness(bool horizontal) const
{
    SIZE size{};
    SendMessageW(m_window, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    const DWORD button = static_cast<DWORD>(SendMessageW(m_window, TB_GETBUTTONSIZE, 0, 0));
    return horizontal ? std::max<int>(size.cy, HIWORD(button)) : LOWORD(button);
}

std::optional<LRESULT> ToolBar::OnBarMessage(UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return std::nullopt;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOW && m_events.tooltip) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        const std::optional<std::string> tip = m_events.tooltip(static_cast<int>(header->idFrom));
        m_tip = tip ? FromCp1251(*tip) : std::wstring();
        info->lpszText = m_tip.data();
        return 0;
    }
    if (header->hwndFrom == m_window && header->code == TBN_DROPDOWN && m_events.dropDown) {
        m_events.dropDown(reinterpret_cast<NMTOOLBARW*>(lParam)->iItem);
        return TBDDRET_DEFAULT;
    }
    return std::nullopt;
}

std::vector<int> ToolBar::Commands() const
{
    std::vector<int> commands;
    const int count = static_cast<int>(SendMessageW(m_window, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageW(m_window, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (!(button.fsStyle & BTNS_SEP))
            commands.push_back(button.idCommand);
    }
    return commands;
}

void ToolBar::SetButtonState(int command, bool enabled, bool checked)
{
    SendMessageW(m_window, TB_ENABLEBUTTON, command, MAKELPARAM(enabled, 0));
    SendMessageW(m_window, TB_CHECKBUTTON, command, MAKELPARAM(checked, 0));
}

bool ToolBar::ButtonEnabled(int command) const
{
    return SendMessageW(m_window, TB_ISBUTTONENABLED, command, 0) != 0;
}

std::optional<POINT> ToolBar::DropPoint(int command) const
{
    RECT r;
    if (!IsWindowVisible(m_window) || !SendMessageW(m_window, TB_GETRECT, command, reinterpret_cast<LPARAM>(&r)))
        return std::nullopt;
    POINT corner{r.left, r.bottom};
    ClientToScreen(m_window, &corner);
    return corner;
}
