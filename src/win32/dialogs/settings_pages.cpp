#include "win32/dialogs/settings_pages.h"

#include "core/app/preferences.h"
#include "core/text/placeholder.h"
#include "win32/app/folder_browser.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <vector>

namespace {

// A page of values of the main sections, committed by the core's rules.
class ValuesPage : public PreferencePage {
public:
    ValuesPage(int templateId, DocString title, const char* helpTopic, SettingsPage page,
                  const DialogEnvironment& environment, SettingsPageContext& context)
        : PreferencePage(templateId, title, helpTopic, environment), m_context(context), m_page(page)
    {
    }
    void Commit() override { CommitSettingsPage(m_page, m_context.store, m_context.draft, m_context.live); }

protected:
    AppSettings& Draft() { return m_context.draft; }
    SettingsPageContext& m_context;

private:
    SettingsPage m_page;
};

class GeneralPage : public ValuesPage {
public:
    GeneralPage(const DialogEnvironment& environment, SettingsPageContext& context)
        : ValuesPage(IDD_PAGE_GENERAL, {1064, "General"}, "pref01.htm", SettingsPage::General, environment,
                        context)
    {
    }

private:
    static constexpr std::pair<int, int AppSettings::*> kChecks[] = {
        {IDC_GEN_ERASE_SELECTION, &AppSettings::InputEraseSelect}, {IDC_GEN_PERSISTENT_BLOCKS, &AppSettings::PersistentBlocks},
        {IDC_GEN_AUTO_INDENT, &AppSettings::AutoIndent},           {IDC_GEN_AUTO_BRACKET, &AppSettings::AutoBracket},
        {IDC_GEN_FILL_TABS, &AppSettings::FillTabs}};

