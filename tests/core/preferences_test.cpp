#include "core/app/preferences.h"
#include "core/platform/profile_store.h"
#include "core/platform/settings_environment.h"
#include "support/fake_file_system.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class Folders : public SettingsEnvironment {
public:
    bool DirectoryExists(const std::string& path) const override { return existing.count(path) != 0; }
    bool ChangeDirectory(const std::string&) override { return false; }
    std::optional<std::string> CurrentDirectory() const override { return std::nullopt; }
    LogFont DefaultGuiFont() const override { return {}; }
    std::set<std::string> existing;
};

class Preferences : public ::testing::Test {
protected:
    AppSettings live;
    MemoryProfileStore store;
};

TEST_F(Preferences, GeneralPageTakesOverItsValuesAndKeepsTheRunningTabSize)
{
    AppSettings draft = PreferencesDraft(live);
    draft.AutoIndent = 0;
    draft.WrapMode = 1;
    draft.WrapByPosition = 72;
    draft.TabSize = 8;
    draft.DefaultExt = "md"; // another page's value: not this page's to write
    CommitSettingsPage(SettingsPage::General, store, draft, live);

    EXPECT_EQ(live.AutoIndent, 0);
    EXPECT_EQ(live.WrapMode, 1);
    EXPECT_EQ(store.GetInt("Editor", "WrapByPosition"), 72u);
    EXPECT_EQ(store.GetInt("Editor", "AutoIndent"), 0u);
    EXPECT_EQ(live.DefaultExt, "txt");
    EXPECT_FALSE(store.GetString("General", "DefaultExt"));
    // Open documents keep tab cells laid for 4 until the restart.
    EXPECT_EQ(live.TabSize, 4);
    EXPECT_EQ(store.GetInt("Editor", "TabSize"), 8u);
    EXPECT_TRUE(live.RestartNeeded);
    EXPECT_EQ(PreferencesDraft(live).TabSize, 8);

    // Back to the running size: nothing waits any more.
    live.RestartNeeded = 0;
    draft.TabSize = 4;
    CommitSettingsPage(SettingsPage::General, store, draft, live);
    EXPECT_EQ(store.GetInt("Editor", "TabSize"), 4u);
    EXPECT_EQ(live.TabSizeAtRestart, 0);
    EXPECT_EQ(PreferencesDraft(live).TabSize, 4);

    // The same size again asks for no restart.
    live.RestartNeeded = 0;
    CommitSettingsPage(SettingsPage::General, store, draft, live);
    EXPECT_FALSE(live.RestartNeeded);
}

TEST_F(Preferences, OtherPageAsksForARestartOnlyWhenTheRecentListSizeChanges)
{
    AppSettings draft = PreferencesDraft(live);
    draft.ToTray = 1;
    CommitSettingsPage(SettingsPage::Other, store, draft, live);
    EXPECT_FALSE(live.RestartNeeded);
    EXPECT_EQ(store.GetInt("General", "ToTray"), 1u);
    EXPECT_EQ(store.GetInt("General", "MRUmax"), 4u);

    draft.MRUmax = 9;
    CommitSettingsPage(SettingsPage::Other, store, draft, live);
    EXPECT_TRUE(live.RestartNeeded);
    EXPECT_EQ(store.GetInt("General", "MRUmax"), 9u);
}

TEST_F(Preferences, LanguagesPageWritesIntSwitchOnlyWhenTheUserChangedIt)
{
    AppSettings draft = PreferencesDraft(live);
    draft.InterfaceFile = "C:\\noveda\\russian.lng";
    CommitSettingsPage(SettingsPage::Languages, store, draft, live);
    EXPECT_EQ(store.GetString("General", "InterfaceFile"), "C:\\noveda\\russian.lng");
    EXPECT_EQ(store.GetString("General", "KbdLayoutFile"), "");
    EXPECT_FALSE(store.GetInt("General", "IntSwitch"));

    draft.IntSwitch = 0;
    CommitSettingsPage(SettingsPage::Languages, store, draft, live);
    EXPECT_EQ(live.IntSwitch, 0);
    EXPECT_EQ(store.GetInt("General", "IntSwitch"), 0u);
    EXPECT_TRUE(WindowsLayoutShown(live.IntSwitch, true));
    EXPECT_TRUE(WindowsLayoutShown(1, false));
    EXPECT_FALSE(WindowsLayoutShown(1, true));
}

