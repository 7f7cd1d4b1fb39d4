#include "core/view/row_layout.h"
#include "doc_fixture.h"

#include <random>

namespace {

class RowLayoutTest : public DocTest {
protected:
    void Wrap(std::initializer_list<std::string> lines, int width)
    {
        SetLines(lines);
        rows.SetWrapWidth(width);
    }

    // The start columns of every row of `line`.
    std::string RowStarts(int line = 0) const
    {
        std::string starts;
        for (int l = line, col = 0; l == line;) {
            starts += (starts.empty() ? "" : " ") + std::to_string(col);
            col = rows.NextRowStart(l, col);
        }
        return starts;
    }

    // Window rows as "line:col" from row 0 on.
    std::string Window(int count) const
    {
        std::string text;
        for (int r = 0; r < count; ++r)
            text += (r ? " " : "") + std::to_string(rows.Line(r)) + ":" + std::to_string(rows.Col(r));
        return text;
    }

    void Numbered(int lines)
    {
        SetLines({});
        for (int i = 0; i < lines; ++i)
            doc.AppendLine("line " + std::to_string(i));
    }

    RowLayout rows{doc};
};

TEST_F(RowLayoutTest, BreaksAfterTheLastBlankThatFits)
{
    Wrap({"aaaa bbbb cccc"}, 10);
    EXPECT_EQ(RowStarts(), "0 10"); // the row holds "aaaa bbbb " with its blank
    Wrap({"aaaa bbbbb cccc"}, 10);
    EXPECT_EQ(RowStarts(), "0 11"); // a blank exactly at the width: eleven cells
    Wrap({std::string(25, 'x')}, 10);
    EXPECT_EQ(RowStarts(), "0 10 20"); // a long word is cut hard
    Wrap({"a\tbcdefghijkl"}, 6);
    EXPECT_EQ(RowStarts(), "0 4 10"); // tab cells are blanks
    Wrap({std::string(10, 'x')}, 10);
    EXPECT_EQ(RowStarts(), "0"); // exactly the width fits one row
    Wrap({std::string(40, 'x')}, RowLayout::kNoWrap);
    EXPECT_EQ(RowStarts(), "0");
}

TEST_F(RowLayoutTest, WalksBackwardsAndNumbersRows)
{
    Wrap({"aaaa bbbb cccc dddd", "", "x"}, 10);
    EXPECT_EQ(rows.RowsOfLine(0), 2);
    EXPECT_EQ(rows.RowsOfLine(1), 1);
    EXPECT_EQ(rows.RowStartOf(0, 12), 10);
    EXPECT_EQ(rows.RowStartOf(0, 19), 10); // the line's end belongs to its last row
    EXPECT_EQ(rows.RowNumberOf(0, 9), 0);
    EXPECT_EQ(rows.RowNumberOf(0, 19), 1);
    int line = 0;
    EXPECT_EQ(rows.PrevRowStart(line, 10), 0);
    EXPECT_EQ(line, 0);
    line = 1;
    EXPECT_EQ(rows.PrevRowStart(line, 0), 10);
    EXPECT_EQ(line, 0);
    line = 0;
    EXPECT_EQ(rows.PrevRowStart(line, 0), 0);
    EXPECT_EQ(line, -1);

    rows.LayoutFrom(0, 10, 0);
    rows.Count({15, 0});
    EXPECT_EQ(rows.totalRows, 4);
    EXPECT_EQ(rows.firstRowIndex, 1);
    EXPECT_EQ(rows.caretRowIndex, 1);
}

TEST_F(RowLayoutTest, LaysUpwardsSoThatThePositionIsTheRowBelowTheWindow)
{
    Numbered(100);
    rows.SetWindowRows(10);
    rows.LayoutUpTo(80, 0);
    EXPECT_EQ(rows.Line(10), 80);
    EXPECT_EQ(rows.Line(0), 70);
    rows.LayoutUpTo(-1, 0); // past the end
    EXPECT_EQ(rows.Line(10), -1);
    EXPECT_EQ(rows.Line(9), 99);
    rows.LayoutUpTo(3, 0); // not enough text above: from the top
    EXPECT_EQ(Window(2), "0:0 1:0");
}

TEST_F(RowLayoutTest, ScrollsOneRowAtATimeAndStopsAtTheEdges)
{
    Wrap({"aaaa bbbb cccc", "x", "y"}, 10);
    rows.SetWindowRows(2);
    rows.LayoutFrom(0, 0, 0);
    EXPECT_FALSE(rows.ScrollUp());
    EXPECT_TRUE(rows.ScrollDown());
    EXPECT_EQ(Window(4), "0:10 1:0 2:0 -1:0");
    EXPECT_EQ(rows.firstRowIndex, 1);
    EXPECT_TRUE(rows.ScrollDown());
    EXPECT_TRUE(rows.ScrollDown());
    EXPECT_EQ(Window(2), "2:0 -1:0");
    EXPECT_FALSE(rows.ScrollDown()); // nothing below the last line
    EXPECT_TRUE(rows.ScrollUp());
    EXPECT_EQ(Window(3), "1:0 2:0 -1:0");
    EXPECT_EQ(rows.firstRowIndex, 2);
}

TEST_F(RowLayoutTest, FindsThePositionsRowInTheWindow)
{
    Wrap({"aaaa bbbb cccc", "x", "y", "z"}, 10);
    rows.SetWindowRows(3);
    rows.LayoutFrom(0, 10, 0);
    int col = -1;
    EXPECT_EQ(rows.WindowRowOf({12, 0}, col), 0);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(rows.WindowRowOf({0, 2}, col), 2);
    EXPECT_EQ(rows.WindowRowOf({3, 0}, col), -1); // above the window
    EXPECT_TRUE(rows.BeforeWindow({3, 0}));
    EXPECT_FALSE(rows.BeforeWindow({10, 0}));
    EXPECT_FALSE(rows.AfterWindow({0, 1})); // the last fully visible row
    EXPECT_TRUE(rows.AfterWindow({0, 2}));  // the partial row below it
    EXPECT_EQ(rows.Top(), (TextPos{10, 0}));
}

// Following the caret step by step counts what a fresh count finds.
TEST_F(RowLayoutTest, FollowingTheCaretAgreesWithAFreshCount)
{
    Wrap({"aaaa bbbb cccc dddd eeee", "", "ffff gggg hhhh", "i"}, 5);
    rows.LayoutFrom(0, 0, 0);
    TextPos caret{};
    rows.Count(caret);
    std::mt19937 random(7);
    for (int step = 0; step < 300; ++step) {
        const TextPos from = caret;
        const int line = std::clamp(from.line + static_cast<int>(random() % 3) - 1, 0, doc.GetLineCount() - 1);
        caret = {static_cast<int>(random() % (doc.GetLine(line).size() + 1)), line};
        if (step % 2)
            rows.CaretStepped(from, caret);
        else
            rows.CaretMoved(from, caret);
        RowLayout fresh = rows;
        fresh.Count(caret);
        ASSERT_EQ(rows.caretRowIndex, fresh.caretRowIndex) << "step " << step;
    }
}

TEST_F(RowLayoutTest, CountsOnlyShortDocuments)
{
    Numbered(RowLayout::kCountedLines + 1);
    rows.Count({});
    EXPECT_EQ(rows.totalRows, 0);
    Numbered(RowLayout::kCountedLines);
    rows.Count({});
    EXPECT_EQ(rows.totalRows, RowLayout::kCountedLines);
}

} // namespace