    void OnInit() override
    {
        for (const auto& [id, member] : kChecks)
            Check(id, Draft().*member != 0);
        CheckRadio(IDC_GEN_WRAP_WINDOW, IDC_GEN_WRAP_POSITION, Draft().WrapMode == 1 ? 1 : 0);
        SetSpin(IDC_GEN_WRAP_SPIN, 15, 150, Draft().WrapByPosition);
        SetSpin(IDC_GEN_TAB_SPIN, 1, 15, Draft().TabSize);
        FollowWrapMode();
    }
    bool OnCommand(int id, int) override
    {
        if (id != IDC_GEN_WRAP_WINDOW && id != IDC_GEN_WRAP_POSITION)
            return false;
        FollowWrapMode();
        return true;
    }
    void FollowWrapMode()
    {
        const bool byPosition = IsChecked(IDC_GEN_WRAP_POSITION);
        Enable(IDC_GEN_WRAP_COLUMN, byPosition);
        Enable(IDC_GEN_WRAP_SPIN, byPosition);
    }
    std::optional<std::string> Accept() override
    {
        for (const auto& [id, member] : kChecks)
            Draft().*member = IsChecked(id);
        Draft().WrapMode = IsChecked(IDC_GEN_WRAP_POSITION) ? 1 : 2;
        Draft().WrapByPosition = static_cast<std::uint8_t>(SpinValue(IDC_GEN_WRAP_SPIN));
        Draft().TabSize = static_cast<std::uint8_t>(SpinValue(IDC_GEN_TAB_SPIN));
        return std::nullopt;
    }
};

class SavePage : public ValuesPage {
public:
    SavePage(const DialogEnvironment& environment, SettingsPageContext& context)
        : ValuesPage(IDD_PAGE_SAVE, {1106, "Save"}, "pref02.htm", SettingsPage::Save, environment, context)
    {
    }

private:
    void OnInit() override
    {
        CheckRadio(IDC_SAVE_NO_BAK, IDC_SAVE_BAK_FOLDER, Draft().CreateBak);
        SetItemText(IDC_SAVE_FOLDER, Draft().CreatePath);
        Check(IDC_SAVE_AUTO, Draft().AutoSave != 0);
        SetSpin(IDC_SAVE_MINUTES_SPIN, 1, 60, AutoSaveMinutesShown(Draft().AutoSave));
        FollowChoices();
    }
    bool OnCommand(int id, int) override
    {
        if (id == IDC_SAVE_BROWSE) {
            if (auto folder = BrowseForFolder(m_dialog, String(5017, "Select folder"),
                                              String(5018, "Please choose the folder, where BAK files will be "
                                                           "stored in."),
                                              ItemText(IDC_SAVE_FOLDER)))
                SetItemText(IDC_SAVE_FOLDER, *folder);
            return true;
        }
        if ((id < IDC_SAVE_NO_BAK || id > IDC_SAVE_BAK_FOLDER) && id != IDC_SAVE_AUTO)
            return false;
        FollowChoices();
        return true;
    }
    void FollowChoices()
    {
        const bool inFolder = IsChecked(IDC_SAVE_BAK_FOLDER);
        Enable(IDC_SAVE_FOLDER, inFolder);
        Enable(IDC_SAVE_BROWSE, inFolder);
        const bool autoSave = IsChecked(IDC_SAVE_AUTO);
        Enable(IDC_SAVE_MINUTES, autoSave);
        Enable(IDC_SAVE_MINUTES_SPIN, autoSave);
    }
    std::optional<std::string> Accept() override
    {
        Draft().CreateBak = static_cast<std::uint8_t>(CheckedRadio(IDC_SAVE_NO_BAK, IDC_SAVE_BAK_FOLDER));
        Draft().CreatePath = ItemText(IDC_SAVE_FOLDER);
        Draft().AutoSave = IsChecked(IDC_SAVE_AUTO) ? SpinValue(IDC_SAVE_MINUTES_SPIN) : 0;
        if (BackupFolderMissing(Draft(), m_context.environment))
            return FillPlaceholder(String(kNoBackupFolder.id, kNoBackupFolder.text), Draft().CreatePath);
        return std::nullopt;
    }
};

class InputPage : public ValuesPage {
public:
    InputPage(const DialogEnvironment& environment, SettingsPageContext& context)
        : ValuesPage(IDD_PAGE_INPUT, {1065, "Input"}, "pref05.htm", SettingsPage::Input, environment, context)
    {
    }

private:
    void OnInit() override
    {
        CheckRadio(IDC_INPUT_MOUSE_MENU, IDC_INPUT_MOUSE_COPY, Draft().MouseMenu ? 0 : 1);
        CheckRadio(IDC_INPUT_ESC_ERASE, IDC_INPUT_ESC_OUTPUT, Draft().EscMode);
    }
    std::optional<std::string> Accept() override
    {
        Draft().MouseMenu = IsChecked(IDC_INPUT_MOUSE_MENU);
        Draft().EscMode = static_cast<std::uint8_t>(CheckedRadio(IDC_INPUT_ESC_ERASE, IDC_INPUT_ESC_OUTPUT));
        return std::nullopt;
    }
};

class LanguagesPage : public ValuesPage {
public:
    LanguagesPage(const DialogEnvironment& environment, SettingsPageContext& context)
        : ValuesPage(IDD_PAGE_LANGUAGES, {1068, "Languages"}, "pref06.htm", SettingsPage::Languages, environment,
                        context)
    {
    }

private:
    void OnInit() override
    {
        const std::string& folder = m_context.programDir;
        auto listed = [&](const char* extension) { return FilesWithExtension(m_context.files, folder, extension); };
        const StringLookup& strings = m_environment.strings;
        m_languages = FileChoices(String(5003, "English language"), kLanguageChoice, folder, listed(".lng"), strings);
        m_layouts = FileChoices(TextOf(kNoLayoutChoice, strings), kLayoutChoice, folder, listed(".kbd"), strings);
        m_tables = FileChoices(TextOf(kNoTableChoice, strings), kTableChoice, folder, listed(".ttb"), strings);
        Fill(IDC_LANG_INTERFACE, m_languages, Draft().InterfaceFile);
        Fill(IDC_LANG_LAYOUT, m_layouts, Draft().KbdLayoutFile);
        Fill(IDC_LANG_TRANSLIT, m_tables, Draft().TranslitTableFile);
        m_windowsLayoutShown = WindowsLayoutShown(Draft().IntSwitch, m_layouts.size() > 1);
        Check(IDC_LANG_WINDOWS_LAYOUT, m_windowsLayoutShown);
        FollowWindowsLayout();
    }
    void Fill(int combo, const std::vector<FileChoice>& choices, const std::string& current)
    {
        for (const FileChoice& choice : choices)
            SendDlgItemMessageW(m_dialog, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp1251(choice.label).c_str()));
        SendDlgItemMessageW(m_dialog, combo, CB_SETCURSEL, ChoiceIndex(choices, current), 0);
    }
    bool OnCommand(int id, int) override
    {
        if (id != IDC_LANG_WINDOWS_LAYOUT)
            return false;
        FollowWindowsLayout();
        return true;
    }
    void FollowWindowsLayout() { Enable(IDC_LANG_LAYOUT, !IsChecked(IDC_LANG_WINDOWS_LAYOUT)); }
    const std::string& Chosen(int combo, const std::vector<FileChoice>& choices) const
    {
        const auto index = static_cast<std::size_t>(SendDlgItemMessageW(m_dialog, combo, CB_GETCURSEL, 0, 0));
        return choices[index < choices.size() ? index : 0].file;
    }
    std::optional<std::string> Accept() override
    {
        Draft().InterfaceFile = Chosen(IDC_LANG_INTERFACE, m_languages);
        Draft().KbdLayoutFile = Chosen(IDC_LANG_LAYOUT, m_layouts);
        Draft().TranslitTableFile = Chosen(IDC_LANG_TRANSLIT, m_tables);
        if (const bool windowsLayout = IsChecked(IDC_LANG_WINDOWS_LAYOUT); windowsLayout != m_windowsLayoutShown)
            Draft().IntSwitch = !windowsLayout;
        return std::nullopt;
    }

