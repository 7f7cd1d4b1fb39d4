// Interface strings, language files and the numbering of menu items.
#include "core/app/interface_language.h"
#include "core/platform/profile_store.h"
#include "core/platform/prompts.h"
#include "core/text/setup_file.h"
#include "support/fake_prompts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

namespace {

using Item = MenuItem;

// Menu 1102, the notification-area menu.
Menu TrayMenu()
{
    return {Item::Popup("Tray", {Item::Command(10033, "&Restore"), Item::Separator(), Item::Command(32781, "&Save All"),
                                 Item::Command(57664, "&About"), Item::Separator(), Item::Command(10032, "&Exit")})};
}

// A model of menu 129, with the lists the program fills at run time.
Menu DocumentMenu()
{
    MenuItem clipLibrary = Item::Popup("HTML snippets", {Item::Command(10200, "Table")});
    clipLibrary.clipLibrary = true;
    MenuItem bitmap = Item::Command(0, "");
    bitmap.bitmap = true;
    return {
        bitmap,
        Item::Popup("&File", {Item::Command(57600, "&New"), Item::Command(57601, "&Open..."), Item::Separator(),
                              Item::Popup("&Recent files", {Item::Command(57616, "none")}),
                              Item::Command(57665, "E&xit")}),
        Item::Popup("&View", {Item::Popup("View source &as", {Item::Command(10100, "Plain text"),
                                                              Item::Command(10101, "C++")}),
                              Item::Command(10021, "&Word wrap")}),
        Item::Popup("F&avorites", {Item::Command(10035, "&Add to favorites"), Item::Command(10036, "&Organize..."),
                                   Item::Separator(), Item::Command(10037, "C:\\a.txt"),
                                   Item::Command(10038, "C:\\b.txt")}),
        Item::Popup("&Actions", {clipLibrary, Item::Separator(), Item::Command(10019, "&Tabs -> spaces")}),
        Item::Popup("&Window", {Item::Command(57650, "&Cascade"), Item::Separator(),
                                Item::Command(65280, "1 a.txt")}),
    };
}

std::map<int, std::string> Numbers(Menu& menu, int base)
{
    std::map<int, std::string> numbers;
    for (const auto& [number, item] : NumberMenuItems(menu, base))
        numbers[number] = item->text;
    return numbers;
}

class FakeResources : public ResourceStrings {
public:
    std::optional<std::string> Load(std::uint32_t id) const override
    {
        if (id == 5001)
            return std::string("Save changes to %s ?");
        return std::nullopt;
    }
};

class FakeMenus : public InterfaceMenus {
public:
    FakeMenus()
    {
        for (const MenuNumbering& m : kInterfaceMenus)
            resource[m.menuId] = {Item::Popup("Menu", {Item::Command(1, "One"), Item::Command(2, "Two")})};
        resource[1102] = TrayMenu();
        resource[129] = DocumentMenu();
        live = resource;
    }
    Menu ResourceMenu(unsigned id) const override { return resource.at(id); }
    Menu LiveMenu(unsigned id) const override { return live.at(id); }
    void SetLiveMenu(unsigned id, const Menu& menu) override { live[id] = menu; }
    std::map<unsigned, Menu> resource;
    std::map<unsigned, Menu> live;
};

std::string WriteLanguageFile(const std::vector<std::string>& lines)
{
    const std::string path = (std::filesystem::temp_directory_path() / "noveda_test.lng").string();
    WriteSetupFile(path, lines);
    return path;
}

} // namespace

TEST(MenuNumbering, TrayMenuIsNumberedFromForty)
{
    Menu menu = TrayMenu();
    EXPECT_EQ(Numbers(menu, 40), (std::map<int, std::string>{
                                     {40, "Tray"}, {41, "&Restore"}, {42, "&Save All"}, {43, "&About"}, {44, "&Exit"}}));
}