TEST_F(Preferences, SavePageNeedsAnExistingBackupFolderAndDrivesAutoSave)
{
    Folders folders;
    folders.existing = {"C:\\bak"};
    AppSettings draft = PreferencesDraft(live);
    draft.CreateBak = BACKUP_IN_FOLDER;
    EXPECT_TRUE(BackupFolderMissing(draft, folders));
    draft.CreatePath = "C:\\gone";
    EXPECT_TRUE(BackupFolderMissing(draft, folders));
    draft.CreatePath = "C:\\bak";
    EXPECT_FALSE(BackupFolderMissing(draft, folders));
    draft.CreatePath.clear();
    draft.CreateBak = BACKUP_BESIDE; // the folder only matters for its own choice
    EXPECT_FALSE(BackupFolderMissing(draft, folders));

    draft.AutoSave = 5;
    CommitSettingsPage(SettingsPage::Save, store, draft, live);
    EXPECT_TRUE(live.AutoSaveActive);
    EXPECT_EQ(store.GetInt("General", "CreateBak"), 1u);
    EXPECT_EQ(store.GetInt("General", "AutoSave"), 5u);
    draft.AutoSave = 0;
    CommitSettingsPage(SettingsPage::Save, store, draft, live);
    EXPECT_FALSE(live.AutoSaveActive);
    EXPECT_EQ(AutoSaveMinutesShown(0), 10);
    EXPECT_EQ(AutoSaveMinutesShown(25), 25);
}

TEST_F(Preferences, AppearanceWritesTheInterfaceFontOnlyWhenItChanged)
{
    AppSettings draft = PreferencesDraft(live);
    draft.Colors[COLOR_COMMENT] = 0x123456;
    EXPECT_FALSE(CommitAppearance(store, draft, live));
    EXPECT_EQ(live.Colors[COLOR_COMMENT], 0x123456u);
    const auto colors = store.GetBinary("View", "Colors");
    ASSERT_TRUE(colors);
    ASSERT_EQ(colors->size(), 4u * COLOR_SLOT_COUNT);
    EXPECT_EQ((*colors)[4 * COLOR_COMMENT], 0x56);
    EXPECT_EQ((*colors)[4 * COLOR_COMMENT + 2], 0x12);
    EXPECT_TRUE(store.GetBinary("View", "Font"));
    EXPECT_TRUE(store.GetBinary("View", "OutFont"));
    EXPECT_FALSE(store.GetBinary("View", "InterFnt"));

    draft.InterFnt.height = -20;
    EXPECT_TRUE(CommitAppearance(store, draft, live));
    EXPECT_EQ(live.InterFnt.height, -20);
    EXPECT_EQ(store.GetBinary("View", "InterFnt"), live.InterFnt.ToBlock());
}

// Every slot is edited by exactly one row.
TEST(ColorRowsTable, CoverEverySlotOnce)
{
    std::vector<int> uses(COLOR_SLOT_COUNT, 0);
    std::uint32_t name = 7100;
    for (const ColorRow& row : ColorRows()) {
        EXPECT_EQ(row.name, name++);
        for (int slot : {row.textSlot, row.backgroundSlot})
            if (slot >= 0)
                ++uses[static_cast<std::size_t>(slot)];
    }
    EXPECT_EQ(name, 7115u);
    EXPECT_EQ(uses, std::vector<int>(COLOR_SLOT_COUNT, 1));
    EXPECT_EQ(ColorRows()[3].textSlot, COLOR_OUTPUT_TEXT);
    EXPECT_EQ(ColorRows()[14].textSlot, -1);
}

