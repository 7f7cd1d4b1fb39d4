#include "core/text/code_pages.h"
#include "view_fixture.h"

#include <random>
#include <set>

namespace {

class ViewRows : public ViewTest {
protected:
    // The start columns of every row of line 0.
    std::string RowStarts()
    {
        std::string starts;
        int line = 0;
        for (int col = 0; line == 0;) {
            starts += (starts.empty() ? "" : " ") + std::to_string(col);
            col = view->NextRowStart(line, col);
        }
        return starts;
    }

    void WrapAt(int width)
    {
        settings.WrapMode = 1;
        settings.WrapByPosition = static_cast<std::uint8_t>(width);
        view->Rewrap();
    }
};

TEST_F(ViewRows, BreakAfterTheLastBlankThatFits)
{
    Show({"aaaa bbbb cccc"});
    WrapAt(10);
    EXPECT_EQ(RowStarts(), "0 10"); // the row holds "aaaa bbbb " with its blank
    Show({"aaaa bbbbb cccc"});
    WrapAt(10);
    EXPECT_EQ(RowStarts(), "0 11"); // a blank exactly at the width: eleven cells
    Show({std::string(25, 'x')});
    WrapAt(10);
    EXPECT_EQ(RowStarts(), "0 10 20"); // a long word is cut hard
    Show({"a\tbcdefghijkl"});
    WrapAt(6);
    EXPECT_EQ(RowStarts(), "0 4 10"); // tab cells are blanks
    Show({std::string(10, 'x')});
    WrapAt(10);
    EXPECT_EQ(RowStarts(), "0"); // exactly the width fits one row
}

TEST_F(ViewRows, WalkBackwardsAndCountRows)
{
    Show({"aaaa bbbb cccc dddd", "", "x"});
    WrapAt(10);
    EXPECT_EQ(view->RowsOfLine(0), 2);
    EXPECT_EQ(view->RowsOfLine(1), 1);
    EXPECT_EQ(view->RowStartOf(0, 12), 10);
    EXPECT_EQ(view->RowStartOf(0, 19), 10); // the line's end belongs to its last row
    int line = 0;
    EXPECT_EQ(view->PrevRowStart(line, 10), 0);
    EXPECT_EQ(line, 0);
    line = 1;
    EXPECT_EQ(view->PrevRowStart(line, 0), 10);
    EXPECT_EQ(line, 0);
    line = 0;
    EXPECT_EQ(view->PrevRowStart(line, 0), 0);
    EXPECT_EQ(line, -1);

    view->m_caret = {15, 0};
    view->CountRows();
    EXPECT_EQ(view->m_totalRows, 4);
    EXPECT_EQ(view->m_caretRowIndex, 1);
    int rows = 0, start = 0;
    view->CaretRowInfo(rows, start);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(start, 10);
}

TEST_F(ViewRows, ATinyWrapWidthStillMovesOn)
{
    Show({"abc"});
    WrapAt(0);
    EXPECT_EQ(view->m_wrapWidth, 1);
    EXPECT_EQ(RowStarts(), "0 1 2");
}

TEST_F(ViewRows, LayoutUpwardsPutsThePositionOnTheRowBelowTheWindow)
{
    SetLines({});
    for (int i = 0; i < 100; ++i)
        doc.AppendLine("line " + std::to_string(i));
    Start();
    view->LayoutUpTo(80, 0);
    EXPECT_EQ(view->m_rowLine[view->m_visibleRows], 80);
    EXPECT_EQ(view->m_rowLine[0], 80 - view->m_visibleRows);
    view->LayoutUpTo(-1, 0); // past the end
    EXPECT_EQ(view->m_rowLine[view->m_visibleRows], -1);
    EXPECT_EQ(view->m_rowLine[view->m_visibleRows - 1], 99);
    view->LayoutUpTo(3, 0); // not enough text above: from the top
    EXPECT_EQ(Rows(2), "0:0 1:0");
}

class ViewCaret : public ViewTest {};

TEST_F(ViewCaret, StaysOffTabFillsWhenMovingByRows)
{
    Show({"abc", "a\tb"}); // a, 7, 6, 6, b
    view->m_caret = {2, 1};
    view->ClampToRow(2, 6);
    EXPECT_EQ(view->m_caret.col, 1); // onto the tab cell
    EXPECT_EQ(view->m_desiredCol, 2);
    view->m_caret = {4, 1};
    view->ClampToRow(4, 6);
    EXPECT_EQ(view->m_caret.col, 4);
    EXPECT_EQ(view->m_desiredCol, -1);
    view->m_caret = {9, 0};
    view->ClampToRow(9, 4); // beyond the row: its last cell, the column kept
    EXPECT_EQ(view->m_caret.col, 3);
    EXPECT_EQ(view->m_desiredCol, 9);
}

TEST_F(ViewCaret, ShiftExtendsAndAPlainMoveDropsUnlessBlocksPersist)
{
    Show({"abcdef"});
    auto move = [&](int col, bool shift) {
        const TextPos old = view->m_caret;
        view->m_caret.col = col;
        view->AfterMovement(old, shift);
    };
    move(1, true);
    move(2, true);
    move(3, true);
    move(2, true);
    EXPECT_TRUE(view->m_bSelection);
    EXPECT_EQ(view->m_anchor, (TextPos{0, 0}));
    EXPECT_EQ(view->m_selEnd, (TextPos{2, 0}));
    move(3, false);
    EXPECT_FALSE(view->m_bSelection);

    settings.PersistentBlocks = 1;
    move(4, true);
    move(0, false);
    EXPECT_TRUE(view->m_bSelection); // the block stays where it was
    move(1, true);                    // and a new one starts at the caret
    EXPECT_EQ(view->m_anchor, (TextPos{0, 0}));
    EXPECT_EQ(view->m_selEnd, (TextPos{1, 0}));
}

TEST_F(ViewCaret, SelectionRangeIsInDocumentOrder)
{
    Show({"one", "two"});
    view->m_bSelection = 1;
    view->m_anchor = {2, 1};
    view->m_selEnd = {1, 0};
    TextPos start, end;
    ASSERT_TRUE(view->GetSelectionRange(start, end));
    EXPECT_EQ(start, (TextPos{1, 0}));
    EXPECT_EQ(end, (TextPos{2, 1}));
    view->m_bSelection = 0;
    EXPECT_FALSE(view->GetSelectionRange(start, end));
}

TEST_F(ViewCaret, IsHiddenWhenScrolledAway)
{
    settings.WrapOn = 0;
    Show({std::string(300, 'x')});
    view->m_hScroll = 5;
    view->m_caret = {2, 0};
    view->PlaceCaret();
    EXPECT_EQ(host.caretPos, (Point{-10, 0}));
    view->m_caret = {5, 0};
    view->PlaceCaret();
    EXPECT_EQ(host.caretPos, (Point{5, 0}));
    view->OnKillFocus();
    view->m_caret = {7, 0};
    view->PlaceCaret(); // no focus, no caret
    EXPECT_EQ(host.caretPos, (Point{5, 0}));
}

TEST_F(ViewCaret, EnsureVisibleScrollsTheCaretRowAboveThePartialLastRow)
{
    SetLines({});
    for (int i = 0; i < 200; ++i)
        doc.AppendLine(std::to_string(i));
    Start();
    view->MoveCaretTo(150, 1);
    EXPECT_EQ(view->m_caretRowIndex, 150);
    EXPECT_EQ(view->m_rowLine[view->m_visibleRows - 2], 150);
    EXPECT_EQ(view->m_firstRowIndex, 150 - view->m_visibleRows + 2);
    EXPECT_EQ(host.caretPos, (Point{8 + 5, (view->m_visibleRows - 2) * 16}));
    view->MoveCaretTo(10, 0);
    EXPECT_EQ(Rows(1), "10:0");
    EXPECT_EQ(view->m_firstRowIndex, 10);
    EXPECT_EQ(view->GetTopPosition(), (TextPos{0, 10}));
}

TEST_F(ViewCaret, EnsureVisibleScrollsSidewaysToCentreTheCaret)
{
    settings.WrapOn = 0;
    Show({std::string(500, 'x')});
    view->m_caret = {300, 0};
    EXPECT_TRUE(view->EnsureCaretVisible());
    EXPECT_EQ(view->m_hScroll, 300 - view->m_visibleCols / 2);
    EXPECT_FALSE(view->EnsureCaretVisible());
}

TEST_F(ViewCaret, ComesBackIntoTheTextAfterTheDocumentShrank)
{
    Show({"long line", "x"});
    view->m_caret = {5, 1};
    SetLines({"ab"});
    doc.UpdateAllViews();
    EXPECT_EQ(view->m_caret, (TextPos{2, 0}));
}

class ViewLifeCycle : public ViewTest {};

TEST_F(ViewLifeCycle, AnotherViewsHintBecomesTheRowCount)
{
    Show({"a", "b"});
    CTextView other(doc, shared, host);
    other.OnInitialUpdate(view.get());
    doc.UpdateAllViews(&other, 42);
    EXPECT_EQ(view->m_totalRows, 42);
    doc.UpdateAllViews(&other, 0);
    EXPECT_EQ(view->m_totalRows, 42); // no hint, no change
}

TEST_F(ViewLifeCycle, ANewPaneStartsWhereTheActivePaneShows)
{
    SetLines({});
    for (int i = 0; i < 100; ++i)
        doc.AppendLine("x");
    Start();
    view->OnVScroll(SCROLL_PAGE_DOWN, 0);
    CTextView pane(doc, shared, host);
    pane.OnInitialUpdate(view.get());
    EXPECT_EQ(pane.GetTopPosition(), view->GetTopPosition());
}

TEST_F(ViewLifeCycle, FullSettingsChangeRelaysAndTellsTheOtherViews)
{
    settings.WrapMode = 1;
    settings.WrapByPosition = 10;
    Show({"aaaa bbbb cccc", "x"});
    struct Listener : DocumentView {
        void OnUpdate(DocumentView* from, int h) override
        {
            sender = from;
            hint = h;
        }
        void ResetToTop() override {}
        DocumentView* sender = nullptr;
        int hint = 0;
    } other;
    doc.AddView(&other);
    settings.InfoMode = 2;
    settings.WrapByPosition = 5;
    view->ApplySettings(true);
    EXPECT_EQ(view->m_panelWidth, 6 * 9);
    EXPECT_EQ(view->m_wrapWidth, 5);
    EXPECT_EQ(other.sender, view.get());
    EXPECT_EQ(other.hint, view->m_totalRows);
    EXPECT_EQ(view->m_totalRows, 4);
    doc.RemoveView(&other);
}

TEST_F(ViewLifeCycle, RepaintLinesPaintsOnlyTheRowsOfThoseLines)
{
    Show({"a", "b", "c", "d", "e"});
    host.painted.clear();
    view->RepaintLines(1, 2);
    std::set<int> rows;
    for (const PaintCall& call : host.painted)
        if (call.kind == PaintCall::Text)
            rows.insert(call.y / 16);
    EXPECT_EQ(rows, (std::set<int>{1, 2}));
    host.painted.clear();
    view->RepaintLines(3, -1); // to the window's end
    EXPECT_EQ(host.painted.back().rect.top, (view->m_visibleRows - 1) * 16);
}

TEST_F(ViewLifeCycle, ResetGoesBackToTheTop)
{
    SetLines({});
    for (int i = 0; i < 100; ++i)
        doc.AppendLine("x");
    Start();
    view->MoveCaretTo(90, 1);
    view->m_bSelection = 1;
    view->ResetView();
    EXPECT_EQ(view->m_caret, (TextPos{0, 0}));
    EXPECT_EQ(Rows(1), "0:0");
    EXPECT_FALSE(view->m_bSelection);
    EXPECT_EQ(view->m_firstRowIndex, 0);
}

TEST_F(ViewLifeCycle, FocusMakesTheCaretOfTheTypingMode)
{
    Show({"a"});
    EXPECT_EQ(host.caretSize, (Point{2, 16}));
    settings.InsMode = 0;
    view->OnSetFocus();
    EXPECT_EQ(host.caretSize, (Point{8, 16}));
    const int hides = host.caretHides;
    view->OnKillFocus();
    EXPECT_EQ(host.caretHides, hides + 1);
    EXPECT_FALSE(view->m_bHasFocus);
}

TEST_F(ViewLifeCycle, EncodingCommandsShowTheBytesThroughAnotherCodePage)
{
    Show({"\xF0\xF2"}); // "ПР" in KOI8, "рт" in WIN
    EXPECT_EQ(RowText(0), "\xF0\xF2");
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    EXPECT_EQ(view->m_codePage, CP_KOI8);
    EXPECT_EQ(settings.Encoding, CP_KOI8);
    EXPECT_TRUE(view->IsEncodingChecked(10000));
    EXPECT_FALSE(view->IsEncodingChecked(10004));
    EXPECT_EQ(RowText(0), "\xCF\xD0");
    EXPECT_EQ(doc.GetLine(0), "\xF0\xF2"); // the bytes stay
    settings.Encoding = CP_DOS;
    view->OnActivateView(true);
    EXPECT_EQ(settings.Encoding, CP_KOI8);
}

} // namespace

