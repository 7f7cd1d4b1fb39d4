#include "win32/view/completion_window.h"

#include "core/tools/clip_library.h"
#include "win32/app/text_conversion.h"

#include <commctrl.h>

namespace {

constexpr int kIconSize = 10;
constexpr int kTextLeft = 16;
constexpr COLORREF kKeywordIcon = RGB(0, 64, 176);
constexpr COLORREF kSnippetIcon = RGB(0, 136, 0);

} // namespace

CompletionWindow::CompletionWindow(HWND view, HFONT font, const CompletionList& list) : m_view(view), m_entries(list)
{
    const Rect& r = list.rect;
    m_list = CreateWindowExW(0, L"LISTBOX", nullptr,
                             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                                 LBS_NOINTEGRALHEIGHT,
                             r.left, r.top, r.Width(), r.Height(), view,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), GetModuleHandleW(nullptr),
                             nullptr);
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(m_list, LB_SETITEMHEIGHT, 0, list.itemHeight);
    for (std::size_t i = 0; i < list.entries.size(); ++i)
        SendMessageW(m_list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    SendMessageW(m_list, LB_SETCURSEL, 0, 0);
    SetWindowSubclass(m_list, &CompletionWindow::ListProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(m_list);
}

CompletionWindow::~CompletionWindow()
{
    RemoveWindowSubclass(m_list, &CompletionWindow::ListProc, 1);
    DestroyWindow(m_list);
}

int CompletionWindow::Selected() const
{
    return static_cast<int>(SendMessageW(m_list, LB_GETCURSEL, 0, 0));
}

// An icon for the kind of entry (keyword or snippet), then the text.
bool CompletionWindow::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlID != kControlId || item.itemID >= m_entries.entries.size())
        return false;
    const CompletionList::Entry& entry = m_entries.entries[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int iconTop = r.top + (r.bottom - r.top - kIconSize) / 2;
    RECT icon{r.left + 3, iconTop, r.left + 3 + kIconSize, iconTop + kIconSize};
    HBRUSH brush = CreateSolidBrush(entry.id >= kFirstClipCommand ? kSnippetIcon : kKeywordIcon);
    FillRect(item.hDC, &icon, brush);
    DeleteObject(brush);
    r.left += kTextLeft;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, FromCp1251(entry.text).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return true;
}

bool CompletionWindow::OnCommand(WPARAM wParam) const
{
    if (LOWORD(wParam) != kControlId)
        return false;
    if (HIWORD(wParam) == LBN_DBLCLK)
        PostMessageW(m_view, kChoose, static_cast<WPARAM>(Selected()), 0);
    return true;
}

LRESULT CALLBACK CompletionWindow::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self)
{
    auto* list = reinterpret_cast<CompletionWindow*>(self);
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        PostMessageW(list->m_view, kChoose, static_cast<WPARAM>(list->Selected()), 0);
        return 0;
    }
    if (message == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS;
    if (message == WM_KILLFOCUS)
        PostMessageW(list->m_view, kFocusLost, 0, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}
