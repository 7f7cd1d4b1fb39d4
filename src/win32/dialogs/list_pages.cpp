#include "win32/dialogs/list_pages.h"

#include "core/app/list_editing.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_io.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <optional>

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

// A page that edits a list of entries: a list box naming them, boxes for
// the fields of the selected one, "Add" (an empty entry), "Delete", and
// "Up" and "Down" where the page has them. OK refuses an entry whose
// first field is empty: the store's list would end there.
template <typename Entry>
class EntryListPage : public PreferencePage {
public:
    struct Controls {
        int list, add, remove, up, down; // 0: the page has none
    };
    struct TextField {
        int edit;
        std::string Entry::*member;
    };

    EntryListPage(int templateId, DocString title, const char* helpTopic, const DialogEnvironment& environment,
                  Controls controls, std::vector<TextField> fields, DocString incomplete, std::vector<Entry>& live)
        : PreferencePage(templateId, title, helpTopic, environment), m_controls(controls),
          m_fields(std::move(fields)), m_incomplete(incomplete), m_live(live), m_entries(live)
    {
    }
    std::optional<std::string> Accept() override
    {
        const std::string Entry::*first = m_fields.front().member;
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if ((m_entries[i].*first).empty()) {
                Show(i);
                return String(m_incomplete.id, m_incomplete.text);
            }
        return std::nullopt;
    }

protected:
    // The entry "Add" makes; none when the user gave up.
    virtual std::optional<Entry> NewEntry() { return Entry{}; }
    // The entry's line in the list: its first field.
    virtual std::string Label(const Entry& entry) const { return entry.*m_fields.front().member; }
    // Extra fields of the entry (check boxes): shown and read by the page.
    virtual void ShowExtra(const Entry*) {}
    virtual bool ReadExtra(int, Entry&) { return false; }
    // Writes the entries; `m_live` has them already.
    virtual void Save() = 0;
    void Commit() override
    {
        m_live = m_entries;
        Save();
    }

private:
    void OnInit() override { Show(m_entries.empty() ? std::nullopt : std::optional<std::size_t>(0)); }
    void Show(std::optional<std::size_t> selected)
    {
        m_selected = selected;
        SendDlgItemMessageW(m_dialog, m_controls.list, LB_RESETCONTENT, 0, 0);
        for (const Entry& entry : m_entries)
            SendDlgItemMessageW(m_dialog, m_controls.list, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(FromCp1251(Label(entry)).c_str()));
        SendDlgItemMessageW(m_dialog, m_controls.list, LB_SETCURSEL,
                            selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
        ShowFields();
    }
    void ShowFields()
    {
        Entry* entry = m_selected ? &m_entries[*m_selected] : nullptr;
        m_showing = true;
        for (const TextField& field : m_fields) {
            SetItemText(field.edit, entry ? entry->*field.member : std::string());
            Enable(field.edit, entry != nullptr);
        }
        ShowExtra(entry);
        m_showing = false;
        Enable(m_controls.remove, entry != nullptr);
    }
    bool OnCommand(int id, int code) override
    {
        if (id == m_controls.list) {
            if (code != LBN_SELCHANGE)
                return false;
            const auto index = static_cast<std::size_t>(SendDlgItemMessageW(m_dialog, id, LB_GETCURSEL, 0, 0));
            m_selected = index < m_entries.size() ? std::optional<std::size_t>(index) : std::nullopt;
            ShowFields();
            return true;
        }
        if (id == m_controls.add) {
            std::optional<Entry> entry = NewEntry();
            if (!entry)
                return true;
            m_entries.push_back(std::move(*entry));
            Show(m_entries.size() - 1);
            SetFocus(Item(m_fields.front().edit));
            return true;
        }
        if (id == m_controls.remove) {
            if (m_selected) {
                m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*m_selected));
                Show(SelectionAfterRemoval(*m_selected, m_entries.size() + 1));
            }
            return true;
        }
        if (m_controls.up && (id == m_controls.up || id == m_controls.down)) {
            if (m_selected)
                if (const auto moved = MoveEntry(m_entries, *m_selected, id == m_controls.up ? -1 : +1))
                    Show(moved);
            return true;
        }
        return m_selected && !m_showing && ReadField(id, code, m_entries[*m_selected]);
    }
    // A field box the user changed: the entry follows, and its list line.
    bool ReadField(int id, int code, Entry& entry)
    {
        for (const TextField& field : m_fields) {
            if (field.edit != id)
                continue;
            if (code != EN_CHANGE)
                return false;
            entry.*field.member = ItemText(id);
            if (field.member == m_fields.front().member) {
                const auto line = static_cast<WPARAM>(*m_selected);
                SendDlgItemMessageW(m_dialog, m_controls.list, LB_DELETESTRING, line, 0);
                SendDlgItemMessageW(m_dialog, m_controls.list, LB_INSERTSTRING, line,
                                    reinterpret_cast<LPARAM>(FromCp1251(Label(entry)).c_str()));
                SendDlgItemMessageW(m_dialog, m_controls.list, LB_SETCURSEL, line, 0);
            }
            return true;
        }
        return ReadExtra(id, entry);
    }

    Controls m_controls;
    std::vector<TextField> m_fields;
    DocString m_incomplete;
    bool m_showing = false;
    std::optional<std::size_t> m_selected;

