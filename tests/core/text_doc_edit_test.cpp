// The editing primitives: what each change does to lines, cells and flags.
#include "doc_fixture.h"

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST_F(DocTest, GetTextJoinsLinesWithCrLfAndTurnsCellsIntoTabs)
{
    SetLines({"ab\tc", "middle", "xyz"});
    EXPECT_EQ(doc.GetText(TextPos{1, 0}, TextPos{2, 2}), "b\tc\r\nmiddle\r\nxy");
    EXPECT_EQ(doc.GetText(TextPos{1, 1}, TextPos{3, 1}), "id");
    // Beyond the text: clamped to the last line and its length.
    EXPECT_EQ(doc.GetText(TextPos{0, 2}, TextPos{99, 99}), "xyz");
    EXPECT_EQ(doc.GetText(TextPos{2, 1}, TextPos{1, 1}), "");
}

TEST_F(DocTest, InsertTextSplitsAtCrAndSkipsOneLfBehindIt)
{
    SetLines({"abcd"});
    TextPos pos{2, 0};
    doc.InsertText(pos, "1\r\n2\r3\n4\r\n", true);
    // A lone LF stays in the line as an ordinary byte.
    EXPECT_EQ(Stored(), (Lines{"ab1", "2", "3\n4", "cd"}));
    EXPECT_EQ(pos, (TextPos{0, 3}));
    EXPECT_TRUE(doc.IsModified());
    for (int i = 0; i < doc.GetLineCount(); ++i)
        EXPECT_EQ(doc.GetLineState(i), LINE_STATE_UNKNOWN);
}

TEST_F(DocTest, InsertTextLaysTabCellsFromTheirColumn)
{
    settings.TabSize = 4;
    SetLines({"ab"});
    TextPos pos{2, 0};
    doc.InsertText(pos, "\tx", false);
    EXPECT_EQ(doc.GetLine(0), "ab\x07\x06"s "x");
    EXPECT_EQ(pos, (TextPos{5, 0}));

    // The text behind the insertion moves its tab to the next stop.
    SetLines({"a\tb"});
    pos = TextPos{1, 0};
    doc.InsertText(pos, "xyz", false);
    EXPECT_EQ(doc.GetLine(0), "axyz\x07\x06\x06\x06"s "b");
    EXPECT_EQ(pos, (TextPos{4, 0}));

    // Last line of a multi-line insert: its tab cells are re-laid too.
    SetLines({"\tq"});
    pos = TextPos{0, 0};
    doc.InsertText(pos, "1\r\nab", false);
    EXPECT_EQ(Stored(), (Lines{"1", "ab\x07\x06"s "q"}));
    EXPECT_EQ(pos, (TextPos{2, 1}));
}

TEST_F(DocTest, InsertTextKeepsNulBytes)
{
    SetLines({""});
    TextPos pos{0, 0};
    doc.InsertText(pos, std::string("a\0b", 3), false);
    EXPECT_EQ(doc.GetLine(0), std::string("a\0b", 3));
    EXPECT_EQ(AllText(), std::string("a\0b", 3));
}

TEST_F(DocTest, PastingIntoABookmarkedLineRemovesItsBookmarkTypingDoesNot)
{
    SetLines({"one", "two"});
    doc.ToggleBookmark(0);
    doc.ToggleBookmark(1);
    doc.InsertChar(TextPos{1, 0}, 'x');
    EXPECT_TRUE(doc.IsBookmarked(0));
    TextPos pos{1, 1};
    doc.InsertText(pos, "y", true);
    EXPECT_FALSE(doc.IsBookmarked(1));
    EXPECT_TRUE(doc.IsBookmarked(0));
    EXPECT_EQ(doc.GetBookmarkCount(), 1);
}

TEST_F(DocTest, DeleteAcrossThreeLinesKeepsOnlyTheFirstLinesBookmark)
{
    SetLines({"first", "second", "third", "after"});
    for (int i = 0; i < 4; ++i)
        doc.ToggleBookmark(i);
    for (int i = 0; i < 4; ++i)
        doc.SetLineState(i, 2);
    doc.DeleteText(TextPos{2, 0}, TextPos{3, 2}, true);
    EXPECT_EQ(Stored(), (Lines{"fird", "after"}));
    EXPECT_TRUE(doc.IsBookmarked(0));
    EXPECT_TRUE(doc.IsBookmarked(1));
    EXPECT_EQ(doc.GetBookmarkCount(), 2);
    EXPECT_EQ(doc.GetLineState(0), LINE_STATE_UNKNOWN);
    EXPECT_EQ(doc.GetLineState(1), LINE_STATE_UNKNOWN);
}

