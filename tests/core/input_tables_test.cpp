// Keyboard layouts and transliteration tables, and the files that ship.
#include "core/platform/profile_store.h"
#include "core/settings/input_tables.h"
#include "core/settings/shipped_setup.h"
#include "core/settings/settings_io.h"
#include "core/text/code_pages.h"
#include "core/text/setup_file.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "support/fake_file_system.h"
#include "support/fake_prompts.h"
#include "support/sample_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const std::string kDataDir = NOVEDA_DATA_DIR;

KeyboardLayout Layout(const std::string& body)
{
    auto reader = SetupReader::FromText("#Noveda setup file\r\n" + body);
    KeyboardLayout layout;
    layout.ReadLayout(*reader);
    return layout;
}

} // namespace

TEST(KeyboardLayout, MapsTypedCharactersByTheFile)
{
    const KeyboardLayout layout = Layout("q\xE9 and the rest is ignored\r\n"
                                         "w\xF6\r\n"
                                         "w\xF7\r\n" // a later line replaces
                                         "\x01x\r\n" // control characters are never remapped
                                         "e\xF3\r\n"
                                         "e\r\n" // one byte: not remapped again
                                         " ;\xE6\r\n");
    EXPECT_EQ(layout.MapKey('q'), 0xE9);
    EXPECT_EQ(layout.MapKey('w'), 0xF7);
    EXPECT_EQ(layout.MapKey('e'), 'e');
    EXPECT_EQ(layout.MapKey(';'), 0xE6);
    EXPECT_EQ(layout.MapKey(0x01), 0x01);
    EXPECT_EQ(layout.MapKey(' '), ' ');
    EXPECT_EQ(layout.MapKey('z'), 'z');
    // What reaches a KOI8 view is the KOI8 byte of й.
    EXPECT_EQ(ConvertByte(layout.MapKey('q'), CP_WIN, CP_KOI8), 0xCA);
}

TEST(KeyboardLayout, AFileThatCannotBeReadIsReportedAndForgotten)
{
    MemoryProfileStore store;
    FakePrompts prompts;
    AppSettings settings;
    settings.KbdLayoutFile = "/no/such/layout.kbd";
    store.SetString("General", "KbdLayoutFile", settings.KbdLayoutFile);
    LoadKeyboardLayoutFile(store, settings, prompts);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open keyboard layout file: /no/such/layout.kbd"});
    EXPECT_EQ(settings.KbdLayoutFile, "");
    EXPECT_EQ(store.GetString("General", "KbdLayoutFile"), "");
    EXPECT_EQ(settings.keyboard.MapKey('q'), 'q');
}

