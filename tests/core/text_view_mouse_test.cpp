#include "view_fixture.h"

namespace {

class ViewMouse : public ViewTest {
protected:
    void ShowNumberedLines(int count)
    {
        SetLines({});
        for (int i = 0; i < count; ++i)
            doc.AppendLine("line " + std::to_string(i));
        Start();
    }

    // The client point of cell (col, row) of the window.
    Point Cell(int col, int row) const { return {view->PanelWidth() + 5 + col * 8 + 3, row * 16 + 5}; }

    void Click(Point at, bool shift = false)
    {
        view->OnLButtonDown(at, shift);
        view->OnLButtonUp();
    }
};

TEST_F(ViewMouse, ClicksLandOnCellsAndNeverInsideATab)
{
    Show({"a\tb", "second line"});
    Click(Cell(2, 0)); // a fill cell of the tab
    EXPECT_EQ(view->Caret(), (TextPos{4, 0}));
    Click(Cell(1, 0)); // the tab's own cell
    EXPECT_EQ(view->Caret(), (TextPos{1, 0}));
    Click(Cell(50, 1)); // right of the text
    EXPECT_EQ(view->Caret(), (TextPos{11, 1}));
    Click(Cell(3, 30)); // below the text
    EXPECT_EQ(view->Caret(), (TextPos{3, 1}));
    EXPECT_EQ(host.caretPos, (Point{5 + 3 * 8, 16}));
}

TEST_F(ViewMouse, AClickInThePanelTakesTheFirstShownColumn)
{
    settings.InfoMode = 2;
    settings.WrapOn = 0;
    Show({std::string(200, 'x')});
    Click({10, 5});
    EXPECT_EQ(view->Caret(), (TextPos{0, 0}));
    view->OnHScroll(SCROLL_THUMB_POSITION, 30);
    Click({view->PanelWidth() + 2, 5}); // the gap
    EXPECT_EQ(view->Caret(), (TextPos{30, 0}));
    Click({10, 5}); // a whole cell left of the text scrolls back one column
    EXPECT_EQ(view->HorizontalScroll(), 29);
    EXPECT_EQ(view->Caret(), (TextPos{29, 0}));
}

TEST_F(ViewMouse, ShiftClickExtendsAndAPlainClickDrops)
{
    Show({"abcdef"});
    Click(Cell(1, 0));
    Click(Cell(4, 0), true);
    EXPECT_TRUE(Selected());
    EXPECT_EQ(Anchor(), (TextPos{1, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{4, 0}));
    Click(Cell(2, 0));
    EXPECT_FALSE(Selected());
}

TEST_F(ViewMouse, DraggingSelectsAndKeepsScrollingBeyondTheEdge)
{
    ShowNumberedLines(100);
    view->OnVScroll(SCROLL_PAGE_DOWN, 0);
    const int top = view->Rows().Line(0);
    view->OnLButtonDown(Cell(2, 3), false);
    EXPECT_TRUE(host.captured);
    EXPECT_EQ(host.timers[CTextView::kDragTimer], 30);
    view->OnMouseMove({Cell(2, 0).x, -20}); // a row above the window
    EXPECT_EQ(view->Rows().Line(0), top - 1);
    view->OnTimer(CTextView::kDragTimer);
    view->OnTimer(CTextView::kDragTimer);
    EXPECT_EQ(view->Rows().Line(0), top - 3);
    EXPECT_EQ(view->Caret().line, top - 3);
    EXPECT_EQ(Anchor(), (TextPos{2, top + 3}));
    EXPECT_EQ(SelEnd(), view->Caret());
    view->OnLButtonUp();
    EXPECT_FALSE(host.captured);
    EXPECT_EQ(host.timers.count(CTextView::kDragTimer), 0u);
    EXPECT_TRUE(Selected());
    view->OnTimer(CTextView::kDragTimer); // no longer dragging
    EXPECT_EQ(view->Rows().Line(0), top - 3);
}

TEST_F(ViewMouse, AShortDocumentDoesNotScrollWhileDragging)
{
    Show({"a", "b"});
    view->OnLButtonDown(Cell(0, 1), false);
    view->OnMouseMove({0, -40});
    view->OnTimer(CTextView::kDragTimer);
    EXPECT_EQ(view->Rows().Line(0), 0);
    EXPECT_EQ(view->Rows().firstRowIndex, 0);
    view->OnLButtonUp();
}

TEST_F(ViewMouse, DoubleClickSelectsTheWord)
{
    Show({"one  two-three"});
    view->OnLButtonDblClk(Cell(6, 0));
    EXPECT_EQ(Anchor(), (TextPos{5, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{8, 0}));
    EXPECT_EQ(view->Caret(), (TextPos{6, 0}));
    EXPECT_TRUE(Selected());
    view->OnLButtonDblClk(Cell(4, 0)); // between two delimiters: empty
    EXPECT_EQ(Anchor(), SelEnd());
    EXPECT_FALSE(Selected());
}

TEST_F(ViewMouse, RightClickOffersALinkThatStartsWithAKnownPrefix)
{
    Show({"see http://example.com/a_b, or HTTP://upper.case"});
    view->OnRButtonDown(Cell(12, 0));
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_TRUE(host.menus[0].offerLink);
    EXPECT_EQ(view->Caret(), (TextPos{12, 0}));
    view->OnBrowseLink();
    EXPECT_EQ(host.opened, (std::vector<std::string>{"http://example.com/a_b"}));
    view->OnRButtonDown(Cell(36, 0));
    EXPECT_FALSE(host.menus[1].offerLink);
    view->OnRButtonDown(Cell(1, 0));
    EXPECT_FALSE(host.menus[2].offerLink);
}

TEST_F(ViewMouse, WithoutTheMenuARightClickCopiesTheSelectionThere)
{
    settings.MouseMenu = 0;
    Show({"copy me", "to: "});
    Click(Cell(0, 0));
    Click(Cell(4, 0), true);
    view->OnRButtonDown(Cell(4, 1));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"copy me", "to: copy"}));
    EXPECT_EQ(Anchor(), (TextPos{4, 1}));
    EXPECT_EQ(SelEnd(), (TextPos{8, 1}));
    EXPECT_TRUE(host.menus.empty());
    EXPECT_TRUE(doc.CanUndo());

