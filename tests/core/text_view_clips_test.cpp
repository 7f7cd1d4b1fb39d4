#include "core/settings/favorites.h"
#include "core/text/code_pages.h"
#include "core/view/find_again.h"
#include "view_fixture.h"

namespace {

class ViewClips : public ViewTest {
protected:
    // One library in slot 0 with the given snippets ("name|key|text").
    void Library(std::initializer_list<std::string> snippets)
    {
        std::string file = "#library_name=Test\n";
        for (const std::string& s : snippets) {
            const std::size_t a = s.find('|');
            const std::size_t b = s.find('|', a + 1);
            file += "#clip_name=" + s.substr(0, a) + "\n#clip_key=" + s.substr(a + 1, b - a - 1) + "\n" +
                    s.substr(b + 1) + "\n";
        }
        ASSERT_TRUE(clips.slots[0].Read(0, file));
    }
};

TEST_F(ViewClips, SelectionWordWrapsTheSelectedText)
{
    Library({"Bold|b|<b>%selection%</b>"});
    Show({"a word here"});
    Select({2, 0}, {6, 0});
    view->InsertClip(10200);
    EXPECT_EQ(doc.GetLine(0), "a <b>word</b> here");
    EXPECT_EQ(view->Caret(), (TextPos{13, 0}));
    EXPECT_FALSE(Selected());
    view->InsertClip(10200); // nothing selected: the tags only
    EXPECT_EQ(doc.GetLine(0), "a <b>word</b><b></b> here");

    // A CR of a line's own stays in its line; the caret follows the text.
    Library({"Mark|m|[%selection%%cursor%]"});
    Show({"x\ry\rz", "next"});
    Select({0, 0}, {3, 0});
    view->InsertClip(10200);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"[x\ry]\rz", "next"}));
    EXPECT_EQ(view->Caret(), (TextPos{4, 0}));
}

TEST_F(ViewClips, CursorWordPlacesTheCaretWithTabsExpanded)
{
    Library({"Block|blk|if (x) {\n\t%cursor%\n}"});
    Show({"  "});
    view->MoveCaretTo(0, 2);
    view->InsertClip(10200);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"  if (x) {", "\x07\x06\x06\x06", "}"}));
    EXPECT_EQ(view->Caret(), (TextPos{4, 1}));
}

TEST_F(ViewClips, TemplateWordsAndLonePercentSigns)
{
    Library({"A|a|50% off", "B|b|1% AND 2%", "C|c|%DATE% %time% %longdate%", "D|d|%FileName%"});
    Show({""});
    view->InsertClip(10200);
    EXPECT_EQ(doc.GetLine(0), "50% off");
    Show({""});
    view->InsertClip(10201);
    EXPECT_EQ(doc.GetLine(0), "1 and 2");
    Show({""});
    view->InsertClip(10202);
    EXPECT_EQ(doc.GetLine(0), "12/08/26 09:05:07 December 08, 2026");
    Show({""});
    doc.SetTitle("untitled1");
    view->InsertClip(10203); // no path: the title
    EXPECT_EQ(doc.GetLine(0), doc.GetTitle());
}

