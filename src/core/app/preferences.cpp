#include "core/app/preferences.h"

#include "core/platform/file_system.h"
#include "core/platform/profile_store.h"
#include "core/platform/settings_environment.h"
#include "core/settings/settings_io.h"
#include "core/text/cp1251.h"
#include "core/text/placeholder.h"

#include <algorithm>

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kGeneralValues[] = {"InputEraseSelect"sv, "PersistentBlocks"sv, "AutoIndent"sv,
                                               "AutoBracket"sv,      "WrapMode"sv,         "WrapByPosition"sv,
                                               "FillTabs"sv};
constexpr std::string_view kSaveValues[] = {"CreateBak"sv, "CreatePath"sv, "AutoSave"sv};
constexpr std::string_view kInputValues[] = {"MouseMenu"sv, "EscMode"sv};
constexpr std::string_view kLanguagesValues[] = {"InterfaceFile"sv, "KbdLayoutFile"sv, "TranslitTableFile"sv};
constexpr std::string_view kOtherValues[] = {"DefaultExt"sv, "MRUmax"sv, "AutoClipbrd"sv, "StoryDir"sv, "ToTray"sv};

constexpr ColorRow kColorRows[] = {
    {7100, COLOR_TEXT, COLOR_NORMAL_BACKGROUND},
    {7101, COLOR_SELECTION_TEXT, COLOR_SELECTION_BACKGROUND},
    {7102, COLOR_INFO_TEXT, COLOR_INFO_BACKGROUND},
    {7103, COLOR_OUTPUT_TEXT, COLOR_OUTPUT_BACKGROUND},
    {7104, COLOR_COMMENT, -1},
    {7105, COLOR_STRING, -1},
    {7106, COLOR_LINK, -1},
    {7107, COLOR_DELIMITER, -1},
    {7108, COLOR_KEYWORD1, -1},
    {7109, COLOR_KEYWORD1 + 1, -1},
    {7110, COLOR_KEYWORD1 + 2, -1},
    {7111, COLOR_KEYWORD1 + 3, -1},
    {7112, COLOR_KEYWORD1 + 4, -1},
    {7113, COLOR_KEYWORD1 + 5, -1},
    {7114, -1, COLOR_BOOKMARK_BACKGROUND},
};

// The TabSize the General page shows and the next start uses.
std::uint8_t ChosenTabSize(const AppSettings& settings)
{
    return settings.TabSizeAtRestart ? settings.TabSizeAtRestart : settings.TabSize;
}

void CommitTabSize(ProfileStore& store, const AppSettings& draft, AppSettings& live)
{
    if (draft.TabSize == ChosenTabSize(live))
        return;
    store.SetInt("Editor", "TabSize", draft.TabSize);
    live.TabSizeAtRestart = draft.TabSize == live.TabSize ? 0 : draft.TabSize;
    live.RestartNeeded = 1;
}

} // namespace

AppSettings PreferencesDraft(const AppSettings& live)
{
    AppSettings draft = live;
    draft.TabSize = ChosenTabSize(live);
    return draft;
}

void CommitSettingsPage(SettingsPage page, ProfileStore& store, const AppSettings& draft, AppSettings& live)
{
    switch (page) {
    case SettingsPage::General:
        TakeOverValues(store, draft, live, kGeneralValues);
        CommitTabSize(store, draft, live);
        return;
    case SettingsPage::Save:
        TakeOverValues(store, draft, live, kSaveValues);
        live.AutoSaveActive = live.AutoSave != 0;
        return;
    case SettingsPage::Input:
        TakeOverValues(store, draft, live, kInputValues);
        return;
    case SettingsPage::Languages: {
        TakeOverValues(store, draft, live, kLanguagesValues);
        if (draft.IntSwitch != live.IntSwitch) {
            constexpr std::string_view intSwitch[] = {"IntSwitch"sv};
            TakeOverValues(store, draft, live, intSwitch);
        }
        return;
    }
    case SettingsPage::Other:
        if (draft.MRUmax != live.MRUmax)
            live.RestartNeeded = 1;
        TakeOverValues(store, draft, live, kOtherValues);
        return;
    }
}

