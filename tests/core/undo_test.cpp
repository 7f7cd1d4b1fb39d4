// The undo history: what merges into one step, what Undo and Redo restore.
#include "doc_fixture.h"

#include <random>

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

void Type(CTextDoc& doc, TextPos& pos, const std::string& letters)
{
    for (char ch : letters) {
        doc.InsertChar(pos, ch);
        ++pos.col;
    }
}

} // namespace

TEST_F(DocTest, TypingARunIsOneStep)
{
    SetLines({""});
    TextPos pos{0, 0};
    Type(doc, pos, "abc");
    EXPECT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    ASSERT_TRUE(doc.Undo(caret));
    EXPECT_EQ(Stored(), Lines{""});
    EXPECT_EQ(caret, (TextPos{0, 0}));
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Redo(caret));
    EXPECT_EQ(Stored(), Lines{"abc"});
    EXPECT_EQ(caret, (TextPos{3, 0}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, TypingElsewhereStartsANewStep)
{
    SetLines({"----"});
    TextPos pos{0, 0};
    Type(doc, pos, "ab");
    pos = TextPos{6, 0};
    Type(doc, pos, "c");
    EXPECT_EQ(doc.GetLine(0), "ab----c");
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(doc.GetLine(0), "ab----");
    doc.Undo(caret);
    EXPECT_EQ(doc.GetLine(0), "----");
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(DocTest, EnterAndTypingBehindItAreOneStep)
{
    SetLines({"ab"});
    TextPos pos{1, 0};
    Type(doc, pos, "x");
    doc.SplitLine(pos);
    Type(doc, pos, "y");
    EXPECT_EQ(Stored(), (Lines{"ax", "yb"}));
    EXPECT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), Lines{"ab"});
    doc.Redo(caret);
    EXPECT_EQ(Stored(), (Lines{"ax", "yb"}));
    EXPECT_EQ(caret, (TextPos{1, 1}));
}

TEST_F(DocTest, OverwritingARunIsUndoneInOneStep)
{
    SetLines({"abcd"});
    TextPos pos{1, 0};
    for (char ch : "XYZ"s) {
        doc.OverwriteChar(pos, ch);
        ++pos.col;
    }
    doc.OverwriteChar(pos, '!'); // at the end: inserted
    EXPECT_EQ(doc.GetLine(0), "aXYZ!");
    EXPECT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(doc.GetLine(0), "abcd");
    doc.Redo(caret);
    EXPECT_EQ(doc.GetLine(0), "aXYZ!");
}

TEST_F(DocTest, BackspacesAtTheEndOfALineAreOneStep)
{
    SetLines({"abcd"});
    for (int col = 3; col >= 1; --col)
        doc.DeleteChar(TextPos{col, 0});
    EXPECT_EQ(doc.GetLine(0), "a");
    ASSERT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(doc.GetLine(0), "abcd");
    EXPECT_EQ(caret, (TextPos{4, 0}));
    doc.Redo(caret);
    EXPECT_EQ(doc.GetLine(0), "a");
    EXPECT_EQ(caret, (TextPos{1, 0}));
}

TEST_F(DocTest, BackspaceOverALineBreakJoinsTheStep)
{
    SetLines({"ab", "cd"});
    doc.DeleteChar(TextPos{0, 1}); // c
    doc.DeleteChar(TextPos{2, 0}); // the line break, from its end
    doc.DeleteChar(TextPos{1, 0}); // b
    EXPECT_EQ(Stored(), Lines{"ad"});
    EXPECT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"ab", "cd"}));
}

TEST_F(DocTest, DeletesAtOnePlaceAreOneStep)
{
    SetLines({"abcdef"});
    for (int i = 0; i < 3; ++i)
        doc.DeleteChar(TextPos{1, 0});
    EXPECT_EQ(doc.GetLine(0), "aef");
    EXPECT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(doc.GetLine(0), "abcdef");
}

TEST_F(DocTest, ARangeDeletedLeftOfTheLastOneIsItsOwnStep)
{
    SetLines({"0123456789"});
    doc.DeleteText(TextPos{5, 0}, TextPos{8, 0}, true); // 567
    doc.DeleteText(TextPos{4, 0}, TextPos{6, 0}, true); // 4 and 8
    EXPECT_EQ(doc.GetLine(0), "01239");
    EXPECT_EQ(doc.GetUndoCount(), 2);
    TextPos caret;
    doc.Undo(caret);
    doc.Undo(caret);
    EXPECT_EQ(doc.GetLine(0), "0123456789");
}

