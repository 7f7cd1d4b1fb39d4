#include "core/doc/undo_record.h"
#include "core/text/code_pages.h"
#include "core/tools/line_search.h"
#include "core/view/replace_run.h"
#include "view_fixture.h"

namespace {

// A second document window beside the fixture's.
struct OtherWindow {
    explicit OtherWindow(ViewShared& shared, AppSettings& settings, std::initializer_list<const char*> lines)
        : doc(settings)
    {
        for (const char* line : lines)
            doc.AppendLine(line);
        view = std::make_unique<CTextView>(doc, shared, host);
        view->OnInitialUpdate();
        view->OnSize();
    }
    CTextDoc doc;
    FakeViewHost host;
    std::unique_ptr<CTextView> view;
};

// The window list: the fixture's view first, then the others, around.
class Windows : public ReplaceWindows {
public:
    explicit Windows(std::vector<CTextView*> views) : m_views(std::move(views)) {}
    CTextView& ActiveView() override { return *m_views[m_active]; }
    bool ActivateNext() override
    {
        m_active = (m_active + 1) % m_views.size();
        ++activations;
        return m_active != 0;
    }
    int activations = 0;

private:
    std::vector<CTextView*> m_views;
    std::size_t m_active = 0;
};

class ReplaceTest : public ViewTest {
protected:
    std::vector<std::string> Lines(const CTextDoc& d) const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < d.GetLineCount(); ++i)
            lines.emplace_back(d.GetLine(i));
        return lines;
    }
};

TEST_F(ReplaceTest, StepsSelectThenReplaceAndReportAtTheEnd)
{
    Show({"a b a", "b a"});
    view->MoveCaretTo(1, 3); // a run starts at the top, wherever the caret is
    Windows windows({view.get()});
    ReplaceRun run;
    EXPECT_FALSE(run.Step(windows, "a", "x")); // selects the first match only
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"a b a", "b a"}));
    EXPECT_EQ(view->Selection(), (std::pair{TextPos{0, 0}, TextPos{1, 0}}));
    EXPECT_FALSE(run.Step(windows, "a", "x"));
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"x b a", "b a"}));
    EXPECT_FALSE(run.Step(windows, "a", "x"));
    EXPECT_TRUE(run.Step(windows, "a", "x")); // the last one replaced, none after it
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"x b x", "b x"}));
    EXPECT_EQ(run.replacedCount, 3);
    EXPECT_TRUE(run.firstStep);
    EXPECT_FALSE(view->Selection());
    EXPECT_FALSE(run.Step(windows, "", "x")); // nothing to find: nothing happens
}

TEST_F(ReplaceTest, ASelectionThatNoLongerMatchesIsNotReplaced)
{
    Show({"a b a"});
    Windows windows({view.get()});
    ReplaceRun run;
    EXPECT_FALSE(run.Step(windows, "a", "x")); // selects the first "a"
    TextPos at{0, 0};
    doc.DeleteText({0, 0}, {1, 0}, true);
    doc.InsertText(at, "z", true); // edited under the selection
    EXPECT_FALSE(run.Step(windows, "a", "x"));
    EXPECT_EQ(Lines(doc), std::vector<std::string>{"z b a"});
    EXPECT_EQ(view->Selection(), (std::pair{TextPos{4, 0}, TextPos{5, 0}}));
    EXPECT_TRUE(run.Step(windows, "a", "x"));
    EXPECT_EQ(Lines(doc), std::vector<std::string>{"z b x"});
}

TEST_F(ReplaceTest, AReplacementHoldingTheFindTextEnds)
{
    Show({"a a", "a"});
    Windows windows({view.get()});
    ReplaceRun run;
    run.stepMode = false;
    EXPECT_TRUE(run.Step(windows, "a", "aa"));
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"aa aa", "aa"}));
    EXPECT_EQ(run.replacedCount, 3);
}

