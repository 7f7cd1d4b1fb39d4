// Every view of a document follows a command that changes its text as a
// whole: rows and carets stay inside the text, in every pane.
#include "view_fixture.h"

#include <functional>

namespace {

class TransformViews : public ViewTest {
protected:
    // 40 lines of words in <tags>, both panes' carets on the last line.
    void ShowLongText()
    {
        SetLines({});
        for (int i = 0; i < 40; ++i)
            doc.AppendLine("<b>word</b> number " + std::to_string(i) + " of the text");
        Start();
        pane = std::make_unique<CTextView>(doc, shared, paneHost);
        pane->OnInitialUpdate(view.get());
        pane->OnSize();
        view->MoveCaretTo(39, 10);
        pane->MoveCaretTo(39, 20);
    }

    void ExpectInsideTheText(const CTextView& v, const std::string& which)
    {
        SCOPED_TRACE(which);
        const int count = doc.GetLineCount();
        EXPECT_LT(v.Caret().line, count);
        EXPECT_LE(v.Caret().col, static_cast<int>(doc.GetLine(v.Caret().line).size()));
        for (int r = 0; r < v.RowsOnScreen(); ++r)
            EXPECT_LT(v.Rows().Line(r), count) << "row " << r;
    }

    void Run(const std::string& what, const std::function<void()>& transform)
    {
        SCOPED_TRACE(what);
        ShowLongText();
        const int before = doc.GetLineCount();
        transform();
        view->TextReplaced();
        EXPECT_NE(doc.GetLineCount(), before);
        ExpectInsideTheText(*view, "active view");
        ExpectInsideTheText(*pane, "other pane");
        paneHost.painted.clear();
        pane->RepaintAll();
        EXPECT_FALSE(paneHost.painted.empty());
        TextPos caret;
        ASSERT_TRUE(doc.Undo(caret));
        EXPECT_EQ(doc.GetLineCount(), before);
        EXPECT_FALSE(doc.CanUndo()); // one step
    }

    FakeViewHost paneHost;
    std::unique_ptr<CTextView> pane;
};

} // namespace

TEST_F(TransformViews, ShrinkingAndGrowingTheTextKeepsEveryPaneInside)
{
    const AlignOptions joined{AlignMode::Left, 0, 500, false, 0};
    const AlignOptions narrow{AlignMode::Left, 0, 8, false, 0};
    const auto lines = [](int first, int last) { return std::pair{TextPos{0, first}, TextPos{0, last}}; };
    Run("align the whole text into fewer lines", [&] { doc.AlignText(std::nullopt, joined); });
    Run("align a selection into fewer lines", [&] { doc.AlignText(lines(5, 39), joined); });
    Run("align the whole text into more lines", [&] { doc.AlignText(std::nullopt, narrow); });
    Run("remove tags that span lines", [&] {
        settings.TagChars = "x<";
        doc.RemoveTags(std::nullopt);
    });
    Run("remove tags that span lines in a selection", [&] {
        settings.TagChars = "x<";
        doc.RemoveTags(lines(2, 39));
    });
}

TEST_F(TransformViews, PaintingShowsNothingForRowsPastTheText)
{
    ShowLongText();
    pane->MoveCaretTo(39, 0);
    // The text shrinks behind the pane's back: no refresh reaches it.
    doc.DeleteText({0, 1}, {0, 39}, false);
    paneHost.painted.clear();
    pane->RepaintAll();
    for (const PaintCall& call : paneHost.painted)
        EXPECT_TRUE(call.kind != PaintCall::Text || call.text.find("number 3") == std::string::npos) << call.text;
}