TEST_F(ViewClips, CompletionOffersKeywordsAndSnippetsAndInsertsASingleOne)
{
    HighlightScheme scheme = HighlightScheme::PlainText();
    for (const char* word : {"int", "integer", "interface", "long"})
        scheme.AddKeyword(word, 2);
    schemes = {scheme};
    Library({"Interval|intv|[%cursor%]", "Other|x|y"});
    Show({"int in lo x"});
    view->MoveCaretTo(0, 3);
    view->OnChar(' ', false, true); // "int" is a keyword itself: no longer keywords
    ASSERT_TRUE(host.completion);
    EXPECT_EQ(host.completion->entries, (std::vector<CompletionList::Entry>{{"int", 2}, {"Interval", 10200}}));
    view->InsertCompletion(0);
    EXPECT_FALSE(host.completion);
    EXPECT_EQ(doc.GetLine(0), "int in lo x");

    view->MoveCaretTo(0, 6);
    view->StartCompletion();
    ASSERT_TRUE(host.completion);
    const std::vector<CompletionList::Entry> expected = {
        {"int", 2}, {"integer", 2}, {"interface", 2}, {"Interval", 10200}};
    EXPECT_EQ(host.completion->entries, expected);
    EXPECT_EQ(host.completion->itemHeight, 16);
    EXPECT_EQ(host.completion->rect, (Rect{5 + 6 * 8 - 2 * 8, 16, 5 + 6 * 8 - 2 * 8 + 10 * 8 + 20, 16 + 4 * 16}));
    view->OnMouseWheel(-120); // the wheel closes the list
    EXPECT_FALSE(host.completion);
    view->StartCompletion();
    ASSERT_TRUE(host.completion);
    view->InsertCompletion(3); // the snippet: the prefix goes, the clip comes
    EXPECT_EQ(doc.GetLine(0), "int [] lo x");
    EXPECT_EQ(view->Caret(), (TextPos{5, 0}));
    EXPECT_FALSE(host.completion);

    view->MoveCaretTo(0, 9);
    view->StartCompletion(); // "lo": one keyword
    EXPECT_EQ(doc.GetLine(0), "int [] long x");
    EXPECT_EQ(view->Caret(), (TextPos{11, 0}));

    const int beeps = host.beeps;
    view->MoveCaretTo(0, 12);
    view->StartCompletion(); // an empty prefix
    view->MoveCaretTo(0, 13);
    view->StartCompletion(); // "x": the snippet "Other" has key "x"
    EXPECT_EQ(host.beeps, beeps + 1);
    EXPECT_EQ(doc.GetLine(0), "int [] long y");
}

TEST_F(ViewClips, CompletionListStaysInsideTheWindow)
{
    HighlightScheme scheme = HighlightScheme::PlainText();
    for (const char* word : {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "ab"})
        scheme.AddKeyword(word, 1);
    schemes = {scheme};
    host.width = 300;
    host.height = 100;
    Show({"x a"});
    view->MoveCaretTo(0, 3);
    view->StartCompletion();
    ASSERT_TRUE(host.completion);
    const int width = 35 * 8 + 20;
    EXPECT_EQ(host.completion->rect.left, 300 - width - 5);
    EXPECT_EQ(host.completion->rect.right - host.completion->rect.left, width);
}

TEST_F(ViewClips, BookmarksWrapAndSkipTheCaretLine)
{
    Show({"0", "1", "2", "3"});
    view->MoveCaretTo(2, 0);
    view->OnCommand(ID_SEARCH_TOGGLE_BOOKMARK);
    view->OnCommand(ID_SEARCH_NEXT_BOOKMARK); // only the caret line: nothing
    EXPECT_EQ(view->Caret().line, 2);
    view->MoveCaretTo(3, 1);
    view->OnCommand(ID_SEARCH_TOGGLE_BOOKMARK);
    view->MoveCaretTo(1, 1);
    view->OnCommand(ID_SEARCH_TOGGLE_BOOKMARK);
    view->MoveCaretTo(3, 1);
    view->OnCommand(ID_SEARCH_NEXT_BOOKMARK);
    EXPECT_EQ(view->Caret(), (TextPos{0, 1})); // wrapped past the end
    view->OnCommand(ID_SEARCH_PREV_BOOKMARK);
    EXPECT_EQ(view->Caret(), (TextPos{0, 3})); // wrapped past the start
}

TEST_F(ViewClips, RememberedPositionsAreClampedAndSetEveryView)
{
    Show({"one", "two"});
    CTextView other(doc, shared, host);
    other.OnInitialUpdate(view.get());
    Favorite record;
    record.caretLine = 9;
    record.caretCol = 9;
    record.encoding = CP_KOI8;
    record.bookmarks = {0, 7};
    view->ApplyRememberedPosition(record);
    EXPECT_EQ(view->Caret(), (TextPos{3, 1}));
    EXPECT_EQ(other.Caret(), (TextPos{3, 1}));
    EXPECT_EQ(other.CodePage(), CP_KOI8);
    EXPECT_EQ(settings.Encoding, CP_KOI8);
    EXPECT_TRUE(doc.IsBookmarked(0));
}

