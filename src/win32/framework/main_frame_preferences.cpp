// The Preferences window (command 10007) and what the program does again
// after its OK; the first start's window.
#include "core/app/frame_rules.h"
#include "core/app/preferences.h"
#include "core/settings/input_tables.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "core/settings/settings_io.h"
#include "win32/app/help_viewer.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/dialogs/appearance_pages.h"
#include "win32/dialogs/list_pages.h"
#include "win32/dialogs/printing_page.h"
#include "win32/dialogs/settings_pages.h"
#include "win32/dialogs/shell_page.h"
#include "win32/dialogs/toolbar_page.h"
#include "win32/framework/main_frame.h"

namespace {

constexpr DocString kFirstStartCaption{5065, "Starting Noveda first time"};
constexpr DocString kShellGroup{5030, "Shell"};

} // namespace

class CMainFrame::PreferencesSide : public PreferencesTarget {
public:
    explicit PreferencesSide(CMainFrame& frame) : m_frame(frame), m_settings(frame.m_settings) {}
    void ShowRestartMessage() override
    {
        m_frame.m_prompts.ShowMessage(m_frame.InterfaceText(kRestartNeeded), MessageKind::Information);
    }
    void ReloadClipLibraries() override
    {
        m_frame.m_clips.LoadAll(m_settings.Libfile);
        m_frame.InstallClipLibraryMenus();
    }
    void ReloadInterfaceLanguage() override { m_frame.ApplyInterfaceLanguage(); }
    void ReloadHighlightSchemes() override
    {
        LoadHighlightSchemeEntries(m_frame.m_store, m_settings);
        m_frame.m_schemes = LoadHighlightSchemes(m_settings.schemeEntries, m_settings.DefaultScheme);
        m_frame.RebuildViewSourceMenu();
    }
    void ChooseFileTypesAgain(bool schemesChanged) override
    {
        for (const CMyDocManager::Entry& entry : m_frame.m_documents.Entries())
            entry.doc->ChooseFileTypeAgain(schemesChanged);
    }
    void ReloadKeyboardLayout() override { LoadKeyboardLayoutFile(m_frame.m_store, m_settings, m_frame.m_prompts); }
    void ReloadOpenSaveTypes() override { LoadOpenSaveTypes(m_frame.m_store, m_settings); }
    void RestartAutoSaveTimer() override { m_frame.StartAutoSaveTimer(); }
    void ReloadTranslitTable() override { CheckTranslitTable(m_settings); }
    void ReloadTools() override { LoadTools(m_frame.m_store, m_settings); }
    void RebuildToolbar() override
    {
        const ToolbarLayout layout = LoadToolbarLayout(m_frame.m_store);
        m_frame.m_bars->Tools().SetButtons(layout.buttons, layout.LargeButtons != 0);
    }
    void ApplyInterfaceFont() override
    {
        m_frame.m_bars->FileTabs().SetFont(m_settings.InterFnt);
        m_frame.m_bars->Status().SetFont(m_settings.InterFnt);
        m_frame.m_menuPainter.SetFont(m_settings.InterFnt, WindowDpi(m_frame.m_window));
    }
    void ApplyOutputLook() override
    {
        m_frame.m_bars->Output().SetLook(m_settings.OutFont, m_settings.Colors[COLOR_OUTPUT_TEXT],
                                         m_settings.Colors[COLOR_OUTPUT_BACKGROUND]);
    }
    void RecalculateLayout() override
    {
        DrawMenuBar(m_frame.m_window);
        m_frame.m_bars->RecalcLayout();
    }
    void UpdateViews() override { m_frame.UpdateAllViews(ViewChange::All); }

private:
    CMainFrame& m_frame;
    AppSettings& m_settings;
};

void CMainFrame::FollowScreenDpi()
{
    PreferencesSide side(*this);
    side.ApplyInterfaceFont();
    side.ApplyOutputLook();
    side.RebuildToolbar();
    side.UpdateViews();
    side.RecalculateLayout();
}

void CMainFrame::ShowPreferencesHelp(const PreferencesWindow& window, const std::string& topic)
{
    ShowHelpTopic(window.Window(), FromCp1251(m_programDir) + L"noveda.chm", FromCp1251(topic));
}

void CMainFrame::PreferencesCommand(int)
{
    m_settings.RestartNeeded = 0;
    AppSettings draft = PreferencesDraft(m_settings);
    SettingsPageContext context{draft, m_settings, m_store, m_environment, m_files, m_programDir};
    const DialogEnvironment environment = DialogEnvironmentOf();
    PreferencesWindow window(environment, IDB_PREFERENCE_GROUPS);
    const int editor = window.AddGroup(0, {5009, "Editor"});
    window.AddPage(editor, MakeSettingsPage(SettingsPage::General, environment, context));
    window.AddPage(editor, MakeSettingsPage(SettingsPage::Save, environment, context));
    window.AddPage(editor, MakeClipsPage(environment, m_settings, m_store, m_pickers));
    LoadPrintSettingsOnce();
    window.AddPage(editor, MakePrintingPage(environment, m_settings, m_store));
    const int interfaceGroup = window.AddGroup(1, {5010, "Interface"});
    window.AddPage(interfaceGroup, MakeSettingsPage(SettingsPage::Input, environment, context));
    window.AddPage(interfaceGroup, MakeSettingsPage(SettingsPage::Languages, environment, context));
    window.AddPage(interfaceGroup, MakeSettingsPage(SettingsPage::Other, environment, context));
    const int appearance = window.AddGroup(2, {5012, "Appearance"});
    window.AddPage(appearance, MakeColorsPage(environment, draft, m_pickers));
    window.AddPage(appearance, MakeFontsPage(environment, draft, m_pickers));
    window.AddPage(appearance, MakeToolbarPage(environment, m_store, [this](int command) {
                       return ToolbarButtonName(
                           command, InterfaceLookup(),
                           [](std::uint32_t id) { return StringTableResources().Load(id); });
                   }));
    bool schemesChanged = false;
    const int fileTypes = window.AddGroup(3, {5011, "File types"});
    window.AddPage(fileTypes, MakeHighlightPage(environment, m_settings, m_store, m_pickers, schemesChanged));
    window.AddPage(fileTypes, MakeOpenBoxPage(environment, m_settings, m_store));
    window.AddPage(fileTypes, MakeExecutePage(environment, m_settings, m_store));
    window.AddPage(fileTypes, MakeShellPage(environment, m_files, m_programDir));
    window.showHelp = [this, &window](const std::string& topic) { ShowPreferencesHelp(window, topic); };
    if (window.Run() != IDOK)
        return;
    PreferencesOutcome outcome;
    outcome.interfaceFontChanged = CommitAppearance(m_store, draft, m_settings);
    outcome.restartNeeded = m_settings.RestartNeeded != 0;
    outcome.schemesChanged = schemesChanged;
    PreferencesSide side(*this);
    ReapplyPreferences(side, outcome);
}

void CMainFrame::ShowFirstStartWindow()
{
    const DialogEnvironment environment = DialogEnvironmentOf();
    PreferencesWindow window(environment, IDB_SINGLE_PAGE, InterfaceText(kFirstStartCaption));
    window.AddPage(window.AddGroup(0, kShellGroup), MakeShellPage(environment, m_files, m_programDir));
    window.showHelp = [this, &window](const std::string& topic) { ShowPreferencesHelp(window, topic); };
    window.Run();
}