TEST(MenuNumbering, StopsAtListsFilledAtRunTimeAndSkipsClipLibraries)
{
    Menu menu = DocumentMenu();
    EXPECT_EQ(Numbers(menu, 100), (std::map<int, std::string>{{100, "&File"},
                                                               {101, "&New"},
                                                               {102, "&Open..."},
                                                               {103, "&Recent files"},
                                                               {104, "E&xit"},
                                                               {105, "&View"},
                                                               {106, "View source &as"},
                                                               {107, "&Word wrap"},
                                                               {108, "F&avorites"},
                                                               {109, "&Add to favorites"},
                                                               {110, "&Organize..."},
                                                               {111, "&Actions"},
                                                               {112, "&Tabs -> spaces"},
                                                               {113, "&Window"},
                                                               {114, "&Cascade"}}));
}

TEST(LanguageFile, GivesMenuTextsAndStrings)
{
    auto reader = SetupReader::FromText("#Noveda setup file\r\n"
                                        "10 = &\xD4\xE0\xE9\xEB\r\n"
                                        "  5001 =  Save %s?\\Really?  \r\n"
                                        "200=last\r\n"
                                        "201=a string\r\n"
                                        "12=\r\n"
                                        "=no number\r\n"
                                        "x7=not a number\r\n"
                                        "-5=negative\r\n");
    ASSERT_TRUE(reader);
    LanguageTexts texts;
    ReadLanguageFile(*reader, texts);
    EXPECT_EQ(texts.menuTexts[10], "&\xD4\xE0\xE9\xEB");
    EXPECT_EQ(texts.menuTexts[200], "last");
    EXPECT_EQ(texts.menuTexts[12], "");
    EXPECT_EQ(texts.strings, (std::map<std::uint32_t, std::string>{{5001, "Save %s?\nReally?"}, {201, "a string"}}));
}

TEST(InterfaceLanguage, AFileReplacesStringsAndMenuTexts)
{
    FakeResources resources;
    FakeMenus menus;
    MemoryProfileStore store;
    FakePrompts prompts;
    InterfaceLanguage language(resources);
    EXPECT_EQ(language.GetInterfaceString(5001), "Save changes to %s ?");
    EXPECT_EQ(language.GetInterfaceString(8000), std::nullopt);

    const std::string file =
        WriteLanguageFile({"41=&\xC2\xEE\xF1\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC", "5001=\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC %s?",
                           "150=beyond menu 129", "8000=kept"});
    language.Apply(file, menus, store, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(language.BuiltInTexts());
    EXPECT_EQ(language.GetInterfaceString(5001), "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC %s?");
    EXPECT_EQ(language.GetInterfaceString(8000), "kept");
    EXPECT_EQ(menus.live[1102][0].items[0].text, "&\xC2\xEE\xF1\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC");
    EXPECT_EQ(menus.live[1102][0].items[2].text, "&Save All");
    EXPECT_EQ(menus.live[129], menus.resource[129]); // number 150 names no item

    // Back to English: the program's own texts and no replaced strings.
    language.Apply("", menus, store, prompts);
    EXPECT_TRUE(language.BuiltInTexts());
    EXPECT_EQ(menus.live, menus.resource);
    EXPECT_EQ(language.GetInterfaceString(5001), "Save changes to %s ?");
    EXPECT_EQ(language.GetInterfaceString(8000), std::nullopt);
    std::remove(file.c_str());
}

TEST(InterfaceLanguage, AMissingFileIsReportedAndForgotten)
{
    FakeResources resources;
    FakeMenus menus;
    MemoryProfileStore store;
    FakePrompts prompts;
    store.SetString("General", "InterfaceFile", "C:\\gone.lng");
    InterfaceLanguage language(resources);
    language.Apply("C:\\gone.lng", menus, store, prompts);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open interface file: C:\\gone.lng"});
    EXPECT_EQ(store.GetString("General", "InterfaceFile"), "");
    EXPECT_EQ(menus.live, menus.resource);
    EXPECT_TRUE(language.BuiltInTexts());
}