class ViewFind : public ViewTest {};

TEST_F(ViewFind, ForwardWrapsOnceAndNeverFindsTheSameMatchAgain)
{
    Show({"one", "two one", "three"});
    view->MoveCaretTo(1, 0);
    ASSERT_TRUE(view->FindForward("one", true));
    EXPECT_EQ(Anchor(), (TextPos{4, 1}));
    EXPECT_EQ(view->Caret(), (TextPos{7, 1}));
    ASSERT_TRUE(view->FindForward("one", true)); // wraps to line 0
    EXPECT_EQ(view->Caret(), (TextPos{3, 0}));
    Show({"only one here"});
    view->MoveCaretTo(0, 0);
    ASSERT_TRUE(view->FindForward("one", true));
    EXPECT_FALSE(view->FindForward("one", true)); // the one match, already selected
    EXPECT_FALSE(view->FindBackward("one"));
    EXPECT_TRUE(view->FindForward("", true));
}

// The view keeps its prepared search between finds: a changed option or
// pattern must make it anew.
TEST_F(ViewFind, OptionsChangedBetweenFindsTakeEffect)
{
    Show({"one", "ONE"});
    settings.MatchCase = 1;
    view->MoveCaretTo(0, 0);
    ASSERT_TRUE(view->FindForward("ONE", true));
    EXPECT_EQ(Anchor(), (TextPos{0, 1}));
    settings.MatchCase = 0;
    view->MoveCaretTo(0, 0);
    ASSERT_TRUE(view->FindForward("ONE", true));
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    view->MoveCaretTo(0, 0);
    EXPECT_FALSE(view->FindForward("o.e", true));
    settings.RegExpr = 1;
    ASSERT_TRUE(view->FindForward("o.e", true));
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    settings.MatchWhole = 1;
    view->MoveCaretTo(0, 0);
    EXPECT_FALSE(view->FindForward("n", true));
}

TEST_F(ViewFind, BackwardStartsBeforeTheSelectedMatch)
{
    Show({"ab ab ab"});
    view->MoveCaretTo(0, 8);
    ASSERT_TRUE(view->FindBackward("ab"));
    EXPECT_EQ(Anchor(), (TextPos{6, 0}));
    ASSERT_TRUE(view->FindBackward("ab"));
    EXPECT_EQ(Anchor(), (TextPos{3, 0}));
    EXPECT_EQ(view->Caret(), (TextPos{5, 0}));
    settings.RegExpr = 1;
    Show({"a.c abc"});
    view->MoveCaretTo(0, 7);
    ASSERT_TRUE(view->FindBackward("a.c")); // always plain
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
}

TEST_F(ViewFind, PiecesStartAtTheCaretForWholeWordsAndAnchors)
{
    settings.MatchWhole = 1;
    Show({"foobar"});
    view->MoveCaretTo(0, 3);
    ASSERT_TRUE(view->FindForward("bar", true));
    EXPECT_EQ(Anchor(), (TextPos{3, 0}));
    view->MoveCaretTo(0, 3);
    view->DropSelection();
    ASSERT_TRUE(view->FindBackward("foo"));
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    settings.MatchWhole = 0;
    settings.RegExpr = 1;
    Show({"xxabc", "abc"});
    view->MoveCaretTo(0, 2);
    ASSERT_TRUE(view->FindForward("^abc", true));
    EXPECT_EQ(Anchor(), (TextPos{2, 0}));
    ASSERT_TRUE(view->FindForward("^abc", true));
    EXPECT_EQ(Anchor(), (TextPos{0, 1}));
    EXPECT_FALSE(view->FindForward("^$", true)); // empty lines are never searched
    EXPECT_FALSE(view->FindForward("[a-\xFF]", true));
}

