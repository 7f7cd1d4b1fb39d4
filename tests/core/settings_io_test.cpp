// Loading and saving the settings record through a profile store.
#include "core/platform/profile_store.h"
#include "core/settings/settings_io.h"
#include "support/sample_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class FakeEnvironment : public SettingsEnvironment {
public:
    bool DirectoryExists(const std::string& path) const override { return directories.count(path) != 0; }
    bool ChangeDirectory(const std::string& path) override
    {
        if (!DirectoryExists(path))
            return false;
        current = path;
        return true;
    }
    std::optional<std::string> CurrentDirectory() const override { return current; }
    LogFont DefaultGuiFont() const override
    {
        LogFont font;
        font.height = -11;
        font.SetFaceName("Tahoma");
        return font;
    }
    std::set<std::string> directories;
    std::string current = "C:\\start";
};

// A string literal with its NUL bytes.
template <std::size_t N>
std::string WithNuls(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}

// Remembers the order of every write.
class RecordingStore : public MemoryProfileStore {
public:
    void SetInt(std::string_view section, std::string_view name, std::uint32_t value) override
    {
        writes.push_back(std::string(section) + "/" + std::string(name));
        MemoryProfileStore::SetInt(section, name, value);
    }
    void SetString(std::string_view section, std::string_view name, std::string_view value) override
    {
        writes.push_back(std::string(section) + "/" + std::string(name));
        MemoryProfileStore::SetString(section, name, value);
    }
    std::vector<std::string> writes;
};

class SettingsTest : public ::testing::Test {
protected:
    AppSettings Loaded()
    {
        AppSettings settings;
        LoadSettings(store, settings, env);
        return settings;
    }
    MemoryProfileStore store;
    FakeEnvironment env;
};

} // namespace

TEST_F(SettingsTest, AnEmptyStoreGivesEveryDefault)
{
    // The record's own initial values are the defaults; an empty store
    // changes nothing but the two fonts that follow the system's.
    const AppSettings s = Loaded();
    AppSettings expected;
    expected.InterFnt = expected.OutFont = env.DefaultGuiFont();
    EXPECT_EQ(s, expected);
    EXPECT_EQ(env.current, "C:\\start");

    AppSettings more;
    LoadHighlightSchemeEntries(store, more);
    LoadOpenSaveTypes(store, more);
    LoadPrintSettings(store, more);
    LoadJustifySettings(store, more);
    LoadAutoSave(store, more);
    EXPECT_TRUE(more.schemeEntries.empty());
    EXPECT_EQ(more.DefaultScheme, 0);
    EXPECT_TRUE(more.openSaveTypes.empty());
    EXPECT_EQ(more.print, PrintSettings{});
    EXPECT_EQ(more.print.Header, "&L&f&R&d");
    EXPECT_EQ(more.print.Footer, "Page &p of &P");
    EXPECT_EQ(more.justify, JustifySettings{});
    EXPECT_EQ(more.justify.Right, 72);
    EXPECT_EQ(more.AutoSaveActive, 0);
    EXPECT_FALSE(ReadFramePlacement(store));
    EXPECT_EQ(ReadFirstViewPlacement(store), (WindowPlacement{3, 0, 0, 100, 200}));
}

TEST_F(SettingsTest, AFreshToolbarLayoutIsWrittenBack)
{
    const std::vector<std::uint8_t> expected{0,  1,  3,  4,  100, 7,  8,  100, 13, 11, 12, 9,  10,  100, 14,
                                             100, 15, 16, 44, 100, 28, 27, 100, 33, 34, 35, 36, 100, 32};
    EXPECT_EQ(LoadToolbarLayout(store).buttons, expected);
    EXPECT_EQ(store.GetInt("MainToolBar", "Size"), 29u);
    EXPECT_EQ(store.GetBinary("MainToolBar", "Data"), expected);

    // A Data block that does not match Size is replaced as well.
    store.SetInt("MainToolBar", "Size", 3);
    store.SetBinary("MainToolBar", "Data", {1, 2});
    EXPECT_EQ(LoadToolbarLayout(store).buttons, expected);

    store.SetInt("MainToolBar", "Size", 3);
    store.SetBinary("MainToolBar", "Data", {1, 100, 2});
    store.SetInt("MainToolBar", "LargeButtons", 1);
    const ToolbarLayout layout = LoadToolbarLayout(store);
    EXPECT_EQ(layout.buttons, (std::vector<std::uint8_t>{1, 100, 2}));
    EXPECT_EQ(layout.LargeButtons, 1);

    SaveToolbarLayout(store, {{5, 100, 100, 6}, 0});
    const ToolbarLayout saved = LoadToolbarLayout(store);
    EXPECT_EQ(saved.buttons, (std::vector<std::uint8_t>{5, 100, 100, 6}));
    EXPECT_EQ(saved.LargeButtons, 0);
}

TEST_F(SettingsTest, EverySectionRoundTrips)
{
    const AppSettings saved = SampleSettings();
    SaveAllSections(store, saved);
    EXPECT_EQ(LoadAllSections(store, env), saved);
}