TEST_F(DocTest, DeleteTextReLaysTheJoinedLine)
{
    settings.TabSize = 4;
    SetLines({"abcdef", "x\ty"});
    doc.DeleteText(TextPos{1, 0}, TextPos{0, 1}, false);
    EXPECT_EQ(Stored(), (Lines{"ax\x07\x06"s "y"}));

    // Positions beyond the text are clamped; a reversed range is the same range.
    SetLines({"abc", "def"});
    doc.DeleteText(TextPos{99, 1}, TextPos{2, 0}, false);
    EXPECT_EQ(Stored(), (Lines{"ab"}));
    doc.DeleteText(TextPos{1, 0}, TextPos{1, 0}, true);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(DocTest, InsertCharLaysTheLineAgain)
{
    settings.TabSize = 4;
    SetLines({"a\tb"});
    doc.InsertChar(TextPos{0, 0}, 'x');
    EXPECT_EQ(doc.GetLine(0), "xa\x07\x06"s "b");
    doc.InsertChar(TextPos{1, 0}, 'y');
    EXPECT_EQ(doc.GetLine(0), "xya\x07"s "b");
    doc.InsertChar(TextPos{0, 0}, '\t');
    EXPECT_EQ(doc.GetLine(0), "\x07\x06\x06\x06"s "xya\x07"s "b");
    doc.InsertChar(TextPos{99, 99}, 'z');
    EXPECT_EQ(doc.GetLine(0).back(), 'z');
}

TEST_F(DocTest, OverwriteReplacesOneCellOrInsertsAtTheEnd)
{
    settings.TabSize = 4;
    SetLines({"ab\tc"});
    doc.OverwriteChar(TextPos{0, 0}, 'X');
    EXPECT_EQ(doc.GetLine(0), "Xb\x07\x06"s "c");
    doc.OverwriteChar(TextPos{2, 0}, 'Y'); // over the tab: its fills go
    EXPECT_EQ(doc.GetLine(0), "XbYc");
    doc.OverwriteChar(TextPos{4, 0}, 'Z');
    EXPECT_EQ(doc.GetLine(0), "XbYcZ");
    doc.OverwriteChar(TextPos{0, 0}, '\t'); // a TAB is inserted, not overwritten
    EXPECT_EQ(doc.GetLine(0), "\x07\x06\x06\x06"s "XbYcZ");
}

TEST_F(DocTest, DeleteCharRemovesACellOrJoinsLines)
{
    settings.TabSize = 4;
    SetLines({"a\tb", "cd", "ef"});
    doc.ToggleBookmark(1);
    EXPECT_FALSE(doc.DeleteChar(TextPos{1, 0}));
    EXPECT_EQ(doc.GetLine(0), "ab");
    EXPECT_TRUE(doc.DeleteChar(TextPos{2, 0}));
    EXPECT_EQ(Stored(), (Lines{"abcd", "ef"}));
    EXPECT_EQ(doc.GetBookmarkCount(), 0);
    // At the end of the last line there is nothing to delete.
    EXPECT_FALSE(doc.DeleteChar(TextPos{2, 1}));
    EXPECT_EQ(Stored(), (Lines{"abcd", "ef"}));
}

TEST_F(DocTest, SplitLineMovesTheRestToANewLine)
{
    settings.TabSize = 4;
    SetLines({"ab\tc", "next"});
    doc.ToggleBookmark(0);
    TextPos pos{1, 0};
    doc.SplitLine(pos);
    EXPECT_EQ(Stored(), (Lines{"a", "b\x07\x06\x06"s "c", "next"}));
    EXPECT_EQ(pos, (TextPos{0, 1}));
    EXPECT_TRUE(doc.IsBookmarked(0));
    EXPECT_FALSE(doc.IsBookmarked(1));
    EXPECT_EQ(doc.GetLineState(1), LINE_STATE_UNKNOWN);
}

TEST_F(DocTest, IndentPutsOneTabStopInFrontOfEachLine)
{
    settings.TabSize = 4;
    SetLines({"a\tb", "", "c"});
    doc.IndentLines(0, 99, TextPos{}, true);
    EXPECT_EQ(Stored(), (Lines{"\x07\x06\x06\x06"s "a\x07\x06\x06"s "b", "\x07\x06\x06\x06"s, "\x07\x06\x06\x06"s "c"}));

    settings.FillTabs = 1;
    SetLines({"x"});
    doc.IndentLines(0, 0, TextPos{}, false);
    EXPECT_EQ(doc.GetLine(0), "    x");
}

TEST_F(DocTest, UnindentRemovesUpToOneTabStopOfBlanks)
{
    settings.TabSize = 4;
    SetLines({"      six", "\t\tx", "  y", "z", "", " \x06q"});
    doc.UnindentLines(0, 99, TextPos{}, true);
    EXPECT_EQ(Stored(), (Lines{"  six", "\x07\x06\x06\x06"s "x", "y", "z", "", "q"}));

    // A cut through a tab cell leaves a tab behind.
    settings.TabSize = 2;
    doc.DeleteContents();
    doc.AppendLine("  \x06\x06"s "w"); // cells laid for a wider tab
    doc.UnindentLines(0, 0, TextPos{}, false);
    EXPECT_EQ(doc.GetLine(0), "\x07\x06"s "w");
}