TEST(FileChoiceLists, NameTheFilesOfTheFolder)
{
    FakeFileSystem files;
    files.directories = {"C:", "C:\\noveda", "C:\\noveda\\old.kbd"};
    files.files = {{"C:\\noveda\\russian.KBD", ""}, {"C:\\noveda\\latin.v2.kbd", ""},
                   {"C:\\noveda\\notes.txt", ""}, {"C:\\noveda\\.kbd", ""}};
    const std::vector<std::string> names = FilesWithExtension(files, "C:\\noveda\\", ".kbd");
    EXPECT_EQ(names, (std::vector<std::string>{"latin.v2.kbd", "russian.KBD"}));
    EXPECT_TRUE(FilesWithExtension(files, "C:\\gone\\", ".kbd").empty());

    const auto choices = FileChoices("No internal layout", kLayoutChoice, "C:\\noveda\\", names, {});
    EXPECT_EQ(choices, (std::vector<FileChoice>{{"No internal layout", ""},
                                                {"Latin layout", "C:\\noveda\\latin.v2.kbd"},
                                                {"Russian layout", "C:\\noveda\\russian.KBD"}}));
    // The language file names the shipped files and the kinds of the others.
    const StringLookup russian = [](std::uint32_t id) -> std::optional<std::string> {
        if (id == kRussianLayoutChoice.id)
            return "RU";
        if (id == kLayoutChoice.id)
            return "(%s)";
        return std::nullopt;
    };
    EXPECT_EQ(FileChoices("-", kLayoutChoice, "C:\\noveda\\", names, russian),
              (std::vector<FileChoice>{{"-", ""}, {"(Latin)", "C:\\noveda\\latin.v2.kbd"}, {"RU", "C:\\noveda\\russian.KBD"}}));
    EXPECT_EQ(ChoiceIndex(choices, "c:\\NOVEDA\\russian.kbd"), 2u);
    EXPECT_EQ(ChoiceIndex(choices, "C:\\elsewhere\\russian.kbd"), 0u);
    EXPECT_EQ(ChoiceIndex(choices, ""), 0u);
}

class Recorder : public PreferencesTarget {
public:
    std::vector<std::string> steps;
    void ShowRestartMessage() override { steps.push_back("restart"); }
    void ReloadClipLibraries() override { steps.push_back("clips"); }
    void ReloadInterfaceLanguage() override { steps.push_back("language"); }
    void ReloadHighlightSchemes() override { steps.push_back("schemes"); }
    void ChooseFileTypesAgain(bool schemesChanged) override
    {
        steps.push_back(schemesChanged ? "documents and schemes" : "documents");
    }
    void ReloadKeyboardLayout() override { steps.push_back("keyboard"); }
    void ReloadOpenSaveTypes() override { steps.push_back("types"); }
    void RestartAutoSaveTimer() override { steps.push_back("timer"); }
    void ReloadTranslitTable() override { steps.push_back("translit"); }
    void ReloadTools() override { steps.push_back("tools"); }
    void RebuildToolbar() override { steps.push_back("toolbar"); }
    void ApplyInterfaceFont() override { steps.push_back("font"); }
    void ApplyOutputLook() override { steps.push_back("output"); }
    void RecalculateLayout() override { steps.push_back("layout"); }
    void UpdateViews() override { steps.push_back("views"); }
};

TEST(Reapplication, RunsInOrderAndSkipsWhatDidNotChange)
{
    Recorder all;
    ReapplyPreferences(all, {true, true, true});
    EXPECT_EQ(all.steps, (std::vector<std::string>{"restart", "clips", "language", "schemes", "keyboard", "types",
                                                   "timer", "translit", "tools", "toolbar", "font", "output",
                                                   "layout", "documents and schemes", "views"}));
    Recorder plain;
    ReapplyPreferences(plain, {});
    EXPECT_EQ(plain.steps, (std::vector<std::string>{"clips", "language", "keyboard", "types", "timer", "translit",
                                                     "tools", "toolbar", "output", "layout", "documents", "views"}));
}

} // namespace