TEST_F(SettingsTest, EncodingComesBackAsStoredWhenItIsACodePageOrDetect)
{
    for (std::uint32_t stored : {0u, 1u, 2u, 3u, 4u, 5u}) {
        store.SetInt("View", "Encoding", stored);
        EXPECT_EQ(Loaded().Encoding, stored);
    }
    for (std::uint32_t stored : {6u, 255u, 0xFFFFFFFFu}) {
        store.SetInt("View", "Encoding", stored);
        EXPECT_EQ(Loaded().Encoding, 4) << stored;
    }
}

TEST_F(SettingsTest, DamagedValuesGiveTheirDefaults)
{
    store.SetInt("Editor", "TabSize", 0);         // would break tab cells
    store.SetInt("Editor", "WrapByPosition", 300); // would not fit a byte
    store.SetString("Editor", "AutoIndent", "1"); // wrong type
    store.SetInt("General", "DefaultExt", 5);     // wrong type
    store.SetInt("General", "MRUmax", 0xFFFFFFFF);
    store.SetInt("Editor", "WrapOn", 7); // any non-zero flag is on
    store.SetBinary("View", "Colors", std::vector<std::uint8_t>(72, 0x11));
    store.SetBinary("View", "Font", std::vector<std::uint8_t>(59, 0x22));
    const AppSettings s = Loaded();
    EXPECT_EQ(s.TabSize, 4);
    EXPECT_EQ(s.WrapByPosition, 80);
    EXPECT_EQ(s.AutoIndent, 1);
    EXPECT_EQ(s.DefaultExt, "txt");
    EXPECT_EQ(s.MRUmax, 4);
    EXPECT_EQ(s.WrapOn, 1);
    EXPECT_EQ(s.Colors, DefaultColors());
    EXPECT_EQ(s.Font, DefaultTextFont());
}

TEST_F(SettingsTest, BackupsIntoAMissingDirectoryAreOffForThisRunOnly)
{
    store.SetInt("General", "CreateBak", 3);
    store.SetString("General", "CreatePath", "D:\\gone");
    EXPECT_EQ(Loaded().CreateBak, 0);
    EXPECT_EQ(store.GetInt("General", "CreateBak"), 3u);

    env.directories.insert("D:\\gone");
    EXPECT_EQ(Loaded().CreateBak, 3);
}

TEST_F(SettingsTest, TheLastDirectoryIsEnteredOnlyWithStoryDir)
{
    env.directories.insert("D:\\texts");
    store.SetString("General", "PrevDirPath", "D:\\texts");
    store.SetInt("General", "StoryDir", 0);
    Loaded();
    EXPECT_EQ(env.current, "C:\\start");
    store.SetInt("General", "StoryDir", 1);
    Loaded();
    EXPECT_EQ(env.current, "D:\\texts");
}

TEST_F(SettingsTest, SchemeEntriesStopAtTheFirstEmptyExtensionList)
{
    store.SetString("Extensions", "Ext0", "c cpp");
    store.SetString("Extensions", "DataFile0", "c.hgh");
    store.SetString("Extensions", "Ext1", "pas");
    store.SetString("Extensions", "DataFile1", "pas.hgh");
    store.SetString("Extensions", "Ext2", "");
    store.SetString("Extensions", "Ext3", "html");
    store.SetInt("Extensions", "Default", 9);
    AppSettings s;
    LoadHighlightSchemeEntries(store, s);
    ASSERT_EQ(s.schemeEntries.size(), 2u);
    EXPECT_EQ(s.schemeEntries[1].dataFile, "pas.hgh");
    EXPECT_EQ(s.DefaultScheme, 2);

    store.SetInt("Extensions", "Default", 0xFFFFFFFF);
    LoadHighlightSchemeEntries(store, s);
    EXPECT_EQ(s.DefaultScheme, 0);
}

TEST_F(SettingsTest, OpenBoxTypesAreThoseWithADescription)
{
    store.SetInt("OpenSave", "Count", 3);
    store.SetString("OpenSave", "TypeText1", "Text (*.txt)");
    store.SetString("OpenSave", "TypeExt1", "*.txt");
    store.SetString("OpenSave", "TypeText2", "");
    store.SetString("OpenSave", "TypeExt2", "*.skip");
    store.SetString("OpenSave", "TypeText3", "Web");
    store.SetString("OpenSave", "TypeExt3", "*.htm;*.html");
    AppSettings s;
    LoadOpenSaveTypes(store, s);
    EXPECT_EQ(s.openSaveTypes, (std::vector<FileType>{{"Text (*.txt)", "*.txt"}, {"Web", "*.htm;*.html"}}));

    store.SetInt("OpenSave", "Count", 0x7FFFFFFF); // a damaged count ends
    LoadOpenSaveTypes(store, s);
    EXPECT_EQ(s.openSaveTypes.size(), 2u);
}

