#include "view_fixture.h"

namespace {

class ViewPaint : public ViewTest {
protected:
    // The text runs drawn in row `row`, as "text/fore/back" with the colours
    // as slot numbers of the default table.
    std::vector<std::string> Runs(int row)
    {
        host.painted.clear();
        view->RepaintAll();
        std::vector<std::string> runs;
        for (const PaintCall& call : host.painted)
            if (call.kind == PaintCall::Text && call.y == row * 16 && call.x >= view->PanelWidth() + 5)
                runs.push_back(call.text + "/" + Slot(call.fore) + "/" + Slot(call.back));
        return runs;
    }

    std::string Slot(std::uint32_t color) const
    {
        std::string slots;
        for (int i = 0; i < COLOR_SLOT_COUNT; ++i)
            if (settings.Colors[i] == color)
                slots += (slots.empty() ? "" : ",") + std::to_string(i);
        return slots;
    }

    // The fills of the text area right of the text in row `row`.
    std::vector<PaintCall> RowFills(int row) const
    {
        std::vector<PaintCall> fills;
        for (const PaintCall& call : host.painted)
            if (call.kind == PaintCall::Fill && call.rect.top == row * 16 && call.rect.left > view->PanelWidth())
                fills.push_back(call);
        return fills;
    }

    void SetDistinctColors()
    {
        for (int i = 0; i < COLOR_SLOT_COUNT; ++i)
            settings.Colors[i] = 0x010101u * static_cast<std::uint32_t>(i + 1);
    }
};

TEST_F(ViewPaint, ShowTabsDrawsGuillemetsBulletsAndPilcrows)
{
    settings.ShowTabs = 1;
    Show({"a\tb c", "last"});
    EXPECT_EQ(DrawnText(0), "");
    EXPECT_EQ(RowText(0), "a\xBB  b\x95" "c\xB6");
    EXPECT_EQ(RowText(1), "last"); // no end mark on the last line
    settings.ShowTabs = 0;
    EXPECT_EQ(RowText(0), "a   b c");
}

// A file with bytes 6 and 7 of its own: they show as marks, its TAB takes
// one column, and the caret stops at each of them.
TEST_F(ViewPaint, AFilesOwnSixAndSevenAreMarkedAndReachable)
{
    fs.files["C:\\bel.log"] = "a\x07\x06\tb";
    ASSERT_TRUE(doc.OnOpenDocument("C:\\bel.log", {.codePage = CP_WIN}));
    Start();
    EXPECT_EQ(RowText(0), "a\xA4\xA4 b");
    settings.ShowTabs = 1;
    EXPECT_EQ(RowText(0), "a\xA4\xA4\xBB" "b");
    for (int col = 1; col <= 4; ++col) {
        view->OnKeyDown(KEY_RIGHT, false, false);
        EXPECT_EQ(view->Caret(), (TextPos{col, 0}));
    }
    view->OnChar('\t', false, false);
    EXPECT_EQ(doc.GetLine(0), "a\x07\x06\t\tb");
}

TEST_F(ViewPaint, DrawsOneRunPerColourWithTheSchemesSlots)
{
    SetDistinctColors();
    HighlightScheme c = HighlightScheme::PlainText();
    c.AddKeyword("int", 1);
    schemes = {HighlightScheme::PlainText(), HighlightScheme::PlainText(), c};
    Show({"int x;"});
    doc.SetPathName("/tmp/a.cpp"); // the frame gives .cpp scheme 2
    ASSERT_EQ(doc.GetSchemeIndex(), 2);
    EXPECT_EQ(Runs(0), (std::vector<std::string>{"int/1/8", " /11/8", "x/0/8", ";/11/8"}));
    EXPECT_NE(doc.GetLineState(0), 127); // painting leaves the colouring state known
}

TEST_F(ViewPaint, SelectionMarksCellsAndOneCellOfAnEmptyLine)
{
    SetDistinctColors();
    Show({"abc", "", "def"});
    Select({1, 0}, {2, 2});
    EXPECT_EQ(Runs(0), (std::vector<std::string>{"a/0/8", "bc/14/13"}));
    EXPECT_EQ(Runs(1), (std::vector<std::string>{" /14/13"}));
    EXPECT_EQ(Runs(2), (std::vector<std::string>{"de/14/13", "f/0/8"}));
}

TEST_F(ViewPaint, ABookmarkedLineIsColouredToTheRightEdge)
{
    SetDistinctColors();
    Show({"ab", "cd"});
    doc.ToggleBookmark(0);
    Select({0, 0}, {1, 0});
    EXPECT_EQ(Runs(0), (std::vector<std::string>{"a/14/13", "b/0/15"}));
    const std::vector<PaintCall> fills = RowFills(0);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{5 + 2 * 8, 0, host.width, 16}));
    EXPECT_EQ(Slot(fills[0].back), "15");
    EXPECT_EQ(Slot(RowFills(1).at(0).back), "8"); // an ordinary line
}

TEST_F(ViewPaint, RowsBelowTheTextAreFilledWithTheBackground)
{
    Show({"x"});
    view->RepaintAll();
    const std::vector<PaintCall> fills = RowFills(5);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{5, 80, host.width, 96}));
}

