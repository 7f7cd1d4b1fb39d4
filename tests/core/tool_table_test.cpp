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
