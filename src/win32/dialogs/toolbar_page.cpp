#include "win32/dialogs/toolbar_page.h"

#include "core/app/list_editing.h"
#include "core/settings/settings_io.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"
#include "win32/res/toolbar_buttons.h"

namespace {

constexpr DocString kSeparatorName{5055, "-- Separator --"};

class ToolbarPage : public PreferencePage {
public:
    ToolbarPage(const DialogEnvironment& environment, ProfileStore& store,
                std::function<std::string(int command)> buttonName)
        : PreferencePage(IDD_PAGE_TOOLBAR, {1116, "Toolbar"}, "pref890.htm", environment), m_store(store),
          m_buttonName(std::move(buttonName))
    {
    }
    void Commit() override
    {
        SaveToolbarLayout(m_store, {m_list.buttons, IsChecked(IDC_TOOLBAR_LARGE) ? 1 : 0});
    }

private:
    void OnInit() override
    {
        const ToolbarLayout layout = LoadToolbarLayout(m_store);
        m_list = {layout.buttons, std::nullopt};
        Check(IDC_TOOLBAR_LARGE, layout.LargeButtons != 0);
        AddLine(IDC_TOOLBAR_AVAILABLE, Name(kToolbarSeparator));
        for (std::uint8_t index = 0; index < std::size(kToolbarCommands); ++index)
            AddLine(IDC_TOOLBAR_AVAILABLE, Name(index));
        SendDlgItemMessageW(m_dialog, IDC_TOOLBAR_AVAILABLE, LB_SETCURSEL, 0, 0);
        ShowCurrent();
    }
    std::string Name(std::uint8_t button) const
    {
        if (button >= std::size(kToolbarCommands))
            return String(kSeparatorName.id, kSeparatorName.text);
        return m_buttonName(kToolbarCommands[button]);
    }
    void AddLine(int list, const std::string& text)
    {
        SendDlgItemMessageW(m_dialog, list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp1251(text).c_str()));
    }
    void ShowCurrent()
    {
        SendDlgItemMessageW(m_dialog, IDC_TOOLBAR_CURRENT, LB_RESETCONTENT, 0, 0);
        for (std::uint8_t button : m_list.buttons)
            AddLine(IDC_TOOLBAR_CURRENT, Name(button));
        SendDlgItemMessageW(m_dialog, IDC_TOOLBAR_CURRENT, LB_SETCURSEL,
                            m_list.selected ? static_cast<WPARAM>(*m_list.selected) : static_cast<WPARAM>(-1), 0);
        Enable(IDC_TOOLBAR_REMOVE, m_list.CanRemove());
    }
    int Selected(int list) const
    {
        return static_cast<int>(SendDlgItemMessageW(m_dialog, list, LB_GETCURSEL, 0, 0));
    }
    bool OnCommand(int id, int code) override
    {
        switch (id) {
        case IDC_TOOLBAR_CURRENT:
            if (code != LBN_SELCHANGE)
                return false;
            if (const int selected = Selected(IDC_TOOLBAR_CURRENT); selected >= 0)
                m_list.selected = static_cast<std::size_t>(selected);
            Enable(IDC_TOOLBAR_REMOVE, m_list.CanRemove());
            return true;
        case IDC_TOOLBAR_INSERT:
            if (const int available = Selected(IDC_TOOLBAR_AVAILABLE); available >= 0)
                m_list.Insert(available == 0 ? kToolbarSeparator : static_cast<std::uint8_t>(available - 1));
            break;
        case IDC_TOOLBAR_REMOVE:
            m_list.Remove();
            break;
        case IDC_TOOLBAR_UP:
        case IDC_TOOLBAR_DOWN:
            m_list.Move(id == IDC_TOOLBAR_UP ? -1 : +1);
            break;
        default:
            return false;
        }
        ShowCurrent();
        return true;
    }

    ProfileStore& m_store;
    std::function<std::string(int command)> m_buttonName;
    ToolbarList m_list;
};

} // namespace

std::unique_ptr<PreferencePage> MakeToolbarPage(const DialogEnvironment& environment, ProfileStore& store,
                                                std::function<std::string(int command)> buttonName)
{
    return std::make_unique<ToolbarPage>(environment, store, std::move(buttonName));
}
