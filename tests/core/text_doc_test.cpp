// The document model: lines, tab cells, flag bytes, bookmarks, life cycle.
#include "doc_fixture.h"

using namespace std::string_literals;

TEST_F(DocTest, NewDocumentIsOneEmptyLineInCrLfWithNothingToUndo)
{
    frame.watched = &doc;
    settings.DefaultScheme = 3;
    CTextDoc fresh(settings, &frame);
    EXPECT_EQ(fresh.GetSchemeIndex(), 3);
    ASSERT_TRUE(fresh.OnNewDocument());
    EXPECT_EQ(fresh.GetLineCount(), 1);
    EXPECT_TRUE(fresh.GetLine(0).empty());
    EXPECT_EQ(fresh.GetLineState(0), LINE_STATE_UNKNOWN);
    EXPECT_EQ(fresh.GetLineEndType(), LINE_END_CRLF);
    EXPECT_EQ(fresh.GetBookmarkCount(), 0);
    EXPECT_FALSE(fresh.CanUndo());
    EXPECT_FALSE(fresh.CanRedo());
    EXPECT_FALSE(fresh.IsModified());
    EXPECT_FALSE(fresh.IsEncrypted());
    EXPECT_FALSE(fresh.CanExecute());
    ASSERT_EQ(frame.added.size(), 1u);
    EXPECT_EQ(frame.added[0], &fresh);
}

TEST_F(DocTest, NewDocumentDropsEverythingOfTheOldOne)
{
    SetLines({"one", "two"});
    doc.ToggleBookmark(1);
    TextPos pos{0, 0};
    doc.InsertText(pos, "x", true);
    doc.SetPathName("C:\\old.txt");
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(Stored(), std::vector<std::string>{""});
    EXPECT_EQ(doc.GetBookmarkCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetMaxLineLength(), 0);
    EXPECT_TRUE(doc.GetPathName().empty());
}

TEST_F(DocTest, TabIsStoredAsACellAndComesBackAsOneTab)
{
    settings.TabSize = 8;
    SetLines({"x\t"});
    EXPECT_EQ(doc.GetLine(0), "x\x07\x06\x06\x06\x06\x06\x06"s);
    EXPECT_EQ(doc.GetMaxLineLength(), 8);
    EXPECT_EQ(AllText(), "x\t");
}

TEST_F(DocTest, RelayTabsFollowsTheCurrentTabSize)
{
    settings.TabSize = 4;
    EXPECT_EQ(doc.RelayTabs("ab\x06"s "c"), "abc");
    EXPECT_EQ(doc.RelayTabs("\x07\x06\x06\x06\x06\x06\x06\x06"s "z"), "\x07\x06\x06\x06"s "z");
}

TEST_F(DocTest, BookmarksToggleInRangeOnly)
{
    SetLines({"a", "b", "c"});
    doc.ToggleBookmark(-1);
    doc.ToggleBookmark(3);
    EXPECT_EQ(doc.GetBookmarkCount(), 0);

    doc.ToggleBookmark(1);
    EXPECT_TRUE(doc.IsBookmarked(1));
    EXPECT_EQ(doc.GetBookmarkCount(), 1);
    doc.ToggleBookmark(1);
    EXPECT_FALSE(doc.IsBookmarked(1));
    EXPECT_EQ(doc.GetBookmarkCount(), 0);
}

TEST_F(DocTest, LineStatesLiveBesideTheBookmarkBit)
{
    SetLines({"a", "b", "c"});
    doc.ToggleBookmark(1);
    doc.ToggleBookmark(2);
    for (int i = 0; i < 3; ++i)
        doc.SetLineState(i, 5);
    doc.SetLineState(2, 0xFF); // only seven bits are a state
    EXPECT_EQ(doc.GetLineState(2), 0x7F);
    EXPECT_TRUE(doc.IsBookmarked(2));

    doc.InvalidateStatesFrom(1);
    EXPECT_EQ(doc.GetLineState(0), 5);
    EXPECT_EQ(doc.GetLineState(1), LINE_STATE_UNKNOWN);
    EXPECT_EQ(doc.GetLineState(2), LINE_STATE_UNKNOWN);
    EXPECT_TRUE(doc.IsBookmarked(1));
    EXPECT_TRUE(doc.IsBookmarked(2));
    EXPECT_EQ(doc.GetBookmarkCount(), 2);
}

TEST_F(DocTest, TheFrameHearsOfAModifiedChangeBeforeItHappens)
{
    SetLines({"a"});
    frame.watched = &doc;
    doc.SetModified(true);
    doc.SetModified(true);
    doc.SetModified(false);
    EXPECT_EQ(frame.repaints, 2);
    EXPECT_EQ(frame.modifiedAtRepaint, (std::vector<bool>{false, true}));
    EXPECT_FALSE(doc.IsModified());

    TextPos pos{0, 0};
    doc.InsertText(pos, "b", false);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, LongestLineOnlyGrowsUntilTheDocumentIsCleared)
{
    SetLines({"abcdef", "ab"});
    EXPECT_EQ(doc.GetMaxLineLength(), 6);
    doc.DeleteText(TextPos{0, 0}, TextPos{6, 0}, false);
    EXPECT_EQ(doc.GetMaxLineLength(), 6);
    TextPos pos{2, 1};
    doc.InsertText(pos, "\t\t", false); // ab + two tab cells = 8 cells
    EXPECT_EQ(doc.GetMaxLineLength(), 8);
    doc.DeleteContents();
    EXPECT_EQ(doc.GetMaxLineLength(), 0);
}

TEST_F(DocTest, ViewsAreToldWhenTheDocumentChangesExceptTheOneThatChangedIt)
{
    struct CountingView : DocumentView {
        void OnUpdate(DocumentView*, int hint) override
        {
            ++updates;
            lastHint = hint;
        }
        void ResetToTop() override {}
        void ShowInCodePage(int) override {}
        int CodePage() const override { return CP_WIN; }
        int updates = 0;
        int lastHint = -1;
    } first, second;
    doc.AddView(&first);
    doc.AddView(&second);
    doc.AddView(&first);
    doc.UpdateAllViews();
    doc.UpdateAllViews(&first, 7);
    EXPECT_EQ(second.lastHint, 7);
    doc.RemoveView(&second);
    doc.UpdateAllViews();
    EXPECT_EQ(first.updates, 2);
    EXPECT_EQ(second.updates, 2);
}

TEST_F(DocTest, ASchemeChosenByHandOutlivesPreferences)
{
    doc.SetPathName("C:\\a.cpp");
    EXPECT_EQ(doc.GetSchemeIndex(), 2);
    doc.ViewSourceAs(1);
    doc.ChooseFileTypeAgain(true); // the scheme list changed
    EXPECT_EQ(doc.GetSchemeIndex(), 1);

    CTextDoc other(settings, &frame, &fs, &prompts);
    other.SetPathName("C:\\b.cpp");
    other.ViewSourceAs(0);
    other.SetPathName("C:\\b2.cpp"); // the same type: the choice stays
    EXPECT_EQ(other.GetSchemeIndex(), 0);
    other.SetPathName("C:\\b.txt"); // another type: its own scheme
    other.SetPathName("C:\\b.cpp");
    EXPECT_EQ(other.GetSchemeIndex(), 2);
    other.ViewSourceAs(0);
    other.ChooseFileTypeAgain(false); // only the tools changed
    EXPECT_EQ(other.GetSchemeIndex(), 0);
}
