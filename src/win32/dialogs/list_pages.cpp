#include "win32/dialogs/list_pages.h"

#include "core/app/list_editing.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_io.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <string>
#include <vector>

namespace {

constexpr char kLibraryFilter[] = "Noveda library files (*.lib)|*.lib|All files (*.*)|*.*|";

class ClipsPage : public PreferencePage {
public:
    ClipsPage(const DialogEnvironment& environment, AppSettings& live, ProfileStore& store,
              const PreferencePickers& pickers)
        : PreferencePage(IDD_PAGE_CLIPS, {1113, "Clips"}, "pref03.htm", environment), m_live(live), m_store(store),
          m_pickers(pickers)
    {
    }
    void Commit() override
    {
        for (std::size_t slot = 0; slot < m_live.Libfile.size(); ++slot)
            m_live.Libfile[slot] = slot < m_paths.size() ? m_paths[slot] : std::string();
        SaveClipLibraries(m_store, m_live);
    }

private:
    void OnInit() override
    {
        for (const std::string& path : m_live.Libfile)
            if (!path.empty())
                m_paths.push_back(path);
        Show(m_paths.empty() ? std::nullopt : std::optional<std::size_t>(0));
    }
    void Show(std::optional<std::size_t> selected)
    {
        SendDlgItemMessageW(m_dialog, IDC_CLIPS_LIST, LB_RESETCONTENT, 0, 0);
        for (const std::string& path : m_paths)
            SendDlgItemMessageW(m_dialog, IDC_CLIPS_LIST, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(FromCp1251(path).c_str()));
        SendDlgItemMessageW(m_dialog, IDC_CLIPS_LIST, LB_SETCURSEL,
                            selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
        Enable(IDC_CLIPS_ADD, m_paths.size() < static_cast<std::size_t>(kClipLibrarySlots));
        Enable(IDC_CLIPS_DELETE, !m_paths.empty());
    }
    bool OnCommand(int id, int) override
    {
        if (id == IDC_CLIPS_ADD) {
            if (m_paths.size() < static_cast<std::size_t>(kClipLibrarySlots))
                if (const std::optional<std::string> path = m_pickers.file(m_dialog, kLibraryFilter, L"lib")) {
                    m_paths.push_back(*path);
                    Show(m_paths.size() - 1);
                }
            return true;
        }
        if (id != IDC_CLIPS_DELETE)
            return false;
        const auto selected = static_cast<std::size_t>(SendDlgItemMessageW(m_dialog, IDC_CLIPS_LIST, LB_GETCURSEL, 0, 0));
        if (selected < m_paths.size()) {
            m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(selected));
            Show(SelectionAfterRemoval(selected, m_paths.size() + 1));
        }
        return true;
    }

    AppSettings& m_live;
    ProfileStore& m_store;
    const PreferencePickers& m_pickers;
    std::vector<std::string> m_paths;
};

} // namespace

std::unique_ptr<PreferencePage> MakeClipsPage(const DialogEnvironment& environment, AppSettings& live,
                                              ProfileStore& store, const PreferencePickers& pickers)
{
    return std::make_unique<ClipsPage>(environment, live, store, pickers);
}
