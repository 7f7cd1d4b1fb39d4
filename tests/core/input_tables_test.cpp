// Keyboard layouts and transliteration tables, and the files that ship.
#include "core/platform/profile_store.h"
#include "core/settings/input_tables.h"
#include "core/settings/settings_io.h"
#include "core/text/code_pages.h"
#include "core/text/setup_file.h"
#include "support/fake_prompts.h"

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

TEST(TranslitTables, LoadingTheSettingsNotesWhetherTheFileCanBeRead)
{
    class NoEnvironment : public SettingsEnvironment {
        bool DirectoryExists(const std::string&) const override { return false; }
        bool ChangeDirectory(const std::string&) override { return false; }
        std::optional<std::string> CurrentDirectory() const override { return std::nullopt; }
        LogFont DefaultGuiFont() const override { return {}; }
    } env;
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
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error opening translite table data file"});

    // A file without the setup-file header line is refused with the message.
    const std::string headless = (std::filesystem::temp_directory_path() / "noveda-headless.ttb").string();
    std::ofstream(headless, std::ios::binary) << "\xE0=a\r\n";
    settings.TranslitTableFile = headless;
    CheckTranslitTable(settings);
    EXPECT_TRUE(settings.translit.available);
    prompts.messages.clear();
    EXPECT_FALSE(EnsureTranslitTable(settings, prompts));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error opening translite table data file"});
    std::filesystem::remove(headless);
}
