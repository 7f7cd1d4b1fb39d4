#include "win32/dialogs/preferences_window.h"

#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

namespace {

constexpr COLORREF kIconMask = RGB(192, 192, 192);
constexpr int kIconSize = 32;
constexpr int kPageInset = 3;
constexpr int kGroupSpacing = 62; // pixels from one group's icon to the next
constexpr DocString kHelpLabel{5054, "&Help"};

} // namespace

PreferencePage::PreferencePage(int templateId, DocString title, const char* helpTopic,
                               const DialogEnvironment& environment)
    : ProgramDialog(templateId, environment), m_title(title), m_helpTopic(helpTopic)
{
}

PreferencesWindow::PreferencesWindow(const DialogEnvironment& environment, int bitmap, std::string caption)
    : ProgramDialog(IDD_PREFERENCES, environment), m_bitmap(bitmap), m_caption(std::move(caption))
{
}

PreferencesWindow::~PreferencesWindow()
{
    OnClose();
    if (m_icons)
        ImageList_Destroy(m_icons);
}

int PreferencesWindow::AddGroup(int icon, DocString title)
{
    if (static_cast<int>(m_groups.size()) == kMaxGroups)
        return kMaxGroups - 1;
    m_groups.push_back({icon, title, {}});
    return static_cast<int>(m_groups.size()) - 1;
}

void PreferencesWindow::AddPage(int group, std::unique_ptr<PreferencePage> page)
{
    m_groups[static_cast<std::size_t>(group)].pages.push_back(std::move(page));
}

void PreferencesWindow::OnInit()
{
    if (!m_caption.empty())
        SetWindowTextW(m_dialog, FromCp1251(m_caption).c_str());
    SetItemText(IDC_PREF_HELP, String(kHelpLabel.id, kHelpLabel.text));
    HWND list = Item(IDC_PREF_GROUPS);
    m_icons = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_bitmap), kIconSize, 0, kIconMask,
                                   IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ListView_SetImageList(list, m_icons, LVSIL_NORMAL);
    // The system's colours, as every list has them: the captions stay
    // readable in any theme, a selected one in the highlight colours.
    ListView_SetBkColor(list, GetSysColor(COLOR_WINDOW));
    ListView_SetTextBkColor(list, GetSysColor(COLOR_WINDOW));
    ListView_SetTextColor(list, GetSysColor(COLOR_WINDOWTEXT));
    RECT listArea{};
    GetClientRect(list, &listArea);
    ListView_SetIconSpacing(list, listArea.right, kGroupSpacing); // one column, every group in sight
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        Group& group = m_groups[g];
        std::wstring title = FromCp1251(String(group.title.id, group.title.text));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(g);
        item.iImage = group.icon;
        item.pszText = title.data();
        ListView_InsertItem(list, &item);
        for (const auto& page : group.pages)
            ShowWindow(page->Open(m_dialog), SW_HIDE);
    }
    SelectGroup(0);
    s_open = this;
    m_keyFilter = SetWindowsHookExW(WH_MSGFILTER, &PreferencesWindow::KeyFilter, nullptr, GetCurrentThreadId());
}

void PreferencesWindow::OnClose()
{
    if (m_keyFilter)
        UnhookWindowsHookEx(m_keyFilter);
    m_keyFilter = nullptr;
    if (s_open == this)
        s_open = nullptr;
}

LRESULT CALLBACK PreferencesWindow::KeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && s_open && message->message == WM_KEYDOWN && message->wParam == VK_TAB &&
        (GetKeyState(VK_CONTROL) & 0x8000) &&
        (message->hwnd == s_open->m_dialog || IsChild(s_open->m_dialog, message->hwnd))) {
        s_open->StepTab(GetKeyState(VK_SHIFT) & 0x8000 ? -1 : +1);
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PreferencesWindow::StepTab(int step)
{
    HWND tabs = Item(IDC_PREF_TABS);
    const int count = TabCtrl_GetItemCount(tabs);
    if (count == 0)
        return;
    const int next = (TabCtrl_GetCurSel(tabs) + step + count) % count;
    TabCtrl_SetCurSel(tabs, next);
    SelectPage(next);
}

bool PreferencesWindow::OnCommand(int id, int)
{
    switch (id) {
    case IDOK:
        Ok();
        return true;
    case IDC_PREF_HELP:
        ShowPageHelp();
        return true;
    }
    return false;
}

void PreferencesWindow::ShowPageHelp()
{
    if (m_page && showHelp)
        showHelp(m_page->HelpTopic());
}

bool PreferencesWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result)
{
    if (message == WM_HELP) { // F1 anywhere in the window
        ShowPageHelp();
        result = TRUE;
        return true;
    }
    if (message != WM_NOTIFY)
        return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom == IDC_PREF_TABS && header->code == TCN_SELCHANGE) {
        SelectPage(TabCtrl_GetCurSel(header->hwndFrom));
    } else if (header->idFrom == IDC_PREF_GROUPS && header->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
            SelectGroup(change->iItem);
    } else {
        return false;
    }
    result = 0;
    return true;
}

void PreferencesWindow::SelectGroup(int group)
{
    if (group < 0 || group >= static_cast<int>(m_groups.size()) || group == m_group)
        return;
    m_group = group;
    ListView_SetItemState(Item(IDC_PREF_GROUPS), group, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    HWND tabs = Item(IDC_PREF_TABS);
    TabCtrl_DeleteAllItems(tabs);
    const auto& pages = m_groups[static_cast<std::size_t>(group)].pages;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::wstring title = FromCp1251(pages[i]->Title());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
    }
    TabCtrl_SetCurSel(tabs, 0);
    SelectPage(0);
}

void PreferencesWindow::SelectPage(int page)
{
    const auto& pages = m_groups[static_cast<std::size_t>(m_group)].pages;
    ShowPage(page >= 0 && page < static_cast<int>(pages.size()) ? pages[static_cast<std::size_t>(page)].get()
                                                                 : nullptr);
}

void PreferencesWindow::ShowPage(PreferencePage* page)
{
    if (m_page)
        ShowWindow(m_page->Window(), SW_HIDE);
    m_page = page;
    if (!m_page)
        return;
    // The tabs' display area is known once they hold tabs.
    HWND tabs = Item(IDC_PREF_TABS);
    RECT area{};
    GetClientRect(tabs, &area);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    MapWindowPoints(tabs, m_dialog, reinterpret_cast<POINT*>(&area), 2);
    InflateRect(&area, -kPageInset, -kPageInset);
    SetWindowPos(m_page->Window(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// A page that cannot be taken is shown, then what keeps it.
void PreferencesWindow::Ok()
{
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const auto& pages = m_groups[g].pages;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const std::optional<std::string> problem = pages[i]->Accept();
            if (!problem)
                continue;
            SelectGroup(static_cast<int>(g));
            TabCtrl_SetCurSel(Item(IDC_PREF_TABS), static_cast<int>(i));
            SelectPage(static_cast<int>(i));
            ShowError(*problem);
            return;
        }
    }
    for (Group& group : m_groups)
        for (const auto& page : group.pages)
            page->Commit();
    End(IDOK);
}