// The replacement goes in through the view's code page.
TEST_F(ReplaceTest, TheReplacementIsWrittenInTheViewsCodePage)
{
    Show({"x"});
    view->OnEncoding(ID_ENCODING_KOI8);
    Windows windows({view.get()});
    ReplaceRun run;
    run.stepMode = false;
    run.Step(windows, "x", "\xC4\xE0"); // "Да" in WIN
    EXPECT_EQ(Lines(doc), std::vector<std::string>{"\xE4\xC1"}); // in KOI8
}

TEST_F(ReplaceTest, ReplaceAllKeepsBookmarksAndUndoRestoresThemExactly)
{
    Show({"a", "keep", "a", "keep too", "a"});
    for (int line : {0, 1, 3})
        doc.ToggleBookmark(line);
    Windows windows({view.get()});
    ReplaceRun run;
    run.stepMode = false;
    EXPECT_TRUE(run.Step(windows, "a", "b\r\nc")); // every match a line longer
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"b", "c", "keep", "b", "c", "keep too", "b", "c"}));
    EXPECT_TRUE(doc.IsBookmarked(2));
    EXPECT_TRUE(doc.IsBookmarked(5));
    EXPECT_EQ(doc.GetBookmarkCount(), 2); // the replaced line's went with its text
    view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"a", "keep", "a", "keep too", "a"}));
    for (int line = 0; line < 5; ++line)
        EXPECT_EQ(doc.IsBookmarked(line), line == 0 || line == 1 || line == 3) << line;
    EXPECT_EQ(doc.GetBookmarkCount(), 3);
    view->OnCommand(ID_EDIT_REDO);
    EXPECT_TRUE(doc.IsBookmarked(2));
    EXPECT_TRUE(doc.IsBookmarked(5));
    EXPECT_EQ(doc.GetBookmarkCount(), 2);
}

TEST_F(ReplaceTest, ReplaceAllOfAThousandMatchesUndoesInOneStep)
{
    SetLines({});
    for (int i = 0; i < 500; ++i)
        doc.AppendLine("ab ab");
    Start();
    const std::vector<std::string> before = Lines(doc);
    Windows windows({view.get()});
    ReplaceRun run;
    run.stepMode = false;
    EXPECT_TRUE(run.Step(windows, "ab", "c"));
    EXPECT_EQ(run.replacedCount, 1000);
    EXPECT_EQ(doc.GetLine(499), "c c");
    RowLayout fresh = view->Rows(); // the rows were counted again at the end
    fresh.Count(view->Caret());
    EXPECT_EQ(fresh.caretRowIndex, view->Rows().caretRowIndex);
    EXPECT_EQ(fresh.totalRows, view->TotalRows());
    view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(doc), before);
}

// After single steps Replace All goes on from the selected match down only.
TEST_F(ReplaceTest, ReplaceAllAfterStepsGoesOnFromTheSelectedMatch)
{
    Show({"a", "a", "a"});
    Windows windows({view.get()});
    ReplaceRun run;
    run.Step(windows, "a", "b");
    run.Step(windows, "a", "b"); // line 0 replaced, line 1 selected
    run.stepMode = false;
    EXPECT_TRUE(run.Step(windows, "a", "c"));
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"b", "c", "c"}));
    EXPECT_EQ(run.replacedCount, 3); // counted since the dialog opened
}

TEST_F(ReplaceTest, AllDocumentsGoAroundTheWindowListOnce)
{
    Show({"a", "x"});
    OtherWindow second(shared, settings, {"a a"});
    OtherWindow third(shared, settings, {"none"});
    Windows windows({view.get(), second.view.get(), third.view.get()});
    ReplaceRun run;
    run.allDocuments = true;
    run.stepMode = false;
    EXPECT_TRUE(run.Step(windows, "a", "b"));
    EXPECT_EQ(Lines(doc), (std::vector<std::string>{"b", "x"}));
    EXPECT_EQ(Lines(second.doc), std::vector<std::string>{"b b"});
    EXPECT_EQ(run.replacedCount, 3);
    EXPECT_EQ(windows.activations, 3); // stops when the next window is the first one
    EXPECT_EQ(&windows.ActiveView(), view.get());
}