TEST_F(DocTest, UndoOfAMultiLineDeleteRestoresTheLines)
{
    SetLines({"first", "second", "third"});
    doc.DeleteText(TextPos{2, 0}, TextPos{3, 2}, true);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"first", "second", "third"}));
    EXPECT_EQ(caret, (TextPos{3, 2}));
    doc.Redo(caret);
    EXPECT_EQ(Stored(), Lines{"fird"});
    EXPECT_EQ(caret, (TextPos{2, 0}));
}

TEST_F(DocTest, ANewEditDropsWhatCouldBeRedone)
{
    SetLines({""});
    TextPos pos{0, 0};
    doc.InsertText(pos, "one", true);
    pos = TextPos{0, 0};
    doc.InsertText(pos, "two ", true);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_TRUE(doc.CanRedo());
    pos = TextPos{3, 0};
    doc.InsertText(pos, "!", true);
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(doc.GetUndoCount(), 2);
    EXPECT_FALSE(doc.Redo(caret));
}

TEST_F(DocTest, TheTwoHundredFirstStepEvictsTheTwentyOldest)
{
    SetLines({""});
    for (int i = 0; i < 200; ++i) {
        TextPos pos{0, 0};
        doc.InsertText(pos, "x", true);
    }
    EXPECT_EQ(doc.GetUndoPos(), 200);
    EXPECT_FALSE(doc.IsUndoTruncated());
    TextPos pos{0, 0};
    doc.InsertText(pos, "y", true);
    EXPECT_EQ(doc.GetUndoPos(), 181);
    EXPECT_TRUE(doc.IsUndoTruncated());

    TextPos caret;
    while (doc.Undo(caret)) {
    }
    EXPECT_EQ(doc.GetLine(0), std::string(20, 'x'));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, IndentAndUnindentAreUndoneLineByLine)
{
    settings.TabSize = 4;
    SetLines({"a", "  b", "c"});
    const TextPos caret0{1, 1};
    doc.IndentLines(0, 1, caret0, true);
    doc.UnindentLines(1, 2, TextPos{0, 2}, true);
    EXPECT_EQ(Stored(), (Lines{"\x07\x06\x06\x06"s "a", "  b", "c"}));

    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"\x07\x06\x06\x06"s "a", "\x07\x06\x06\x06"s "  b", "c"}));
    EXPECT_EQ(caret, (TextPos{0, 2}));
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"a", "  b", "c"}));
    EXPECT_EQ(caret, caret0);
    doc.Redo(caret);
    EXPECT_EQ(caret, (TextPos{5, 1})); // the caret moves with the indent
    doc.Redo(caret);
    EXPECT_EQ(Stored(), (Lines{"\x07\x06\x06\x06"s "a", "  b", "c"}));
}

TEST_F(DocTest, ReplacingAllLinesIsOneSnapshotStep)
{
    SetLines({"old one", "old two"});
    doc.ToggleBookmark(1);
    LineStore fresh;
    fresh.Append("new");
    TextPos pos{3, 1};
    doc.ReplaceAllLines(fresh, pos);
    EXPECT_EQ(Stored(), Lines{"new"});
    EXPECT_EQ(pos, (TextPos{0, 0}));
    EXPECT_EQ(doc.GetBookmarkCount(), 0);

    TextPos caret{2, 0};
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{"old one", "old two"}));
    EXPECT_EQ(caret, (TextPos{3, 1}));
    // The new text came without bookmarks; the old one has its own back.
    EXPECT_TRUE(doc.IsBookmarked(1));
    EXPECT_EQ(doc.GetBookmarkCount(), 1);
    caret = TextPos{1, 1};
    doc.Redo(caret);
    EXPECT_EQ(Stored(), Lines{"new"});
    EXPECT_EQ(caret, (TextPos{2, 0}));
    doc.Undo(caret);
    EXPECT_EQ(caret, (TextPos{1, 1}));
}

TEST_F(DocTest, NothingToUndoOrRedoIsRefused)
{
    SetLines({"a"});
    TextPos caret{1, 0};
    EXPECT_FALSE(doc.Undo(caret));
    EXPECT_FALSE(doc.Redo(caret));
    EXPECT_EQ(caret, (TextPos{1, 0}));
    EXPECT_EQ(Stored(), Lines{"a"});
}

