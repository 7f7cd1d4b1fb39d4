#include "win32/widgets/file_tab_bar.h"

#include "core/app/frame_rules.h"
#include "core/doc/text_doc.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/app/window_class.h"
#include "win32/res/commands.h"
#include "win32/res/resource.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

const wchar_t kPanelClass[] = L"NovedaFileTabs";

} // namespace

FileTabBar::FileTabBar(HWND parent, const LogFont& font, Events events) : m_font(font, WindowDpi(parent)), m_events(std::move(events))
{
    [[maybe_unused]] static const bool registered = RegisterWindowClass({kPanelClass, &FileTabBar::PanelProc});
    HINSTANCE instance = GetModuleHandleW(nullptr);
    m_panel = CreateWindowExW(0, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_FILE_TABS)), instance, this);
    m_tabs = CreateWindowExW(0, WC_TABCONTROLW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED | TCS_FOCUSNEVER, 0, 0, 0,
                             0, m_panel, nullptr, instance, nullptr);
    m_button = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, m_panel,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_WINDOW_LIST)), instance, nullptr);
    SendFont();
    SetWindowSubclass(m_tabs, &FileTabBar::TabsProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

FileTabBar::~FileTabBar()
{
    RemoveWindowSubclass(m_tabs, &FileTabBar::TabsProc, 1);
    SetWindowLongPtrW(m_panel, GWLP_USERDATA, 0);
    DestroyWindow(m_panel);
}

void FileTabBar::SetFont(const LogFont& font)
{
    m_font.Reset(font, WindowDpi(m_tabs));
    SendFont();
    Layout();
    InvalidateRect(m_panel, nullptr, TRUE);
}

void FileTabBar::SendFont()
{
    for (HWND control : {m_tabs, m_button})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
}

// A row of tabs as high as its font needs on this screen, never lower than
// the 22 pixels of a 96-DPI screen.
int FileTabBar::PreferredThickness(bool horizontal) const
{
    const int dpi = WindowDpi(m_tabs);
    if (!horizontal)
        return ScaledForDpi(120, dpi);
    HDC dc = GetDC(m_tabs);
    HGDIOBJ old = SelectObject(dc, m_font.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(m_tabs, dc);
    RECT r{0, 0, 100, 0};
    TabCtrl_AdjustRect(m_tabs, TRUE, &r);
    const int byControl = static_cast<int>(r.bottom - r.top) - 2;
    const int byFont = metrics.tmHeight + ScaledForDpi(10, dpi);
    return std::max({ScaledForDpi(22, dpi), byControl, byFont});
}

std::optional<LRESULT> FileTabBar::OnBarMessage(UINT, WPARAM, LPARAM)
{
    return std::nullopt;
}

int FileTabBar::IndexOf(const CTextDoc& doc) const
{
    for (int i = 0, n = TabCount(); i < n; ++i)
        if (TabDocument(i) == &doc)
            return i;
    return -1;
}

void FileTabBar::AddFileTab(CTextDoc& doc)
{
    const std::wstring text = FromCp1251(doc.GetTitle());
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = reinterpret_cast<LPARAM>(&doc);
    TabCtrl_InsertItem(m_tabs, TabCount(), &item);
    RepaintFileTabs();
}

void FileTabBar::SetFileTabText(CTextDoc& doc, const std::string& cp1251)
{
    const int index = IndexOf(doc);
    if (index < 0)
        return;
    const std::wstring text = FromCp1251(cp1251);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    TabCtrl_SetItem(m_tabs, index, &item);
}

void FileTabBar::SelectFileTab(CTextDoc& doc)
{
    const int index = IndexOf(doc);
    if (index >= 0 && index != CurrentTab())
        TabCtrl_SetCurSel(m_tabs, index);
}

void FileTabBar::RemoveFileTab(CTextDoc& doc)
{
    const int index = IndexOf(doc);
    if (index >= 0)
        TabCtrl_DeleteItem(m_tabs, index);
    RepaintFileTabs();
}

void FileTabBar::RepaintFileTabs()
{
    InvalidateRect(m_tabs, nullptr, TRUE);
}

int FileTabBar::TabCount() const
{
    return TabCtrl_GetItemCount(m_tabs);
}

CTextDoc* FileTabBar::TabDocument(int index) const
{
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (!TabCtrl_GetItem(m_tabs, index, &item))
        return nullptr;
    return reinterpret_cast<CTextDoc*>(item.lParam);
}

int FileTabBar::CurrentTab() const
{
    return TabCtrl_GetCurSel(m_tabs);
}

COLORREF FileTabBar::TabColour(int index) const
{
    const CTextDoc* doc = TabDocument(index);
    return doc ? FileTabColour(doc->IsEncrypted(), doc->IsModified()) : 0;
}

void FileTabBar::Layout()
{
    RECT r;
    GetClientRect(m_panel, &r);
    const int tabsWidth = std::max(0, static_cast<int>(r.right) - kButtonRoom);
    MoveWindow(m_tabs, 0, 0, tabsWidth, r.bottom, TRUE);
    MoveWindow(m_button, tabsWidth + 4, 1, kButtonRoom - 6, std::min<int>(r.bottom - 2, 22), TRUE);
}

void FileTabBar::DrawTab(const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.itemID);
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    wchar_t text[MAX_PATH * 2] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text;
    tab.cchTextMax = static_cast<int>(std::size(text));
    TabCtrl_GetItem(m_tabs, index, &tab);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, TabColour(index));
    DrawTextW(item.hDC, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void FileTabBar::ActivateCurrent()
{
    if (CTextDoc* doc = TabDocument(CurrentTab()); doc && m_events.activate)
        m_events.activate(*doc);
}

LRESULT CALLBACK FileTabBar::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = WindowOwner<FileTabBar>(window, message, lParam);
    if (self && self->m_tabs) {
        switch (message) {
        case WM_SIZE:
            self->Layout();
            return 0;
        case WM_DRAWITEM:
            self->DrawTab(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                self->ActivateCurrent();
                return 0;
            }
            break;
        case WM_COMMAND: // the window-list button goes to the frame
            return SendMessageW(GetParent(window), message, wParam, lParam);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A right press makes its tab current; the release shows the tab menu.
LRESULT CALLBACK FileTabBar::TabsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self)
{
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP)
        return reinterpret_cast<FileTabBar*>(self)->HandleTabs(message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT FileTabBar::HandleTabs(UINT message, WPARAM, LPARAM lParam)
{
    TCHITTESTINFO hit{{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, 0};
    const int index = TabCtrl_HitTest(m_tabs, &hit);
    if (message == WM_RBUTTONDOWN) {
        if (index >= 0 && index != CurrentTab()) {
            TabCtrl_SetCurSel(m_tabs, index);
            ActivateCurrent();
        }
        return 0;
    }
    if (index >= 0 && m_events.showMenu) {
        POINT screen = hit.pt;
        ClientToScreen(m_tabs, &screen);
        m_events.showMenu(screen);
    }
    return 0;
}
