#include "core/tools/tool_table.h"

#include <gtest/gtest.h>

TEST(ToolTable, FindsTheFirstToolNamingTheExtensionAsAWholeWord)
{
    const std::vector<ToolEntry> tools{{"cpp h", "g++ &f", 1}, {"c cpp", "cc &f", 0}, {"pl", "perl &f", 1}};
    EXPECT_EQ(FindTool(tools, "cpp "), &tools[0]); // the document's key carries a blank
    EXPECT_EQ(FindTool(tools, "h"), &tools[0]);
    EXPECT_EQ(FindTool(tools, "c "), &tools[1]);   // not the "cpp" of the first list
    EXPECT_EQ(FindTool(tools, "PL "), &tools[2]);  // keys are lower case, user lists may not be
    EXPECT_EQ(FindTool(tools, "p "), nullptr);
    EXPECT_EQ(FindTool(tools, "pp"), nullptr);
    EXPECT_EQ(FindTool(tools, " "), nullptr);
    EXPECT_EQ(FindTool(tools, ""), nullptr);
    EXPECT_EQ(FindTool({{"", "x", 1}}, ""), nullptr);
}

TEST(ToolTable, ExecuteStartsTheFirstToolOfTheFileNamesExtensionElseTheSystemsProgram)
{
    const std::vector<ToolEntry> tools{{"c cpp", "cc &f", 1}, {"bat", "cmd /c &f", 0}};
    const std::optional<ToolLaunch> compile = LaunchFor(tools, "C:\\src\\Main.CPP");
    ASSERT_TRUE(compile);
    EXPECT_EQ(compile->kind, ToolLaunch::Captured);
    EXPECT_EQ(compile->command, "cc C:\\src\\Main.CPP");
    const std::optional<ToolLaunch> batch = LaunchFor(tools, "C:\\x.bat");
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->kind, ToolLaunch::Detached);
    const std::optional<ToolLaunch> page = LaunchFor(tools, "C:\\site\\index.htm");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->kind, ToolLaunch::OpenWithShell);
    EXPECT_EQ(page->command, "C:\\site\\index.htm");
    // The dot of a folder is no extension.
    EXPECT_FALSE(LaunchFor(tools, "C:\\my.dir\\Makefile"));
    EXPECT_FALSE(LaunchFor(tools, ""));
}

TEST(ToolTable, ThePathTakesTheFirstAndfAsOneArgument)
{
    EXPECT_EQ(ToolCommandLine("make", "C:\\x.c"), "make");
    EXPECT_EQ(ToolCommandLine("cc &f -o &f.exe", "C:\\x.c"), "cc C:\\x.c -o &f.exe");
    EXPECT_EQ(ToolCommandLine("cc &f", "C:\\a b\\x.c"), "cc \"C:\\a b\\x.c\"");
    EXPECT_EQ(ToolCommandLine("cc \"&f\"", "C:\\a b\\x.c"), "cc \"C:\\a b\\x.c\"");
    EXPECT_EQ(ToolCommandLine("\"C:\\Program Files\\cc.exe\" &f", "C:\\a b\\x.c"),
              "\"C:\\Program Files\\cc.exe\" \"C:\\a b\\x.c\"");
}
