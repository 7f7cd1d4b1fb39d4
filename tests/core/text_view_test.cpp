#include "core/text/code_pages.h"
#include "view_fixture.h"

#include <random>
#include <set>

namespace {

class ViewRows : public ViewTest {};

// A wrap width under one cell still moves on by a cell.
TEST_F(ViewRows, ATinyWrapWidthStillMovesOn)
{
    Show({"abc"});
    settings.WrapMode = 1;
    settings.WrapByPosition = 0;
    view->Rewrap();
    EXPECT_EQ(view->Rows().WrapWidth(), 1);
    int line = 0;
    EXPECT_EQ(view->Rows().NextRowStart(line, 0), 1);
}

TEST_F(ViewRows, TheCaretsRowIsCountedWhereverItMoves)
{
    Show({"aaaa bbbb cccc dddd", "", "x"});
    settings.WrapMode = 1;
    settings.WrapByPosition = 10;
    view->Rewrap();
    view->MoveCaretTo(2, 0);
    EXPECT_EQ(view->TotalRows(), 4);
    EXPECT_EQ(view->Rows().caretRowIndex, 3);
    view->MoveCaretTo(0, 15);
    EXPECT_EQ(view->Rows().caretRowIndex, 1);
}

class ViewCaret : public ViewTest {};

// Moving by rows never rests inside a tab and keeps the column it came from.
TEST_F(ViewCaret, StaysOffTabFillsWhenMovingByRows)
{
    Show({"abc", "a\tb", "abcdefghij"}); // a, 7, 6, 6, b
    view->MoveCaretTo(0, 2);
    view->OnKeyDown(KEY_DOWN, false, false);
    EXPECT_EQ(view->Caret(), (TextPos{1, 1})); // onto the tab cell
    view->OnKeyDown(KEY_DOWN, false, false);
    EXPECT_EQ(view->Caret(), (TextPos{2, 2})); // the column kept
    view->MoveCaretTo(2, 9);
    view->OnKeyDown(KEY_UP, false, false);
    EXPECT_EQ(view->Caret(), (TextPos{5, 1})); // the line's end
    view->OnKeyDown(KEY_UP, false, false);
    EXPECT_EQ(view->Caret(), (TextPos{3, 0}));
    view->OnKeyDown(KEY_DOWN, false, false);
    view->OnKeyDown(KEY_DOWN, false, false);
    EXPECT_EQ(view->Caret(), (TextPos{9, 2}));
    view->MoveCaretTo(1, 4);
    view->OnKeyDown(KEY_UP, false, false);
    view->OnKeyDown(KEY_DOWN, false, false);
    view->OnKeyDown(KEY_DOWN, false, false);
    EXPECT_EQ(view->Caret(), (TextPos{4, 2})); // kept across the shorter line
}

TEST_F(ViewCaret, ShiftExtendsAndAPlainMoveDropsUnlessBlocksPersist)
{
    Show({"abcdef"});
    auto move = [&](int col, bool shift) {
        const TextPos old = view->Caret();
        view->MoveCaretTo(0, col);
        view->AfterMovement(old, shift);
    };
    move(1, true);
    move(2, true);
    move(3, true);
    move(2, true);
    EXPECT_TRUE(Selected());
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{2, 0}));
    move(3, false);
    EXPECT_FALSE(Selected());

    settings.PersistentBlocks = 1;
    move(4, true);
    move(0, false);
    EXPECT_TRUE(Selected()); // the block stays where it was
    move(1, true);                    // and a new one starts at the caret
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{1, 0}));
}

TEST_F(ViewCaret, SelectionRangeIsInDocumentOrder)
{
    Show({"one", "two"});
    Select({2, 1}, {1, 0});
    TextPos start, end;
    ASSERT_TRUE(view->GetSelectionRange(start, end));
    EXPECT_EQ(start, (TextPos{1, 0}));
    EXPECT_EQ(end, (TextPos{2, 1}));
    view->DropSelection();
    EXPECT_FALSE(view->GetSelectionRange(start, end));
}

TEST_F(ViewCaret, IsHiddenWhenScrolledAway)
{
    settings.WrapOn = 0;
    Show({std::string(300, 'x')});
    view->MoveCaretTo(0, 2);
    view->OnHScroll(SCROLL_THUMB_TRACK, 5);
    ASSERT_EQ(view->HorizontalScroll(), 5);
    view->PlaceCaret();
    EXPECT_EQ(host.caretPos, (Point{-10, 0}));
    view->MoveCaretTo(0, 5);
    view->PlaceCaret();
    EXPECT_EQ(host.caretPos, (Point{5, 0}));
    view->OnKillFocus();
    view->MoveCaretTo(0, 7);
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
    EXPECT_EQ(view->Rows().caretRowIndex, 150);
    EXPECT_EQ(view->Rows().Line(view->RowsOnScreen() - 2), 150);
    EXPECT_EQ(view->Rows().firstRowIndex, 150 - view->RowsOnScreen() + 2);
    EXPECT_EQ(host.caretPos, (Point{8 + 5, (view->RowsOnScreen() - 2) * 16}));
    view->MoveCaretTo(10, 0);
    EXPECT_EQ(Rows(1), "10:0");
    EXPECT_EQ(view->Rows().firstRowIndex, 10);
    EXPECT_EQ(view->Rows().Top(), (TextPos{0, 10}));
}