    // A CR of a line's own is copied as a byte of that line.
    Show({"a\rb", "to: "});
    Click(Cell(0, 0));
    Click(Cell(3, 0), true);
    view->OnRButtonDown(Cell(4, 1));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"a\rb", "to: a\rb"}));
}

TEST_F(ViewMouse, AWheelNotchScrollsThreeRows)
{
    ShowNumberedLines(100);
    view->MoveCaretTo(0, 0);
    view->OnMouseWheel(-120);
    EXPECT_EQ(view->Rows().Line(0), 3);
    EXPECT_EQ(view->Rows().firstRowIndex, 3);
    view->OnMouseWheel(-1); // any size of notch
    EXPECT_EQ(view->Rows().Line(0), 6);
    view->OnMouseWheel(120);
    EXPECT_EQ(view->Rows().Line(0), 3);
    view->PlaceCaret(); // scrolled out: hidden, not moved
    EXPECT_EQ(host.caretPos, (Point{-10, 0}));
    EXPECT_EQ(view->Caret(), (TextPos{0, 0}));
}

TEST_F(ViewMouse, ScrollBarCodesMoveTheWindowByRowsAndPages)
{
    ShowNumberedLines(100);
    view->OnVScroll(SCROLL_LINE_UP, 0); // already at the top
    EXPECT_EQ(Rows(1), "0:0");
    view->OnVScroll(SCROLL_PAGE_DOWN, 0);
    EXPECT_EQ(view->Rows().Line(0), view->RowsOnScreen() - 1);
    EXPECT_EQ(view->Rows().firstRowIndex, view->RowsOnScreen() - 1);
    view->OnVScroll(SCROLL_LINE_DOWN, 0);
    view->OnVScroll(SCROLL_PAGE_UP, 0);
    EXPECT_EQ(view->Rows().Line(view->RowsOnScreen()), view->RowsOnScreen() + 1);
    view->OnVScroll(SCROLL_THUMB_POSITION, 10);
    EXPECT_EQ(Rows(1), "10:0");
    EXPECT_EQ(view->Rows().firstRowIndex, 10);
    view->OnVScroll(SCROLL_PAGE_DOWN, 0);
    EXPECT_EQ(view->Rows().Line(0), 70);
    view->OnVScroll(SCROLL_PAGE_DOWN, 0); // the partly shown row is past the end
    EXPECT_EQ(view->Rows().Line(0), 70);
}

// Lines times the thumb's place once overflowed past 4 294 967 lines.
TEST_F(ViewMouse, TheThumbReachesEveryPartOfAVeryLongDocument)
{
    SetLines({});
    for (int i = 0; i < 5000000; ++i)
        doc.AppendLine({});
    Start();
    view->OnVScroll(SCROLL_THUMB_TRACK, 480);
    EXPECT_EQ(view->Rows().Line(0), 4800000);
    view->OnVScroll(SCROLL_THUMB_TRACK, 500);
    bool lastLineShown = false;
    for (int r = 0; r <= view->RowsOnScreen(); ++r)
        lastLineShown = lastLineShown || view->Rows().Line(r) == 4999999;
    EXPECT_TRUE(lastLineShown);
}

TEST_F(ViewMouse, WrappedRowsScrollOneRowAtATime)
{
    settings.WrapMode = 1;
    settings.WrapByPosition = 10;
    Show({"aaaa bbbb cccc dddd eeee", "x"});
    view->OnVScroll(SCROLL_LINE_DOWN, 0);
    EXPECT_EQ(Rows(2), "0:10 0:20");
    view->OnVScroll(SCROLL_LINE_UP, 0);
    EXPECT_EQ(Rows(2), "0:0 0:10");
}

} // namespace
