#include "core/tools/clip_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

ClipLibrary Read(std::string_view text, int slot = 0)
{
    ClipLibrary library;
    library.Read(slot, text);
    return library;
}

TEST(ClipLibrary, ReadsTheNameItemsKeysAndTexts)
{
    const ClipLibrary lib = Read("#library_name = HTML tags \r\n"
                                 "#clip_key=ignored before any item\r\n"
                                 "#clip_name= Bold \r\n"
                                 "#clip_key=b\r\n"
                                 "#clip_key=bo\r\n"
                                 "\r\n"
                                 "<b>%selection%</b>  \r\n"
                                 "#clip_name=Separator\r\n"
                                 "#clip_name=SEPARATORS\r\n"
                                 "#clip_names=List\r\n"
                                 "  line1\t\r\n"
                                 "; a comment, wherever it stands\r\n"
                                 "\r\n"
                                 "  line2\r\n"
                                 "\r\n");
    ASSERT_TRUE(lib.loaded);
    EXPECT_EQ(lib.name, "HTML tags");
    EXPECT_EQ(lib.items, (std::vector<std::string>{"Bold", "List"}));
    EXPECT_TRUE(lib.abbreviations[0].starts_with("bo"));
    EXPECT_TRUE(lib.abbreviations[1].empty());
    EXPECT_EQ(lib.texts[0], "<b>%selection%</b>"); // blank lines before a snippet are dropped
    EXPECT_EQ(lib.texts[1], "  line1\r\n\r\n  line2\r\n");
    const Menu expected = {MenuItem::Command(10200, "Bold"), MenuItem::Separator(), MenuItem::Separator(),
                           MenuItem::Command(10201, "List")};
    EXPECT_EQ(lib.menu, expected);
}

TEST(ClipLibrary, RefusesFilesWithoutTheHeader)
{
    EXPECT_FALSE(Read("; comment first\n#library_name=x\n").loaded);
    EXPECT_FALSE(Read("").loaded);
    const ClipLibrary empty = Read("#library_name=Empty");
    EXPECT_TRUE(empty.loaded);
    EXPECT_TRUE(empty.menu.empty());
}

TEST(ClipLibrary, ReadsLongLinesInPieces)
{
    const std::string longLine(1500, 'x');
    const ClipLibrary lib = Read("#library_name=L\n#clip_name=Long\n" + longLine + "\n");
    EXPECT_EQ(lib.texts[0], std::string(1022, 'x') + "\r\n" + std::string(478, 'x'));
}

TEST(ClipLibrary, NumbersCommandsBySlotAndItem)
{
    EXPECT_EQ(ClipCommand(0, 0), 10200);
    EXPECT_EQ(ClipCommand(9, 199), 12199);
    EXPECT_EQ(ClipSlotOf(10400), 1);
    EXPECT_EQ(ClipItemOf(10401), 1);
    const ClipLibrary lib = Read("#library_name=S\n#clip_name=A\n#clip_name=B\n", 3);
    EXPECT_EQ(lib.menu[1].id, 10801u);
}

TEST(ClipLibraries, SkipMissingFilesWithoutLeavingGaps)
{
    const auto dir = std::filesystem::temp_directory_path() / "noveda_clip_test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "a.lib") << "#library_name=First\n#clip_name=One\ntext\n";
    std::ofstream(dir / "b.lib") << "#library_name=Second\n#clip_name=Two\nmore\n";
    std::array<std::string, kClipSlots> paths;
    paths[0] = (dir / "a.lib").string();
    paths[1] = (dir / "missing.lib").string();
    paths[3] = (dir / "b.lib").string();
    ClipLibraries libraries;
    EXPECT_EQ(libraries.LoadAll(paths), 2);
    EXPECT_EQ(libraries.slots[1].name, "Second");
    EXPECT_EQ(libraries.slots[1].menu[0].id, 10400u);
    EXPECT_EQ(libraries.SlotOf(10400), &libraries.slots[1]);
    EXPECT_EQ(libraries.SlotOf(10600), nullptr);
    EXPECT_EQ(libraries.SlotOf(12200), nullptr);

    Menu actions = {MenuItem::Popup("Old", {}), MenuItem::Separator(), MenuItem::Command(10019, "&Tabs -> spaces"),
                    MenuItem::Command(40016, "Trim")};
    libraries.PutIntoActionsMenu(actions);
    ASSERT_EQ(actions.size(), 5u);
    EXPECT_EQ(actions[0].text, "First");
    EXPECT_TRUE(actions[0].clipLibrary);
    EXPECT_EQ(actions[1].text, "Second");
    EXPECT_TRUE(actions[2].separator);
    EXPECT_EQ(actions[3].id, 10019u);
    std::filesystem::remove_all(dir);
}

} // namespace

namespace {

TEST(ClipLibrary, KeepsNoMoreItemsThanTheSlotHasIds)
{
    std::string text = "#library_name=Many\n";
    for (int i = 0; i < 205; ++i)
        text += "#clip_name=item" + std::to_string(i) + "\ntext\n";
    const ClipLibrary lib = Read(text, 2);
    EXPECT_EQ(lib.items.size(), 200u);
    EXPECT_EQ(lib.menu.back().id, static_cast<unsigned>(ClipCommand(2, 199)));
}

TEST(ClipLibrary, TheShippedLibraryLoads)
{
    ClipLibrary lib;
    ASSERT_TRUE(lib.Load(0, NOVEDA_DATA_DIR "/html.lib"));
    EXPECT_EQ(lib.name, "HTML");
    EXPECT_GE(lib.items.size(), 10u);
    EXPECT_TRUE(std::all_of(lib.texts.begin(), lib.texts.end(), [](const std::string& t) { return !t.empty(); }));
}

} // namespace
