#include "win32/widgets/floating_tool_bar.h"
#include "win32/app/window_class.h"

#include <commctrl.h>

#include <cstdint>

namespace {

const wchar_t kFloatingClass[] = L"NovedaFloatingBar";
const wchar_t* const kToolbarType = MAKEINTRESOURCEW(241);

struct ToolbarResource {
    int width = 16, height = 15;
    std::vector<int> commands;
};

// Words: version 1, image width, image height, count, then the commands.
ToolbarResource ReadToolbarResource(int id)
{
    ToolbarResource read;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), kToolbarType);
    if (!found)
        return read;
    const auto* words = static_cast<const std::uint16_t*>(LockResource(LoadResource(instance, found)));
    const std::size_t size = SizeofResource(instance, found) / 2;
    if (!words || size < 4 || words[0] != 1)
        return read;
    read.width = words[1];
    read.height = words[2];
    for (std::size_t i = 0; i < words[3] && 4 + i < size; ++i)
        read.commands.push_back(words[4 + i]);
    return read;
}

} // namespace

FloatingToolBar::FloatingToolBar(HWND owner, int resource, POINT topLeft) : m_owner(owner)
{
    [[maybe_unused]] static const bool registered = RegisterWindowClass({kFloatingClass, &FloatingToolBar::Proc});
    const ToolbarResource layout = ReadToolbarResource(resource);
    m_commands = layout.commands;
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, kFloatingClass, L"", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN,
                               topLeft.x, topLeft.y, 100, 50, owner, nullptr, GetModuleHandleW(nullptr), this);
    m_bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER, 0, 0, 0, 0,
                            m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    m_images = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), layout.width, 0,
                                    RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    SendMessageW(m_bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
    std::vector<TBBUTTON> buttons;
    for (std::size_t i = 0; i < m_commands.size(); ++i)
        buttons.push_back({static_cast<int>(i), m_commands[i], TBSTATE_ENABLED, BTNS_BUTTON | BTNS_CHECK, {}, 0, 0});
    SendMessageW(m_bar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(m_bar, TB_AUTOSIZE, 0, 0);
    SIZE size{};
    SendMessageW(m_bar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    RECT frame{0, 0, size.cx + 4, size.cy + 4};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    SetWindowPos(m_window, HWND_TOP, topLeft.x, topLeft.y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

FloatingToolBar::~FloatingToolBar()
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
    if (m_images)
        ImageList_Destroy(m_images);
}

void FloatingToolBar::SetChecked(int command, bool checked)
{
    SendMessageW(m_bar, TB_CHECKBUTTON, command, MAKELPARAM(checked, 0));
}

LRESULT CALLBACK FloatingToolBar::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = WindowOwner<FloatingToolBar>(window, message, lParam);
    if (self && (message == WM_COMMAND || (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW)))
        return SendMessageW(self->m_owner, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}