// Random edits at places a caret can stand on, undone to the start and
// redone to the end, must give back the original and the edited text.
TEST_F(DocTest, RandomEditsUndoToTheStartAndRedoToTheEnd)
{
    std::mt19937 rng(4242);
    const std::string alphabet = "ab \t\xE0\xFF";
    auto randomText = [&](int maxLength, bool breaks) {
        std::string text;
        for (int n = static_cast<int>(rng() % static_cast<unsigned>(maxLength + 1)); n > 0; --n) {
            if (breaks && rng() % 5 == 0)
                text += rng() % 2 ? "\r\n" : "\r";
            else
                text += alphabet[rng() % alphabet.size()];
        }
        return text;
    };
    auto randomPos = [&] {
        TextPos pos;
        pos.line = static_cast<int>(rng() % static_cast<unsigned>(doc.GetLineCount()));
        const std::string_view line = doc.GetLine(pos.line);
        pos.col = static_cast<int>(rng() % (line.size() + 1));
        while (pos.col > 0 && static_cast<std::size_t>(pos.col) < line.size() &&
               line[static_cast<std::size_t>(pos.col)] == TAB_FILL)
            --pos.col; // a caret never stands inside a tab cell
        return pos;
    };

    for (int round = 0; round < 60; ++round) {
        settings.TabSize = static_cast<std::uint8_t>(1 + rng() % 8);
        settings.FillTabs = static_cast<int>(rng() % 2);
        doc.OnNewDocument();
        TextPos start{0, 0};
        doc.InsertText(start, randomText(40, true), false);
        const Lines original = Stored();

        for (int step = 0; step < 60; ++step) {
            TextPos pos = randomPos();
            switch (rng() % 9) {
            case 0: doc.InsertText(pos, randomText(6, true), true); break;
            case 1: doc.DeleteText(pos, randomPos(), true); break;
            case 2: doc.InsertChar(pos, alphabet[rng() % alphabet.size()]); break;
            case 3: doc.OverwriteChar(pos, alphabet[rng() % alphabet.size()]); break;
            case 4: doc.DeleteChar(pos); break;
            case 5: doc.SplitLine(pos); break;
            case 6: doc.IndentLines(pos.line, pos.line + static_cast<int>(rng() % 3), pos, true); break;
            case 7: doc.UnindentLines(pos.line, pos.line + static_cast<int>(rng() % 3), pos, true); break;
            case 8: {
                LineStore lines;
                lines.Append(randomText(5, false));
                doc.ReplaceAllLines(lines, pos);
                break;
            }
            }
        }
        const Lines edited = Stored();
        TextPos caret;
        while (doc.Undo(caret)) {
        }
        ASSERT_EQ(Stored(), original) << "round " << round;
        EXPECT_FALSE(doc.IsModified());
        while (doc.Redo(caret)) {
        }
        ASSERT_EQ(Stored(), edited) << "round " << round;
    }
}

// A deleted tab cell comes back with its fills, also when the undo puts it
// into a line in the middle of the restored text.
TEST_F(DocTest, UndoRestoresTabCellsDeletedOneByOne)
{
    settings.TabSize = 4;
    SetLines({"", "\t", "x"});
    const Lines original = Stored();
    doc.DeleteChar(TextPos{0, 1}); // the tab
    doc.DeleteChar(TextPos{0, 1}); // the line break after it
    doc.DeleteChar(TextPos{0, 0}); // the line break before it
    EXPECT_EQ(Stored(), Lines{"x"});
    EXPECT_EQ(doc.GetUndoCount(), 1);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), original);
}

// A line may hold CR bytes of its own (a file read with another line end);
// undo must put them back inside the line, not break the line there.
TEST_F(DocTest, UndoKeepsCrBytesInsideTheirLine)
{
    doc.DeleteContents();
    doc.AppendLine("a\rb\r\nc");
    doc.AppendLine("next");
    const Lines original = Stored();

    doc.DeleteText(TextPos{0, 0}, TextPos{2, 1}, true);
    doc.DeleteChar(TextPos{0, 0});
    doc.OverwriteChar(TextPos{0, 0}, 'x');
    EXPECT_EQ(Stored(), Lines{"x"});
    TextPos caret;
    while (doc.Undo(caret)) {
    }
    EXPECT_EQ(Stored(), original);

    doc.DeleteChar(TextPos{1, 0}); // the lone CR
    doc.DeleteChar(TextPos{0, 0}); // then backspace over "a"
    EXPECT_EQ(doc.GetUndoCount(), 1);
    doc.OverwriteChar(TextPos{1, 0}, 'y'); // over the CR of "\r\n"
    doc.Undo(caret);
    doc.Undo(caret);
    EXPECT_EQ(Stored(), original);
}
