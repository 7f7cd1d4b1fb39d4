#include "core/app/small_dialogs.h"
#include "core/text/code_pages.h"

#include <gtest/gtest.h>

namespace {

TEST(ScopeDialogs, StartWithTheSelectionElseWhereTheLastRunWent)
{
    EXPECT_EQ(InitialScope(true, 1), Scope::Selection);
    EXPECT_EQ(InitialScope(false, 0), Scope::Document);
    EXPECT_EQ(InitialScope(false, 1), Scope::AllDocuments);
    EXPECT_EQ(WhereAfter(Scope::Document, 1), 0);
    EXPECT_EQ(WhereAfter(Scope::AllDocuments, 0), 1);
    EXPECT_EQ(WhereAfter(Scope::Selection, 1), 1); // a selection leaves it
}

TEST(ConvertDialog, ToStartsFromTheStoredChoiceButNeverAsFrom)
{
    EXPECT_EQ(InitialConvertTo(CP_WIN, CP_DOS, false), CP_DOS);
    EXPECT_EQ(InitialConvertTo(CP_WIN, CP_WIN, true), -1);      // the same: nothing chosen
    EXPECT_EQ(InitialConvertTo(CP_WIN, CP_WIN, false), CP_KOI8); // without a table: KOI8
    EXPECT_EQ(InitialConvertTo(CP_KOI8, -1, false), CP_WIN);     // or WIN from KOI8
    EXPECT_EQ(InitialConvertTo(CP_DOS, CP_TRANSLITE, false), CP_KOI8);
    EXPECT_EQ(InitialConvertTo(CP_DOS, CP_TRANSLITE, true), CP_TRANSLITE);
    EXPECT_EQ(InitialConvertTo(CP_DOS, 42, true), -1); // a stored value we do not know
}

TEST(RemoveTagsDialog, EachEditGivesItsFirstCharacterOrKeepsTheOld)
{
    EXPECT_EQ(TagCharsOf("{"), "<>");
    EXPECT_EQ(TagCharsOf("[]"), "[]");
    EXPECT_EQ(TagCharsFromEdits("<>", "{{", ""), "{>");
    EXPECT_EQ(TagCharsFromEdits("<>", "", "]"), "<]");
    EXPECT_EQ(TagCharsFromEdits("", "", ""), "<>");
}

TEST(GoToDialog, LinesAndPercentsOfTenLines)
{
    EXPECT_EQ(GoToTarget("0", false, 10), 0);  // line 1
    EXPECT_EQ(GoToTarget("50", false, 10), 4); // line 5
    EXPECT_EQ(GoToTarget("100", false, 10), 9);
    EXPECT_EQ(GoToTarget("1", true, 10), 0);
    EXPECT_EQ(GoToTarget("10", true, 10), 9);
    EXPECT_FALSE(GoToTarget("0", true, 10));
    EXPECT_FALSE(GoToTarget("11", true, 10));
    EXPECT_FALSE(GoToTarget("101", false, 10));
    EXPECT_FALSE(GoToTarget("five", true, 10));
    EXPECT_FALSE(GoToTarget("", true, 10));
    EXPECT_FALSE(GoToTarget("1,000", true, 5000));
    EXPECT_EQ(GoToTarget("40000", true, 50000), 39999); // beyond what 16 bits hold
    EXPECT_EQ(GoToRangeOf(true, 10).high, 10);
    EXPECT_EQ(GoToRangeOf(false, 10).high, 100);
}

TEST(GoToDialog, SwitchingModesConvertsTheValue)
{
    EXPECT_EQ(PercentOfLine(5, 10), 50);
    EXPECT_EQ(PercentOfLine(3, 7), 42);
    EXPECT_EQ(LineOfPercent(50, 10), 6);
    EXPECT_EQ(LineOfPercent(0, 10), 1);
    EXPECT_EQ(LineOfPercent(100, 10), 10); // not the line after the last
    EXPECT_EQ(PercentOfLine(2000000, 2000000), 100);
}

TEST(BookmarkList, EntriesNameTheLineFromOne)
{
    EXPECT_EQ(BookmarkEntry(41), "Line No:\t 000042");
    EXPECT_EQ(LineOfBookmarkEntry(BookmarkEntry(41)), 41);
    EXPECT_EQ(LineOfBookmarkEntry(BookmarkEntry(1234566)), 1234566);
    EXPECT_EQ(LineOfBookmarkEntry("Line No:"), -1);
    EXPECT_EQ(SelectionAfterDelete(1, 3), 1);
    EXPECT_EQ(SelectionAfterDelete(2, 2), 1); // the last went: the one before
    EXPECT_EQ(SelectionAfterDelete(0, 0), -1);
}

} // namespace