TEST(KeyboardLayout, TheShippedRussianLayoutLoads)
{
    MemoryProfileStore store;
    FakePrompts prompts;
    AppSettings settings;
    settings.KbdLayoutFile = kDataDir + "/russian.kbd";
    LoadKeyboardLayoutFile(store, settings, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    const KeyboardLayout& layout = settings.keyboard;
    EXPECT_EQ(layout.MapKey('q'), 0xE9);           // й
    EXPECT_EQ(layout.MapKey('Q'), 0xC9);           // Й
    EXPECT_EQ(layout.MapKey(';'), 0xE6);           // ж
    EXPECT_EQ(layout.MapKey('`'), 0xB8);           // ё
    EXPECT_EQ(layout.MapKey('?'), ',');
    EXPECT_EQ(layout.MapKey('#'), 0xB9);           // №
    EXPECT_EQ(layout.MapKey('1'), '1');
}

class NoEnvironment : public SettingsEnvironment {
    bool DirectoryExists(const std::string&) const override { return false; }
    bool ChangeDirectory(const std::string&) override { return false; }
    std::optional<std::string> CurrentDirectory() const override { return std::nullopt; }
    LogFont DefaultGuiFont() const override { return {}; }
};

TEST(TranslitTables, LoadingTheSettingsNotesWhetherTheFileCanBeRead)
{
    NoEnvironment env;
    MemoryProfileStore store;
    AppSettings settings;
    store.SetString("General", "TranslitTableFile", kDataDir + "/gost.ttb");
    LoadSettings(store, settings, env);
    EXPECT_TRUE(settings.translit.available);
    EXPECT_EQ(settings.translit.maxLength, -1); // read on first use
    store.SetString("General", "TranslitTableFile", kDataDir + "/missing.ttb");
    LoadSettings(store, settings, env);
    EXPECT_FALSE(settings.translit.available);
}

TEST(TranslitTables, AreReadOnFirstUseAndAFailureIsReportedOnce)
{
    FakePrompts prompts;
    AppSettings settings;
    CheckTranslitTable(settings);
    EXPECT_FALSE(EnsureTranslitTable(settings, prompts)); // no file named

    settings.TranslitTableFile = kDataDir + "/gost.ttb";
    CheckTranslitTable(settings);
    EXPECT_TRUE(settings.translit.available);
    EXPECT_EQ(settings.translit.maxLength, -1);
    ASSERT_TRUE(EnsureTranslitTable(settings, prompts));
    EXPECT_EQ(settings.translit.entries[0x3E], "yu"); // ю
    std::string line = "\xD9\xE8 \xE4\xE0 \xEA\xE0\xF8\xE0"; // Щи да каша
    ToTranslit(line, settings.translit, CP_WIN, 0, -1);
    EXPECT_EQ(line, "Shhi da kasha");
    FromTranslit(line, settings.translit, CP_WIN, 0, -1, false);
    EXPECT_EQ(line, "\xD9\xE8 \xE4\xE0 \xEA\xE0\xF8\xE0");

    // The file went away after the check: one message, then silence.
    settings.TranslitTableFile = "/no/such/table.ttb";
    settings.translit.available = true;
    settings.translit.maxLength = -1;
    EXPECT_FALSE(EnsureTranslitTable(settings, prompts));
    EXPECT_FALSE(EnsureTranslitTable(settings, prompts));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open the transliteration table file"});

    // A file without the setup-file header line is refused with the message.
    const std::string headless = (std::filesystem::temp_directory_path() / "noveda-headless.ttb").string();
    std::ofstream(headless, std::ios::binary) << "\xE0=a\r\n";
    settings.TranslitTableFile = headless;
    CheckTranslitTable(settings);
    EXPECT_TRUE(settings.translit.available);
    prompts.messages.clear();
    EXPECT_FALSE(EnsureTranslitTable(settings, prompts));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open the transliteration table file"});
    std::filesystem::remove(headless);
}

// A fresh profile loads, as a start does, everything the program folder
// ships: F9 has a layout to switch to, Convert a table, the highlight
// schemes colour their files, and the Open box lists their types.
TEST(ShippedSetup, AFreshProfileUsesEveryShippedFile)
{
    FakeFileSystem files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kDataDir))
        files.files[kDataDir + "/" + entry.path().lexically_relative(kDataDir).generic_string()] = "";
    MemoryProfileStore store;
    ApplyShippedSetup(store, files, kDataDir + "/");

    NoEnvironment env;
    AppSettings settings = LoadAllSections(store, env);
    FakePrompts prompts;
    LoadKeyboardLayoutFile(store, settings, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(settings.keyboard.MapKey('l'), 0xE4); // д
    EXPECT_TRUE(EnsureTranslitTable(settings, prompts));

    ASSERT_EQ(settings.schemeEntries.size(), 10u);
    int defaultScheme = 0;
    const std::vector<HighlightScheme> schemes = LoadHighlightSchemes(settings.schemeEntries, defaultScheme);
    EXPECT_EQ(schemes.size(), 11u); // plain text and every shipped file, none dropped
    EXPECT_EQ(settings.schemeEntries[0].extensions, "c cpp cxx cc h hpp hxx");
    ASSERT_EQ(settings.openSaveTypes.size(), 10u);
    EXPECT_EQ(settings.openSaveTypes[0], (FileType{"C/C++ (*.c;*.cpp;*.cxx;*.cc;*.h;*.hpp;*.hxx)",
                                                   "*.c;*.cpp;*.cxx;*.cc;*.h;*.hpp;*.hxx"}));
    EXPECT_EQ(settings.openSaveTypes[9], (FileType{"TeX (*.tex;*.sty)", "*.tex;*.sty"}));

    ClipLibraries clips;
    EXPECT_EQ(clips.LoadAll(settings.Libfile), 1);
}

// A copy without the optional files registers only what it has.
TEST(ShippedSetup, OnlyFilesThatAreThereAreRegistered)
{
    FakeFileSystem files;
    files.files["C:\\N\\russian.kbd"] = "";
    files.files["C:\\N\\highlight\\sql.hgh"] = "";
    MemoryProfileStore store;
    ApplyShippedSetup(store, files, "C:\\N\\");
    EXPECT_EQ(store.GetString("General", "KbdLayoutFile"), "C:\\N\\russian.kbd");
    EXPECT_EQ(store.GetString("General", "TranslitTableFile"), std::nullopt);
    EXPECT_EQ(store.GetString("ClipLibs", "Libfile0"), std::nullopt);
    AppSettings settings;
    LoadHighlightSchemeEntries(store, settings);
    EXPECT_EQ(settings.schemeEntries, (std::vector<SchemeEntry>{{"sql", "C:\\N\\highlight\\sql.hgh"}}));
    LoadOpenSaveTypes(store, settings);
    EXPECT_EQ(settings.openSaveTypes, (std::vector<FileType>{{"SQL (*.sql)", "*.sql"}}));
}
