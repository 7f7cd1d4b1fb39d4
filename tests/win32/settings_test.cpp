// The settings in the real registry (Wine's), under a key of the test's own.
#include "support/sample_settings.h"
#include "win32/app/registry_store.h"
#include "win32/app/win_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const char kTestRoot[] = "Software\\Kelmon\\NovedaTest";

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot); }

    // Stores a value of any type directly, as another program might have.
    void RawValue(const char* section, const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        const std::string path = std::string(kTestRoot) + "\\" + section;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    RegistryProfileStore store{kTestRoot};
};

} // namespace

TEST_F(RegistryStoreTest, KeepsEachKindOfValue)
{
    EXPECT_FALSE(store.GetInt("Editor", "TabSize"));
    EXPECT_FALSE(store.GetString("General", "DefaultExt"));
    EXPECT_FALSE(store.GetBinary("View", "Colors"));

    store.SetInt("Editor", "TabSize", 8);
    store.SetInt("General", "ConvertTo", 0xFFFFFFFF);
    store.SetString("General", "CreatePath", "C:\\\xCA\xEE\xEF\xE8\xE8");
    store.SetString("General", "TagChars", "");
    store.SetBinary("View", "Colors", Bytes{1, 2, 3, 0, 255});
    EXPECT_EQ(store.GetInt("Editor", "TabSize"), 8u);
    EXPECT_EQ(store.GetInt("General", "ConvertTo", 0), -1);
    EXPECT_EQ(store.GetString("General", "CreatePath"), "C:\\\xCA\xEE\xEF\xE8\xE8");
    EXPECT_EQ(store.GetString("General", "TagChars"), "");
    EXPECT_EQ(store.GetBinary("View", "Colors"), (Bytes{1, 2, 3, 0, 255}));

    // The values are where the shell extension and other tools look for them.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Kelmon\\NovedaTest\\Editor", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "TabSize", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 8u);
    RegCloseKey(key);
}

TEST_F(RegistryStoreTest, ValuesOfAnotherTypeCountAsMissing)
{
    RawValue("Editor", "TabSize", REG_SZ, "8", 2);
    RawValue("General", "DefaultExt", REG_DWORD, "\x01\x00\x00\x00", 4);
    RawValue("View", "Font", REG_SZ, "x", 2);
    RawValue("Editor", "WrapOn", REG_BINARY, "\x01\x00", 2);
    EXPECT_FALSE(store.GetInt("Editor", "TabSize"));
    EXPECT_FALSE(store.GetString("General", "DefaultExt"));
    EXPECT_FALSE(store.GetBinary("View", "Font"));
    EXPECT_FALSE(store.GetInt("Editor", "WrapOn"));

    WinSettingsEnvironment env;
    AppSettings loaded;
    LoadSettings(store, loaded, env);
    EXPECT_EQ(loaded.TabSize, 4);
    EXPECT_EQ(loaded.DefaultExt, "txt");
    EXPECT_EQ(loaded.Font, DefaultTextFont());
}

TEST_F(RegistryStoreTest, EverySectionRoundTrips)
{
    const AppSettings saved = SampleSettings();
    SaveAllSections(store, saved);
    WinSettingsEnvironment env;
    EXPECT_EQ(LoadAllSections(store, env), saved);
}

TEST(WinSettingsEnvironment, KnowsDirectoriesAndTheGuiFont)
{
    WinSettingsEnvironment env;
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_TRUE(env.DirectoryExists(windows));
    EXPECT_FALSE(env.DirectoryExists(std::string(windows) + "\\no such directory"));
    const auto current = env.CurrentDirectory();
    ASSERT_TRUE(current);
    EXPECT_TRUE(env.ChangeDirectory(windows));
    EXPECT_TRUE(env.ChangeDirectory(*current));
    EXPECT_FALSE(env.DefaultGuiFont().FaceName().empty());
}

TEST(StringTableResources, GivesTheProgramsStringsAsCp1251)
{
    StringTableResources resources;
    EXPECT_EQ(resources.Load(60001), "Save changes to %s ?");
    EXPECT_EQ(resources.Load(60002), "\xD0\xF3\xF1\xF1\xEA\xE8\xE9");
    EXPECT_EQ(resources.Load(60003), std::nullopt);
}