protected:
    std::vector<Entry>& m_live;
    std::vector<Entry> m_entries;
};

class OpenBoxPage : public EntryListPage<FileType> {
public:
    OpenBoxPage(const DialogEnvironment& environment, AppSettings& live, ProfileStore& store)
        : EntryListPage(IDD_PAGE_OPEN_BOX, {1105, "Open box"}, "pref12.htm", environment,
                        {IDC_OPEN_BOX_LIST, IDC_OPEN_BOX_ADD, IDC_OPEN_BOX_DELETE, IDC_OPEN_BOX_UP, IDC_OPEN_BOX_DOWN},
                        {{IDC_OPEN_BOX_DESCRIPTION, &FileType::description},
                         {IDC_OPEN_BOX_PATTERNS, &FileType::patterns}},
                        {5056, "Every file type needs a description."}, live.openSaveTypes),
          m_settings(live), m_store(store)
    {
    }

private:
    void Save() override { SaveOpenSaveTypes(m_store, m_settings); }

    AppSettings& m_settings;
    ProfileStore& m_store;
};

class ExecutePage : public EntryListPage<ToolEntry> {
public:
    ExecutePage(const DialogEnvironment& environment, AppSettings& live, ProfileStore& store)
        : EntryListPage(IDD_PAGE_EXECUTE, {1112, "Execute"}, "pref13.htm", environment,
                        {IDC_EXEC_LIST, IDC_EXEC_ADD, IDC_EXEC_DELETE, 0, 0},
                        {{IDC_EXEC_EXTENSIONS, &ToolEntry::extensions}, {IDC_EXEC_COMMAND, &ToolEntry::cmdLine}},
                        {5057, "Every tool needs the file extensions it serves."}, live.tools),
          m_settings(live), m_store(store)
    {
    }

private:
    void ShowExtra(const ToolEntry* tool) override
    {
        Check(IDC_EXEC_CAPTURE, tool && tool->capture);
        Enable(IDC_EXEC_CAPTURE, tool != nullptr);
    }
    bool ReadExtra(int id, ToolEntry& tool) override
    {
        if (id != IDC_EXEC_CAPTURE)
            return false;
        tool.capture = IsChecked(IDC_EXEC_CAPTURE);
        return true;
    }
    void Save() override { SaveTools(m_store, m_settings); }

    AppSettings& m_settings;
    ProfileStore& m_store;
};

class HighlightPage : public EntryListPage<SchemeEntry> {
public:
    HighlightPage(const DialogEnvironment& environment, AppSettings& live, ProfileStore& store,
                  const PreferencePickers& pickers, bool& schemesChanged)
        : EntryListPage(IDD_PAGE_HIGHLIGHT, {1069, "Highlight"}, "pref11.htm", environment,
                        {IDC_HIGHLIGHT_LIST, IDC_HIGHLIGHT_ADD, IDC_HIGHLIGHT_DELETE, 0, 0},
                        {{IDC_HIGHLIGHT_EXTENSIONS, &SchemeEntry::extensions}},
                        {5058, "Every highlight scheme needs the extensions of its files."}, live.schemeEntries),
          m_settings(live), m_store(store), m_pickers(pickers), m_schemesChanged(schemesChanged),
          m_before(live.schemeEntries)
    {
    }

private:
    std::optional<SchemeEntry> NewEntry() override
    {
        const std::optional<std::string> path =
            m_pickers.file(m_dialog, "Noveda highlight files (*.hgh)|*.hgh|All files (*.*)|*.*|", L"hgh");
        if (!path)
            return std::nullopt;
        return SchemeEntry{"", *path};
    }
    std::string Label(const SchemeEntry& entry) const override
    {
        return GetDescription(entry.dataFile).value_or(entry.dataFile);
    }
    void Save() override
    {
        SaveHighlightSchemeEntries(m_store, m_settings);
        m_schemesChanged = m_settings.schemeEntries != m_before;
    }

    AppSettings& m_settings;
    ProfileStore& m_store;
    const PreferencePickers& m_pickers;
    bool& m_schemesChanged;
    const std::vector<SchemeEntry> m_before;
};

} // namespace

std::unique_ptr<PreferencePage> MakeHighlightPage(const DialogEnvironment& environment, AppSettings& live,
                                                  ProfileStore& store, const PreferencePickers& pickers,
                                                  bool& schemesChanged)
{
    return std::make_unique<HighlightPage>(environment, live, store, pickers, schemesChanged);
}

std::unique_ptr<PreferencePage> MakeOpenBoxPage(const DialogEnvironment& environment, AppSettings& live,
                                                ProfileStore& store)
{
    return std::make_unique<OpenBoxPage>(environment, live, store);
}

std::unique_ptr<PreferencePage> MakeExecutePage(const DialogEnvironment& environment, AppSettings& live,
                                                ProfileStore& store)
{
    return std::make_unique<ExecutePage>(environment, live, store);
}

std::unique_ptr<PreferencePage> MakeClipsPage(const DialogEnvironment& environment, AppSettings& live,
                                              ProfileStore& store, const PreferencePickers& pickers)
{
    return std::make_unique<ClipsPage>(environment, live, store, pickers);
}