TEST_F(ViewCaret, EnsureVisibleScrollsSidewaysToCentreTheCaret)
{
    settings.WrapOn = 0;
    Show({std::string(500, 'x')});
    view->MoveCaretTo(0, 300); // moving makes the caret visible
    EXPECT_EQ(view->HorizontalScroll(), 300 - view->ColumnsOnScreen() / 2);
    EXPECT_FALSE(view->EnsureCaretVisible());
    view->OnHScroll(SCROLL_THUMB_TRACK, 0);
    EXPECT_TRUE(view->EnsureCaretVisible());
    EXPECT_EQ(view->HorizontalScroll(), 300 - view->ColumnsOnScreen() / 2);
}

TEST_F(ViewCaret, ComesBackIntoTheTextAfterTheDocumentShrank)
{
    Show({"long line", "x"});
    view->MoveCaretTo(1, 5);
    SetLines({"ab"});
    doc.UpdateAllViews();
    EXPECT_EQ(view->Caret(), (TextPos{2, 0}));
}

class ViewLifeCycle : public ViewTest {};

TEST_F(ViewLifeCycle, AnotherViewsHintBecomesTheRowCount)
{
    Show({"a", "b"});
    CTextView other(doc, shared, host);
    other.OnInitialUpdate(view.get());
    doc.UpdateAllViews(&other, 42);
    EXPECT_EQ(view->TotalRows(), 42);
    doc.UpdateAllViews(&other, 0);
    EXPECT_EQ(view->TotalRows(), 42); // no hint, no change
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
    EXPECT_EQ(pane.Rows().Top(), view->Rows().Top());
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
        void ShowInCodePage(int) override {}
        int CodePage() const override { return CP_WIN; }
        DocumentView* sender = nullptr;
        int hint = 0;
    } other;
    doc.AddView(&other);
    settings.InfoMode = 2;
    settings.WrapByPosition = 5;
    view->ApplySettings(true);
    EXPECT_EQ(view->PanelWidth(), 6 * 9);
    EXPECT_EQ(view->Rows().WrapWidth(), 5);
    EXPECT_EQ(other.sender, view.get());
    EXPECT_EQ(other.hint, view->TotalRows());
    EXPECT_EQ(view->TotalRows(), 4);
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
    EXPECT_EQ(host.painted.back().rect.top, (view->RowsOnScreen() - 1) * 16);
}

TEST_F(ViewLifeCycle, ResetGoesBackToTheTop)
{
    SetLines({});
    for (int i = 0; i < 100; ++i)
        doc.AppendLine("x");
    Start();
    Select({0, 90}, {1, 90});
    view->ResetView();
    EXPECT_EQ(view->Caret(), (TextPos{0, 0}));
    EXPECT_EQ(Rows(1), "0:0");
    EXPECT_FALSE(Selected());
    EXPECT_EQ(view->Rows().firstRowIndex, 0);
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
    EXPECT_FALSE(view->HasFocus());
}

TEST_F(ViewLifeCycle, EncodingCommandsShowTheBytesThroughAnotherCodePage)
{
    Show({"\xF0\xF2"}); // "ПР" in KOI8, "рт" in WIN
    EXPECT_EQ(RowText(0), "\xF0\xF2");
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    EXPECT_EQ(view->CodePage(), CP_KOI8);
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
        ASSERT_GE(view->Caret().line, 0) << step;
        ASSERT_LT(view->Caret().line, doc.GetLineCount()) << step;
        ASSERT_LE(view->Caret().col, static_cast<int>(doc.GetLine(view->Caret().line).size())) << step;
        for (int r = 0; r <= view->RowsOnScreen(); ++r) {
            int line = view->Rows().Line(r);
            if (line < 0) {
                ASSERT_LT(view->Rows().Line(r + 1), 0) << step << " row " << r;
                continue;
            }
            ASSERT_LT(line, doc.GetLineCount()) << step;
            const int next = view->Rows().NextRowStart(line, view->Rows().Col(r));
            const int expectedLine = line < doc.GetLineCount() ? line : -1;
            ASSERT_EQ(view->Rows().Line(r + 1), expectedLine) << step << " row " << r;
            if (expectedLine >= 0) {
                ASSERT_EQ(view->Rows().Col(r + 1), next) << step << " row " << r;
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