TEST_F(ViewPaint, NumbersPanelShowsSixDigitsOnTheFirstRowOfALine)
{
    host.metrics.aveCharWidth = 9;
    settings.InfoMode = 2;
    settings.WrapMode = 1;
    settings.WrapByPosition = 10;
    SetLines({});
    for (int i = 0; i < 41; ++i)
        doc.AppendLine("x");
    doc.AppendLine("aaaa bbbb cccc");
    Start();
    EXPECT_EQ(view->PanelWidth(), 60);
    view->MoveCaretTo(41, 0);
    view->OnVScroll(SCROLL_THUMB_POSITION, 41);
    host.painted.clear();
    view->RepaintAll();
    std::vector<std::string> numbers;
    for (const PaintCall& call : host.painted)
        if (call.kind == PaintCall::Text && call.x == 3 && call.y < 48)
            numbers.push_back(call.text);
    EXPECT_EQ(numbers, (std::vector<std::string>{"000042", "      ", "      "}));
}

TEST_F(ViewPaint, IconsPanelMarksEveryRowOfAWrappedLine)
{
    settings.InfoMode = 1;
    settings.WrapMode = 1;
    settings.WrapByPosition = 5;
    Show({"aaaa bbbb cccc", "x", "y"});
    doc.ToggleBookmark(2);
    EXPECT_EQ(view->PanelWidth(), 16 + 6);
    host.painted.clear();
    view->RepaintAll();
    std::vector<std::string> icons;
    for (const PaintCall& call : host.painted)
        if (call.kind == PaintCall::Icon)
            icons.push_back(std::to_string(call.y / 16) + (call.icon == PanelIcon::Wrap ? "w" : "b"));
    EXPECT_EQ(icons, (std::vector<std::string>{"0w", "1w", "2w", "4b"}));
    EXPECT_EQ(view->Icons().glyphX, (16 - 8) / 2);
}

TEST_F(ViewPaint, PanelWidthsAreEightBitQuantities)
{
    host.metrics.height = 300;
    settings.InfoMode = 1;
    Show({"x"});
    EXPECT_EQ(view->PanelWidth(), (300 + 6) % 256);
}

TEST_F(ViewPaint, VerticalScrollBarSwitchesToALineScaleForLongDocuments)
{
    SetLines({});
    for (int i = 0; i < 600; ++i)
        doc.AppendLine("x");
    Start();
    EXPECT_EQ(host.scrollInfo[ScrollBarKind::Vertical], (ScrollBarState{0, 500, 1, 0}));
    EXPECT_TRUE(host.scrollShown[ScrollBarKind::Vertical]);
    view->OnVScroll(SCROLL_THUMB_TRACK, 250); // the middle of the scale
    EXPECT_EQ(view->Rows().Line(0), 300);

    Resize(808, 640); // 40 rows
    SetLines({});
    for (int i = 0; i < 20; ++i)
        doc.AppendLine("x");
    host.scrollInfo.clear();
    Start();
    EXPECT_FALSE(host.scrollShown[ScrollBarKind::Vertical]);
    EXPECT_EQ(host.scrollInfo.count(ScrollBarKind::Vertical), 0u);
}

TEST_F(ViewPaint, HorizontalScrollBarFollowsTheLongestLineWithoutWrap)
{
    settings.WrapOn = 0;
    Show({std::string(300, 'x'), "y"});
    EXPECT_EQ(host.scrollInfo[ScrollBarKind::Horizontal], (ScrollBarState{0, 300, 102, 0}));
    EXPECT_TRUE(host.scrollShown[ScrollBarKind::Horizontal]);
    view->OnHScroll(SCROLL_THUMB_POSITION, 1000);
    EXPECT_EQ(view->HorizontalScroll(), 300 - view->ColumnsOnScreen());
    EXPECT_EQ(RowText(0), std::string(view->ColumnsOnScreen(), 'x'));
}

TEST_F(ViewPaint, OnlyWindowWidthWrapFollowsResizing)
{
    settings.WrapMode = 1;
    settings.WrapByPosition = 20;
    Show({std::string(100, 'x')});
    Resize(400, 960);
    EXPECT_EQ(view->Rows().WrapWidth(), 20);
    settings.WrapMode = 2;
    Resize(408, 960);
    EXPECT_EQ(view->Rows().WrapWidth(), (408 - 5) / 8 - 1);
    EXPECT_EQ(view->Rows().RowsOfLine(0), 3);
}

TEST_F(ViewPaint, WordWrapToLinesMakesEveryRowALine)
{
    settings.WrapMode = 1;
    settings.WrapByPosition = 10;
    Show({"aaaa bbbb cccc dddd", "short"});
    view->WordWrapToLines();
    EXPECT_EQ(Stored(), (std::vector<std::string>{"aaaa bbbb ", "cccc dddd", "short"}));
    EXPECT_TRUE(doc.CanUndo());
    settings.WrapOn = 0;
    view->WordWrapToLines(); // only while wrapping
    EXPECT_EQ(doc.GetLineCount(), 3);
}

} // namespace