TEST_F(ViewFind, FoldsCaseThroughTheViewsCodePage)
{
    settings.MatchCase = 0;
    Show({"x \xD0\xD2\xC9\xD7\xC5\xD4"}); // привет in KOI8
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    view->MoveCaretTo(0, 0);
    ASSERT_TRUE(view->FindForward("\xCF\xD0\xC8\xC2\xC5\xD2", false)); // ПРИВЕТ in WIN
    EXPECT_EQ(Anchor(), (TextPos{2, 0}));
    EXPECT_EQ(view->Caret(), (TextPos{8, 0}));
}

TEST_F(ViewFind, SaysWhenAnExpressionGaveUp)
{
    settings.RegExpr = 1;
    Show({std::string(60, 'a') + "cb"});
    view->MoveCaretTo(0, 0);
    EXPECT_FALSE(view->FindForward("(a|aa)+b", true));
    EXPECT_TRUE(view->SearchGaveUp());
    EXPECT_TRUE(view->FindForward("c", true));
    EXPECT_FALSE(view->SearchGaveUp());
}

// F3 and its kin: the history's newest text, and the message a search that
// found nothing leaves.
TEST_F(ViewFind, FindAgainSaysNotFoundOrStopped)
{
    std::vector<std::string> history;
    Show({"alpha beta", std::string(60, 'a') + "cb"});
    EXPECT_EQ(FindAgain(*view, history, true), std::nullopt); // nothing to look for
    RememberFindText(history, "beta");
    RememberFindText(history, "beta");
    RememberFindText(history, "");
    EXPECT_EQ(history, std::vector<std::string>{"beta"});
    EXPECT_EQ(FindAgain(*view, history, true), std::nullopt);
    EXPECT_EQ(Anchor(), (TextPos{6, 0}));
    RememberFindText(history, "gamma");
    EXPECT_EQ(FindAgain(*view, history, false)->id, kNoMoreEntries.id);

    settings.RegExpr = 1;
    RememberFindText(history, "(a|aa)+b");
    EXPECT_EQ(FindAgain(*view, history, true)->id, kSearchStopped.id);
    RememberFindText(history, "x+");
    EXPECT_EQ(FindAgain(*view, history, true)->id, kNoMoreEntries.id);
}

TEST_F(ViewFind, TheWordAtTheCaretIsFoundAgainInCp1251History)
{
    std::vector<std::string> history{"old"};
    Show({"\xD0\xD2\xC9 x \xD0\xD2\xC9", "  "}); // при x при in KOI8
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    view->MoveCaretTo(0, 1);
    EXPECT_EQ(FindWordAtCaret(*view, history, true), std::nullopt);
    EXPECT_EQ(history, (std::vector<std::string>{"\xEF\xF0\xE8", "old"})); // при in cp1251
    EXPECT_EQ(Anchor(), (TextPos{6, 0}));
    EXPECT_EQ(FindWordAtCaret(*view, history, false), std::nullopt);
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    EXPECT_EQ(history.size(), 2u);
    view->DropSelection();
    view->MoveCaretTo(1, 1); // no word
    EXPECT_EQ(FindWordAtCaret(*view, history, true), std::nullopt);
    EXPECT_EQ(history.size(), 2u);
}

TEST_F(ViewFind, TheDialogsOpenWithTheSelectionTheWordOrTheNewestText)
{
    const std::vector<std::string> history{"newest", "older"};
    Show({"\xD0\xD2\xC9 x", "  ", "y"}); // при x in KOI8
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    view->MoveCaretTo(0, 1);
    EXPECT_EQ(InitialFindText(view.get(), history), "\xEF\xF0\xE8"); // the word, in cp1251
    Select({5, 0}, {2, 0});
    EXPECT_EQ(InitialFindText(view.get(), history), "\xE8 x"); // the selection, either way round
    Select({0, 0}, {1, 2});
    EXPECT_EQ(InitialFindText(view.get(), history), "newest"); // over two lines: not taken
    view->DropSelection();
    view->MoveCaretTo(1, 1); // no word
    EXPECT_EQ(InitialFindText(view.get(), history), "newest");
    EXPECT_EQ(InitialFindText(view.get(), {}), "");
    EXPECT_EQ(InitialFindText(nullptr, history), "newest"); // no document window
}

} // namespace
