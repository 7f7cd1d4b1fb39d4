#include "core/text/code_pages.h"
#include "view_fixture.h"

#include <random>

namespace {

class ViewKeys : public ViewTest {
protected:
    void Type(std::string_view text)
    {
        for (const char c : text)
            view->OnChar(static_cast<unsigned char>(c), false, false);
    }
    void Key(int key, bool shift = false, bool ctrl = false) { view->OnKeyDown(key, shift, ctrl); }
    void Caret(int col, int line)
    {
        view->MoveCaretTo(line, col);
    }
};

TEST_F(ViewKeys, AutoBracketClosesInBothModes)
{
    settings.AutoBracket = 1;
    Show({"xy"});
    Caret(1, 0);
    Type("(");
    EXPECT_EQ(doc.GetLine(0), "x()y");
    EXPECT_EQ(view->Caret(), (TextPos{2, 0}));
    settings.InsMode = 0;
    Show({"xyz"});
    Caret(1, 0);
    Type("[");
    EXPECT_EQ(doc.GetLine(0), "x[]z"); // "[" over the y, then the closer inserted
    EXPECT_EQ(view->Caret(), (TextPos{2, 0}));
}

TEST_F(ViewKeys, FillTabsTypesSpacesToTheNextStop)
{
    settings.FillTabs = 1;
    Show({"a"});
    Caret(1, 0);
    Type("\t");
    EXPECT_EQ(doc.GetLine(0), "a   ");
    EXPECT_EQ(view->Caret(), (TextPos{4, 0}));
    settings.FillTabs = 0;
    Type("\t");
    EXPECT_EQ(doc.GetLine(0), "a   \x07\x06\x06\x06");
    EXPECT_EQ(view->Caret(), (TextPos{8, 0})); // Right skips the fill cells
}

TEST_F(ViewKeys, EnterIndentsLikeTheLineAbove)
{
    Show({"  \tx"});
    Caret(5, 0);
    Key(KEY_RETURN);
    EXPECT_EQ(doc.GetLine(1), "  \x07\x06");
    EXPECT_EQ(view->Caret(), (TextPos{4, 1}));
    settings.AutoIndent = 0;
    Key(KEY_RETURN);
    EXPECT_EQ(doc.GetLine(2), "");
    EXPECT_EQ(view->TotalRows(), 3);
    EXPECT_EQ(view->Rows().caretRowIndex, 2);
}

TEST_F(ViewKeys, OverwriteEnterMovesAndOnlySplitsTheLastRow)
{
    settings.InsMode = 0;
    Show({"abc", "def"});
    Caret(1, 0);
    Key(KEY_RETURN);
    EXPECT_EQ(view->Caret(), (TextPos{0, 1}));
    EXPECT_EQ(doc.GetLineCount(), 2);
    Caret(1, 1);
    Key(KEY_RETURN);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"abc", "d", "ef"}));
}

TEST_F(ViewKeys, HomeStopsAtTheTextThenAtTheRowStart)
{
    Show({"    text"});
    Caret(6, 0);
    Key(KEY_HOME);
    EXPECT_EQ(view->Caret().col, 4);
    Key(KEY_HOME);
    EXPECT_EQ(view->Caret().col, 0);
    Key(KEY_HOME);
    EXPECT_EQ(view->Caret().col, 0);
    Key(KEY_END);
    EXPECT_EQ(view->Caret().col, 8);
}

TEST_F(ViewKeys, EndStopsAtTheLastCellOfAWrappedRow)
{
    settings.WrapMode = 1;
    settings.WrapByPosition = 10;
    Show({"aaaa bbbb cccc"});
    Caret(2, 0);
    Key(KEY_END);
    EXPECT_EQ(view->Caret().col, 9);
    Key(KEY_DOWN);
    EXPECT_EQ(view->Caret().col, 14); // the kept column is beyond the short last row
    Key(KEY_HOME);
    EXPECT_EQ(view->Caret().col, 10);
}

