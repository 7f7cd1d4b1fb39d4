#include "core/app/dialog_rules.h"
#include "core/platform/profile_store.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(DialogRules, LongTitlesKeepTheirFileName)
{
    const std::string forty = "C:\\a\\very\\long\\folders\\name\\report.txt";
    ASSERT_EQ(forty.size(), 38u);
    EXPECT_EQ(SaveQuestionTitle(forty), "...\\report.txt");
    EXPECT_EQ(SaveQuestionTitle("untitled1.txt"), "untitled1.txt");
    EXPECT_EQ(SaveQuestionTitle(std::string(30, 'x')), std::string(30, 'x'));
    EXPECT_EQ(SaveQuestionTitle(std::string(31, 'x')), "..." + std::string(31, 'x')); // no backslash
}

TEST(DialogRules, DefaultExtensionFromTheChosenPattern)
{
    EXPECT_EQ(DefaultExtensionForPattern("*.txt;*.doc"), "txt");
    EXPECT_EQ(DefaultExtensionForPattern("*.html"), "htm");
    EXPECT_EQ(DefaultExtensionForPattern("*.*"), "");
    EXPECT_EQ(DefaultExtensionForPattern("readme"), "");
}

TEST(DialogRules, OneOrSeveralChosenFiles)
{
    EXPECT_EQ(SplitOpenFileNames("C:\\dir\\one.txt\0\0"s), std::vector<std::string>{"C:\\dir\\one.txt"});
    EXPECT_EQ(SplitOpenFileNames("C:\\dir\0a.txt\0b.txt\0\0"s),
              (std::vector<std::string>{"C:\\dir\\a.txt", "C:\\dir\\b.txt"}));
    EXPECT_EQ(SplitOpenFileNames("C:\\\0a.txt\0b.txt\0\0"s), (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
    EXPECT_TRUE(SplitOpenFileNames("\0\0"s).empty());
}

TEST(DialogRules, TheFirstStartWritesVersionAndProgramPath)
{
    MemoryProfileStore store;
    EXPECT_TRUE(RecordStart(store, "C:\\Program Files\\Noveda\\"));
    EXPECT_EQ(store.GetInt("General", "Version"), 310u);
    EXPECT_EQ(store.GetString("General", "ExecPath"), "C:\\Program Files\\Noveda\\noveda.exe");
    EXPECT_FALSE(RecordStart(store, "D:\\elsewhere\\"));
    EXPECT_EQ(store.GetString("General", "ExecPath"), "C:\\Program Files\\Noveda\\noveda.exe");

    MemoryProfileStore older;
    older.SetInt("General", "Version", 300);
    EXPECT_FALSE(RecordStart(older, "C:\\N\\"));
    EXPECT_EQ(older.GetInt("General", "Version"), 310u);
    EXPECT_EQ(older.GetString("General", "ExecPath"), std::nullopt);
}