TEST_F(SettingsTest, ToolExtensionsAreKeptInLowerCase)
{
    store.SetString("Execution", "Extension0", "CPP \xC4\xCE\xCA");
    store.SetString("Execution", "CmdLine0", "make &f");
    store.SetString("Execution", "Extension1", "bat");
    store.SetInt("Execution", "Capture1", 0);
    store.SetString("Execution", "Extension3", "unreached");
    AppSettings s;
    LoadSettings(store, s, env);
    ASSERT_EQ(s.tools.size(), 2u);
    EXPECT_EQ(s.tools[0], (ToolEntry{"cpp \xE4\xEE\xEA", "make &f", 1}));
    EXPECT_EQ(s.tools[1], (ToolEntry{"bat", "", 0}));
}

TEST_F(SettingsTest, TheFramePlacementNeedsAllFiveValues)
{
    store.SetInt("WinPos", "WinStatus", 1);
    store.SetInt("WinPos", "WinTop", 10);
    store.SetInt("WinPos", "WinLeft", 20);
    store.SetInt("WinPos", "WinBottom", 400);
    EXPECT_FALSE(ReadFramePlacement(store));
    store.SetInt("WinPos", "WinRight", 600);
    EXPECT_EQ(ReadFramePlacement(store), (WindowPlacement{1, 10, 20, 400, 600}));
}

TEST(SettingsAtClose, AreWrittenInTheirOrder)
{
    RecordingStore store;
    FakeEnvironment env;
    AppSettings settings;
    settings.DefaultScheme = 2;
    ClosingState closing;
    closing.frame = {1, 5, 6, 700, 800};
    closing.activeView = WindowPlacement{3, 0, 0, 100, 200};
    SaveSettingsAtClose(store, settings, closing, env);
    const std::vector<std::string> expected{
        "Editor/WrapOn",     "Editor/InsMode",  "View/ShowTabs",     "View/Encoding",   "WinPos/WinStatus",
        "WinPos/WinTop",     "WinPos/WinLeft",  "WinPos/WinBottom",  "WinPos/WinRight", "WinPos/ViewStatus",
        "WinPos/ViewTop",    "WinPos/ViewLeft", "WinPos/ViewBottom", "WinPos/ViewRight", "View/ToolBar",
        "View/StatusBar",    "View/LabelBar",   "View/InfoMode",     "General/Language", "General/TagChars",
        "General/PrevDirPath", "Find/MatchCase", "Find/MatchWhole",  "Find/RegExpr",    "Find/Direction",
        "Find/Where",        "Find/Recurcive",  "Extensions/Default"};
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.GetString("General", "PrevDirPath"), "C:\\start");
    EXPECT_EQ(store.GetInt("Extensions", "Default"), 2u);
}

TEST(SettingsAtClose, WithoutADocumentWindowOnlyItsStateIsWritten)
{
    RecordingStore store;
    FakeEnvironment env;
    store.SetInt("General", "StoryDir", 0); // read again from the store
    store.writes.clear();
    AppSettings settings;
    settings.StoryDir = 1;
    SaveSettingsAtClose(store, settings, ClosingState{}, env);
    EXPECT_EQ(std::count(store.writes.begin(), store.writes.end(), "WinPos/ViewStatus"), 1);
    EXPECT_EQ(std::count(store.writes.begin(), store.writes.end(), "WinPos/ViewTop"), 0);
    EXPECT_EQ(store.GetInt("WinPos", "ViewStatus"), 3u);
    EXPECT_EQ(std::count(store.writes.begin(), store.writes.end(), "General/PrevDirPath"), 0);

    // A current directory too long to be one the program set is stored empty.
    store.SetInt("General", "StoryDir", 1);
    env.current = "C:\\" + std::string(300, 'x');
    SaveSettingsAtClose(store, settings, ClosingState{}, env);
    EXPECT_EQ(store.GetString("General", "PrevDirPath"), "");
}

// Stored fonts are sized for a 96-DPI screen; a screen of 150 or 200 %
// takes them half again or twice as high, and a picked font comes back.
TEST(LogFontDpi, SizesFollowTheScreensDpiAndComeBack)
{
    LogFont font = DefaultTextFont(); // -12: 9 points at 96 DPI
    font.width = 7;
    EXPECT_EQ(font.AtDpi(96), font);
    EXPECT_EQ(font.AtDpi(144).height, -18);
    EXPECT_EQ(font.AtDpi(192).height, -24);
    EXPECT_EQ(font.AtDpi(192).width, 14);
    EXPECT_EQ(font.AtDpi(120).height, -15);
    LogFont odd = font;
    odd.height = -13;
    EXPECT_EQ(odd.AtDpi(144).height, -20); // -19.5 rounds away from zero
    EXPECT_EQ(odd.AtDpi(144).FromDpi(144).height, -13);
    EXPECT_EQ(font.AtDpi(192).FromDpi(192), font);
    EXPECT_EQ(font.AtDpi(192).FaceName(), "Courier New");
    LogFont cell = font;
    cell.height = 16; // a cell height scales as well
    EXPECT_EQ(cell.AtDpi(144).height, 24);
    EXPECT_EQ(font.FromDpi(0), font.FromDpi(1)); // a DPI of nothing divides by one
}