// With expressions on, \0-\9 bring the match and its groups, in each
// step and in Replace All, in the view's code page; with them off the
// same text is literal.
TEST_F(ReplaceTest, ExpressionReplacementsTakeTheMatchAndItsGroups)
{
    settings.RegExpr = 1;
    Show({"Ivanov Ivan, Petrov Petr", "a-b"});
    Windows windows({view.get()});
    ReplaceRun all;
    all.stepMode = false;
    all.Step(windows, "([A-Z][a-z]+) ([A-Z][a-z]+)", "\\2 \\1 (\\0)\\\\\\9");
    EXPECT_EQ(Lines(doc)[0], "Ivan Ivanov (Ivanov Ivan)\\, Petr Petrov (Petrov Petr)\\");

    ReplaceRun step; // one press selects, the next replaces
    EXPECT_FALSE(step.Step(windows, "(.)-(.)", "\\2+\\1"));
    EXPECT_EQ(Lines(doc)[1], "a-b");
    EXPECT_TRUE(step.Step(windows, "(.)-(.)", "\\2+\\1")); // replaced; no more
    EXPECT_EQ(Lines(doc)[1], "b+a");

    settings.RegExpr = 0;
    Show({"x1"});
    Windows shown({view.get()});
    ReplaceRun literal;
    literal.stepMode = false;
    literal.Step(shown, "x", "\\0\\1");
    EXPECT_EQ(Lines(doc)[0], "\\0\\11");
    settings.RegExpr = 0;
}

TEST_F(ReplaceTest, GroupsComeInTheViewsCodePage)
{
    settings.RegExpr = 1;
    Show({"\xCB\xCC"}); // KOI8-R "кл"
    view->OnEncoding(ID_ENCODING_KOI8);
    Windows windows({view.get()});
    ReplaceRun all;
    all.stepMode = false;
    all.Step(windows, "(\xEA)(\xEB)", "\\2\xFF\\1"); // "кл" -> "ляк", typed in cp1251
    EXPECT_EQ(Lines(doc)[0], "\xCC\xD1\xCB");
    settings.RegExpr = 0;
}

// The cases come from Python's re.sub (scripts/make-replace-cases.py):
// the first match replaced, or the subject as it was.
TEST(ReplacementGroups, AgreeWithPython)
{
    struct Case {
        const char* expression;
        const char* subject;
        const char* replacement;
        const char* expected;
    };
    static const Case kCases[] = {
#include "replace_cases.inc"
    };
    int failures = 0;
    for (const Case& c : kCases) {
        LineSearch search(c.expression, false, true);
        ASSERT_TRUE(search.Valid()) << c.expression;
        const std::string subject = c.subject;
        std::string result = subject;
        if (const LineMatch match = search.FindIn(subject); match.Found()) {
            const auto groups = search.Groups();
            const std::string replacement = ExpandReplacement(c.replacement, [&](int n) {
                const auto [start, end] = groups[static_cast<std::size_t>(n)];
                return start < 0 ? std::string() : subject.substr(static_cast<std::size_t>(start),
                                                                  static_cast<std::size_t>(end - start));
            });
            result = subject.substr(0, static_cast<std::size_t>(match.offset)) + replacement +
                     subject.substr(static_cast<std::size_t>(match.offset + match.length));
        }
        EXPECT_EQ(result, c.expected) << "/" << c.expression << "/ on \"" << c.subject << "\" with \"" << c.replacement
                                      << "\"";
        failures += result != c.expected;
    }
    EXPECT_EQ(failures, 0);
}

TEST(ReplacementGroups, BackslashesOtherThanGroupsStayAsWritten)
{
    auto group = [](int n) { return n == 1 ? std::string("G") : std::string(); };
    EXPECT_EQ(ExpandReplacement("\\1\\\\1\\n\\", group), "G\\1\\n\\");
    EXPECT_EQ(ExpandReplacement("\\7", group), ""); // a group the expression lacks
}

} // namespace