namespace {

// Random documents, random clicks, drags, scrolling, resizing and wrap
// changes: after each step the window's rows must follow one another by the
// row rule and the caret must lie in the text.
class ViewInvariants : public ViewTest {
protected:
    void CheckRows(const std::string& step)
    {
        ASSERT_GE(view->m_caret.line, 0) << step;
        ASSERT_LT(view->m_caret.line, doc.GetLineCount()) << step;
        ASSERT_LE(view->m_caret.col, static_cast<int>(doc.GetLine(view->m_caret.line).size())) << step;
        for (int r = 0; r <= view->m_visibleRows; ++r) {
            int line = view->m_rowLine[r];
            if (line < 0) {
                ASSERT_LT(view->m_rowLine[r + 1], 0) << step << " row " << r;
                continue;
            }
            ASSERT_LT(line, doc.GetLineCount()) << step;
            const int next = view->NextRowStart(line, view->m_rowCol[r]);
            const int expectedLine = line < doc.GetLineCount() ? line : -1;
            ASSERT_EQ(view->m_rowLine[r + 1], expectedLine) << step << " row " << r;
            if (expectedLine >= 0) {
                ASSERT_EQ(view->m_rowCol[r + 1], next) << step << " row " << r;
            }
        }
    }
};

TEST_F(ViewInvariants, HoldAfterAnySequenceOfMouseAndScrollSteps)
{
    std::mt19937 random(11);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 30; ++round) {
        SetLines({});
        const int lines = 1 + (round % 3 == 0 ? 500 + pick(200) : pick(80));
        for (int i = 0; i < lines; ++i) {
            std::string text;
            for (int n = pick(4) == 0 ? pick(400) : pick(30); n > 0; --n)
                text += "ab \t"[pick(4)];
            std::string cells;
            AppendTextAsCells(cells, text, settings.TabSize);
            doc.AppendLine(cells);
        }
        settings.WrapOn = pick(3) != 0;
        settings.WrapMode = static_cast<std::uint8_t>(1 + pick(2));
        settings.WrapByPosition = static_cast<std::uint8_t>(1 + pick(60));
        settings.InfoMode = static_cast<std::uint8_t>(pick(3));
        host.width = 100 + pick(700);
        host.height = 40 + pick(600);
        Start();
        for (int step = 0; step < 60; ++step) {
            const Point at{pick(host.width + 40) - 20, pick(host.height + 80) - 40};
            std::string name;
            switch (pick(9)) {
            case 0:
                name = "click";
                view->OnLButtonDown(at, pick(2));
                view->OnLButtonUp();
                break;
            case 1:
                name = "drag";
                view->OnLButtonDown(at, false);
                view->OnMouseMove({at.x, -30});
                view->OnTimer(CTextView::kDragTimer);
                view->OnMouseMove({at.x, host.height + 30});
                view->OnTimer(CTextView::kDragTimer);
                view->OnLButtonUp();
                break;
            case 2:
                name = "vscroll";
                view->OnVScroll(pick(6), pick(600));
                break;
            case 3:
                name = "hscroll";
                view->OnHScroll(pick(6), pick(500));
                break;
            case 4:
                name = "wheel";
                view->OnMouseWheel(pick(2) ? 120 : -120);
                break;
            case 5:
                name = "resize";
                Resize(60 + pick(800), 20 + pick(700));
                break;
            case 6:
                name = "move caret";
                view->MoveCaretTo(pick(lines), pick(50));
                view->ClampCaret();
                break;
            case 7:
                name = "double click";
                view->OnLButtonDblClk(at);
                break;
            default:
                name = "rewrap";
                settings.WrapByPosition = static_cast<std::uint8_t>(1 + pick(60));
                view->Rewrap();
                break;
            }
            CheckRows("round " + std::to_string(round) + " step " + std::to_string(step) + " " + name);
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