TEST_F(ViewKeys, ArrowsStepOverTabCellsAndKeepTheColumn)
{
    Show({"abc", "a\tb", "abcdef"});
    Caret(1, 1);
    Key(KEY_RIGHT);
    EXPECT_EQ(view->Caret().col, 4);
    Key(KEY_LEFT);
    EXPECT_EQ(view->Caret().col, 1);
    Caret(2, 0);
    Key(KEY_DOWN);
    EXPECT_EQ(view->Caret(), (TextPos{1, 1})); // column 2 is inside the tab
    Key(KEY_DOWN);
    EXPECT_EQ(view->Caret(), (TextPos{2, 2})); // the kept column comes back
    Key(KEY_RIGHT);
    Key(KEY_UP);
    Key(KEY_UP);
    EXPECT_EQ(view->Caret(), (TextPos{3, 0}));
    Key(KEY_UP); // the first row: nothing
    EXPECT_EQ(view->Caret(), (TextPos{3, 0}));
    Key(KEY_RIGHT);
    EXPECT_EQ(view->Caret(), (TextPos{0, 1})); // past the end to the next line
    Key(KEY_LEFT);
    EXPECT_EQ(view->Caret(), (TextPos{3, 0}));
}

TEST_F(ViewKeys, CtrlArrowsMoveByWords)
{
    Show({"one, two three"});
    Caret(14, 0);
    Key(KEY_LEFT, false, true);
    EXPECT_EQ(view->Caret().col, 9);
    Key(KEY_LEFT, false, true);
    EXPECT_EQ(view->Caret().col, 5);
    Key(KEY_RIGHT, false, true);
    EXPECT_EQ(view->Caret().col, 9);
    Key(KEY_NEXT, false, true);
    EXPECT_EQ(view->Caret().col, 14);
    Key(KEY_PRIOR, false, true);
    EXPECT_EQ(view->Caret(), (TextPos{0, 0}));
}

TEST_F(ViewKeys, CtrlBackspaceDeletesTheWordBeforeTheCaret)
{
    Show({"one two"});
    Caret(7, 0);
    Key(KEY_BACK, false, true);
    EXPECT_EQ(doc.GetLine(0), "one ");
    Key(KEY_BACK);
    EXPECT_EQ(doc.GetLine(0), "one");
    Caret(0, 0);
    Key(KEY_BACK); // at the start: nothing
    EXPECT_EQ(doc.GetLine(0), "one");
}

TEST_F(ViewKeys, TypingStoresTheBytesOfTheViewsCodePage)
{
    Show({""});
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    Type("\xCF"); // П
    EXPECT_EQ(doc.GetLine(0), "\xF0");
    Type(std::string(1, '\x1F'));
    EXPECT_EQ(doc.GetLine(0), "\xF0\x1F"); // code 31 goes in
    for (int code = 1; code <= 30; ++code)
        if (code != 9)
            view->OnChar(code, false, false);
    view->OnChar(127, false, true); // Ctrl+Backspace's character
    EXPECT_EQ(doc.GetLine(0), "\xF0\x1F");
}

TEST_F(ViewKeys, TheRussianLayoutMapsTypedKeys)
{
    ASSERT_TRUE(settings.keyboard.LoadLayout(NOVEDA_DATA_DIR "/russian.kbd"));
    settings.Language = 1;
    Show({""});
    Type("q");
    EXPECT_EQ(doc.GetLine(0), "\xE9"); // й
    settings.IntSwitch = 0; // the Windows layout
    Type("q");
    EXPECT_EQ(doc.GetLine(0), "\xE9q");
}

TEST_F(ViewKeys, TypedCharactersUndoTogether)
{
    Show({"x"});
    Type("abc");
    EXPECT_EQ(doc.GetLine(0), "abcx");
    view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(doc.GetLine(0), "x");
    EXPECT_EQ(view->Caret(), (TextPos{0, 0}));
    view->OnCommand(ID_EDIT_REDO);
    EXPECT_EQ(doc.GetLine(0), "abcx");
}

