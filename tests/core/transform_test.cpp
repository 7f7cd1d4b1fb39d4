// Whole-text transformations: tabs to spaces, trimming, tags, alignment.
#include "core/doc/align.h"
#include "doc_fixture.h"

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

std::string Align(const std::string& text, AlignMode mode, int left, int right, bool paragraphs = false,
                  int indent = 0)
{
    return AlignParagraphs(text, AlignOptions{mode, left, right, paragraphs, indent});
}

} // namespace

TEST_F(DocTest, TabsBecomeAsManyBlanksAsTheirCells)
{
    doc.DeleteContents();
    doc.AppendLine("x\x07\x06\x06"s "y");
    doc.AppendLine("plain");
    doc.ToggleBookmark(1);
    doc.TabsToSpaces(TextPos{1, 0});
    EXPECT_EQ(Stored(), (Lines{"x   y", "plain"}));
    EXPECT_EQ(doc.GetBookmarkCount(), 0);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"x\x07\x06\x06"s "y", "plain"}));
    EXPECT_EQ(caret, (TextPos{1, 0}));
}

TEST_F(DocTest, TrimmingDropsTrailingBlanksAndTabs)
{
    settings.TabSize = 4;
    SetLines({"   ", "a  \t", "keep me", " lead"});
    doc.TrimTrailingBlanks();
    EXPECT_EQ(Stored(), (Lines{"", "a", "keep me", " lead"}));
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored()[1], "a  \x07"s);
}

TEST_F(DocTest, TagsGoWithWhatTheyEnclose)
{
    auto removed = [&](const std::string& text) {
        SetLines({text});
        doc.RemoveTags(std::nullopt);
        return doc.GetLine(0);
    };
    EXPECT_EQ(removed("a<b>c"), "ac");
    EXPECT_EQ(removed("a<b<c>d>e"), "ae");
    EXPECT_EQ(removed("a>b"), "a>b");
    EXPECT_EQ(removed("a<b"), "a<b");
    EXPECT_EQ(removed("<i>x</i> y"), "x y");

    settings.TagChars = "[]";
    EXPECT_EQ(removed("a[b]<c>"), "a<c>");
}

TEST_F(DocTest, TagsSpanningLinesAndARangeThatMovesBack)
{
    SetLines({"one <b", "two> three <x> four", "<y>five"});
    doc.RemoveTags(std::make_pair(TextPos{0, 0}, TextPos{14, 1}));
    // <b..two> and <x> go; <y> lies behind the range end.
    EXPECT_EQ(Stored(), (Lines{"one  three  four", "<y>five"}));
    TextPos caret;
    while (doc.Undo(caret)) {
    }
    EXPECT_EQ(Stored(), (Lines{"one <b", "two> three <x> four", "<y>five"}));
}

TEST(AlignParagraphs, FillsLinesToTheWidth)
{
    EXPECT_EQ(Align("one two three four", AlignMode::Left, 0, 11), "one two\r\nthree four");
    EXPECT_EQ(Align("aa bb cc dd ee", AlignMode::Justify, 0, 11), "aa  bb  cc\r\ndd ee");
    EXPECT_EQ(Align("abcd", AlignMode::Right, 0, 10), "      abcd");
    EXPECT_EQ(Align("ab", AlignMode::Center, 2, 12), "      ab");
    EXPECT_EQ(Align("x verylongwordhere y", AlignMode::Left, 0, 6), "x\r\nverylongwordhere\r\ny");
    EXPECT_EQ(Align("", AlignMode::Left, 0, 6), "");
}

TEST(AlignParagraphs, KeepsParagraphsAndIndentsTheirFirstLines)
{
    EXPECT_EQ(Align("one two\r\n\r\nthree four five", AlignMode::Left, 1, 12, true, 2),
              "   one two\r\n\r\n   three\r\n four five");
    // Without paragraphs the empty line is just a break between words.
    EXPECT_EQ(Align("one\r\n\r\ntwo", AlignMode::Left, 0, 20), "one two");
}

TEST_F(DocTest, AlignReplacesWholeLinesInOneUndoStep)
{
    SetLines({"head", "one two", "three four", "tail"});
    doc.AlignText(std::make_pair(TextPos{3, 1}, TextPos{2, 2}), AlignOptions{AlignMode::Left, 0, 30, false, 0});
    EXPECT_EQ(Stored(), (Lines{"head", "one two three four", "tail"}));
    EXPECT_EQ(frame.progress, (std::vector<std::string>{"Aling text", "range 0 40", "pos 40"}));
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"head", "one two", "three four", "tail"}));
    EXPECT_FALSE(doc.CanUndo());
}