    std::vector<FileChoice> m_languages;
    std::vector<FileChoice> m_layouts;
    std::vector<FileChoice> m_tables;
    bool m_windowsLayoutShown = true;
};

class OtherPage : public ValuesPage {
public:
    OtherPage(const DialogEnvironment& environment, SettingsPageContext& context)
        : ValuesPage(IDD_PAGE_OTHER, {1103, "Other"}, "pref07.htm", SettingsPage::Other, environment, context)
    {
    }

private:
    static constexpr std::pair<int, int AppSettings::*> kChecks[] = {{IDC_OTHER_CLIPBOARD, &AppSettings::AutoClipbrd},
                                                                     {IDC_OTHER_START_IN_LAST, &AppSettings::StoryDir},
                                                                     {IDC_OTHER_TO_TRAY, &AppSettings::ToTray}};

    void OnInit() override
    {
        SetItemText(IDC_OTHER_DEFAULT_EXT, Draft().DefaultExt);
        SetSpin(IDC_OTHER_RECENT_SPIN, 2, 15, Draft().MRUmax);
        for (const auto& [id, member] : kChecks)
            Check(id, Draft().*member != 0);
    }
    std::optional<std::string> Accept() override
    {
        Draft().DefaultExt = ItemText(IDC_OTHER_DEFAULT_EXT);
        Draft().MRUmax = SpinValue(IDC_OTHER_RECENT_SPIN);
        for (const auto& [id, member] : kChecks)
            Draft().*member = IsChecked(id);
        return std::nullopt;
    }
};

} // namespace

std::unique_ptr<PreferencePage> MakeSettingsPage(SettingsPage page, const DialogEnvironment& environment,
                                                 SettingsPageContext& context)
{
    switch (page) {
    case SettingsPage::General:
        return std::make_unique<GeneralPage>(environment, context);
    case SettingsPage::Save:
        return std::make_unique<SavePage>(environment, context);
    case SettingsPage::Input:
        return std::make_unique<InputPage>(environment, context);
    case SettingsPage::Languages:
        return std::make_unique<LanguagesPage>(environment, context);
    case SettingsPage::Other:
        return std::make_unique<OtherPage>(environment, context);
    }
    return nullptr;
}