bool BackupFolderMissing(const AppSettings& draft, const SettingsEnvironment& env)
{
    return draft.CreateBak == BACKUP_IN_FOLDER && (draft.CreatePath.empty() || !env.DirectoryExists(draft.CreatePath));
}

bool CommitAppearance(ProfileStore& store, const AppSettings& draft, AppSettings& live)
{
    live.Colors = draft.Colors;
    live.Font = draft.Font;
    live.OutFont = draft.OutFont;
    SaveColors(store, live.Colors);
    store.SetBinary("View", "Font", live.Font.ToBlock());
    store.SetBinary("View", "OutFont", live.OutFont.ToBlock());
    if (draft.InterFnt == live.InterFnt)
        return false;
    live.InterFnt = draft.InterFnt;
    store.SetBinary("View", "InterFnt", live.InterFnt.ToBlock());
    return true;
}

std::span<const ColorRow> ColorRows()
{
    return kColorRows;
}

std::vector<FileChoice> FileChoices(std::string none, const DocString& kind, const std::string& folder,
                                    const std::vector<std::string>& names, const StringLookup& strings)
{
    struct Shipped {
        std::string_view file;
        DocString label;
    };
    static constexpr Shipped kShipped[] = {{"russian.lng", kRussianLanguageChoice},
                                           {"russian.kbd", kRussianLayoutChoice},
                                           {"gost.ttb", kGostTableChoice}};
    std::vector<FileChoice> choices{{std::move(none), ""}};
    for (const std::string& file : names) {
        const auto shipped = std::find_if(std::begin(kShipped), std::end(kShipped), [&](const Shipped& s) {
            return ToLowerCp1251(file) == s.file;
        });
        std::string name = file.substr(0, file.find('.'));
        if (!name.empty())
            name[0] = ToUpperCp1251(name[0]);
        const std::string label = shipped != std::end(kShipped) ? TextOf(shipped->label, strings)
                                                                : FillPlaceholder(TextOf(kind, strings), name);
        choices.push_back({label, folder + file});
    }
    return choices;
}

std::vector<std::string> FilesWithExtension(FileSystem& files, const std::string& folder, std::string_view extension)
{
    std::vector<std::string> names;
    const std::string wanted = ToLowerCp1251(extension);
    for (const FolderEntry& entry : files.ListFolder(folder).value_or(std::vector<FolderEntry>{})) {
        if (!entry.isFolder && entry.name.size() > wanted.size() &&
            ToLowerCp1251(std::string_view(entry.name).substr(entry.name.size() - wanted.size())) == wanted)
            names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::size_t ChoiceIndex(const std::vector<FileChoice>& choices, const std::string& file)
{
    const std::string wanted = ToLowerCp1251(file);
    for (std::size_t i = 1; i < choices.size(); ++i)
        if (ToLowerCp1251(choices[i].file) == wanted)
            return i;
    return 0;
}

void ReapplyPreferences(PreferencesTarget& target, const PreferencesOutcome& outcome)
{
    if (outcome.restartNeeded)
        target.ShowRestartMessage();
    target.ReloadClipLibraries();
    target.ReloadInterfaceLanguage();
    if (outcome.schemesChanged)
        target.ReloadHighlightSchemes();
    target.ReloadKeyboardLayout();
    target.ReloadOpenSaveTypes();
    target.RestartAutoSaveTimer();
    target.ReloadTranslitTable();
    target.ReloadTools();
    target.RebuildToolbar();
    if (outcome.interfaceFontChanged)
        target.ApplyInterfaceFont();
    target.ApplyOutputLook();
    target.RecalculateLayout();
    target.ChooseFileTypesAgain(outcome.schemesChanged); // the tools may have changed
    target.UpdateViews();
}