TEST_F(ViewKeys, TypingOverASelectionReplacesOrDropsIt)
{
    Show({"abcdef"});
    Select({1, 0}, {4, 0});
    Type("X");
    EXPECT_EQ(doc.GetLine(0), "aXef");
    settings.InputEraseSelect = 0;
    Select({0, 0}, {2, 0});
    Type("Y");
    EXPECT_EQ(doc.GetLine(0), "aXYef");
    EXPECT_FALSE(Selected());
}

TEST_F(ViewKeys, ShiftArrowsSelectAndDeleteRemovesTheSelection)
{
    Show({"abcdef"});
    Key(KEY_RIGHT, true);
    Key(KEY_RIGHT, true);
    Key(KEY_RIGHT, true);
    Key(KEY_LEFT, true);
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{2, 0}));
    Key(KEY_DELETE);
    EXPECT_EQ(doc.GetLine(0), "cdef");
    EXPECT_EQ(view->Caret(), (TextPos{0, 0}));
    EXPECT_FALSE(Selected());
}

TEST_F(ViewKeys, DeleteJoinsLinesAndCountsRowsAgainAtFiveHundred)
{
    SetLines({});
    for (int i = 0; i < 501; ++i)
        doc.AppendLine("x");
    Start();
    Caret(1, 0);
    Key(KEY_DELETE);
    EXPECT_EQ(doc.GetLineCount(), 500);
    EXPECT_EQ(doc.GetLine(0), "xx");
    EXPECT_EQ(view->TotalRows(), 500);
    Caret(2, 499);
    Key(KEY_DELETE); // the end of the last line: nothing
    EXPECT_EQ(doc.GetLineCount(), 500);
}

TEST_F(ViewKeys, InsertFlipsTheModeForAllViews)
{
    Show({"a"});
    Key(KEY_INSERT);
    EXPECT_EQ(settings.InsMode, 0);
    EXPECT_EQ(host.caretSize, (Point{8, 16}));
    Key(KEY_INSERT);
    EXPECT_EQ(host.caretSize, (Point{2, 16}));
}

TEST_F(ViewKeys, DeleteLineTakesTheWholeLine)
{
    Show({"one", "two", "three"});
    Caret(2, 1);
    view->OnCommand(ID_EDIT_DELETE_LINE);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(view->Caret(), (TextPos{0, 1}));
    view->OnCommand(ID_EDIT_DELETE_LINE); // the last line: emptied
    EXPECT_EQ(Stored(), (std::vector<std::string>{"one", ""}));
}

// Typing, Enter, Delete, Backspace and arrows keep the row counts as a full
// count gives them, with word wrap on, in both typing modes.
TEST_F(ViewKeys, EditsKeepRowCountsInStep)
{
    const int keys[] = {KEY_RETURN, KEY_DELETE, KEY_BACK, KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
    for (int seed = 0; seed < 20; ++seed) {
        settings.WrapMode = 1;
        settings.WrapByPosition = static_cast<std::uint8_t>(3 + seed % 9);
        settings.InsMode = seed % 3 != 0;
        settings.AutoIndent = seed % 2;
        Show({"aaa bbb ccc", "", "dd"});
        std::mt19937 random(static_cast<unsigned>(seed));
        for (int step = 0; step < 400; ++step) {
            const unsigned op = random() % 10;
            if (op < 7)
                Key(keys[op]);
            else
                Type(std::string(1, " ab\t"[random() % 4]));
            RowLayout fresh = view->Rows();
            fresh.Count(view->Caret());
            ASSERT_EQ(fresh.totalRows, view->TotalRows()) << "seed " << seed << " step " << step;
            ASSERT_EQ(fresh.caretRowIndex, view->Rows().caretRowIndex) << "seed " << seed << " step " << step;
        }
    }
}

} // namespace
