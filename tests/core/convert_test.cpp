// Converting a document's text between code pages and the transliteration.
#include "core/text/code_pages.h"
#include "doc_fixture.h"

using Lines = std::vector<std::string>;

namespace {

const std::string kKoiPrivet = "\xF0\xD2\xC9\xD7\xC5\xD4"; // Привет
const std::string kWinPrivet = "\xCF\xF0\xE8\xE2\xE5\xF2";

} // namespace

TEST_F(DocTest, ConvertingTheWholeTextIsOneStep)
{
    SetLines({kKoiPrivet, "ascii \t" + kKoiPrivet});
    doc.ToggleBookmark(1);
    doc.Convert(std::nullopt, CP_KOI8, CP_WIN, false, TextPos{2, 1});
    EXPECT_EQ(Stored(), (Lines{kWinPrivet, "ascii \x07\x06" + kWinPrivet}));
    EXPECT_EQ(doc.GetBookmarkCount(), 0);
    EXPECT_FALSE(doc.IsBookmarked(1));
    EXPECT_EQ(frame.progress, (std::vector<std::string>{"Converting", "range 0 10", "pos 10"}));
    TextPos caret;
    ASSERT_TRUE(doc.Undo(caret));
    EXPECT_EQ(Stored(), (Lines{kKoiPrivet, "ascii \x07\x06" + kKoiPrivet}));
    EXPECT_EQ(caret, (TextPos{2, 1}));
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(DocTest, ConvertingARangeTakesWholeLinesFromItsStartAndUndoesInOneStep)
{
    SetLines({kKoiPrivet, kKoiPrivet, kKoiPrivet});
    doc.Convert(std::make_pair(TextPos{2, 0}, TextPos{1, 1}), CP_KOI8, CP_DOS, false);
    const std::string dosPrivet = "\x8F\xE0\xA8\xA2\xA5\xE2";
    const Lines converted{kKoiPrivet.substr(0, 2) + dosPrivet.substr(2), dosPrivet, kKoiPrivet};
    EXPECT_EQ(Stored(), converted);
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), (Lines{kKoiPrivet, kKoiPrivet, kKoiPrivet}));
    EXPECT_FALSE(doc.CanUndo());
    doc.Redo(caret);
    EXPECT_EQ(Stored(), converted);
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(DocTest, TransliterationNeedsAUsableTable)
{
    SetLines({kWinPrivet});
    doc.Convert(std::nullopt, CP_WIN, CP_TRANSLITE, false);
    EXPECT_EQ(Stored(), Lines{kWinPrivet});
    EXPECT_FALSE(doc.CanUndo());

    settings.TranslitTableFile = std::string(NOVEDA_DATA_DIR) + "/gost.ttb";
    settings.translit.available = true;
    doc.Convert(std::nullopt, CP_WIN, CP_TRANSLITE, false);
    EXPECT_EQ(Stored(), Lines{"Privet"});
    doc.Convert(std::nullopt, CP_TRANSLITE, CP_KOI8, false);
    EXPECT_EQ(Stored(), Lines{kKoiPrivet});
}

// A selection that ends at the start of a line leaves that line out, as
// Indent does.
TEST_F(DocTest, WholeLineCommandsLeaveOutTheLineASelectionEndsAt)
{
    SetLines({kKoiPrivet, kKoiPrivet, kKoiPrivet});
    doc.Convert(std::make_pair(TextPos{0, 0}, TextPos{0, 2}), CP_KOI8, CP_WIN, false);
    EXPECT_EQ(Stored(), (Lines{kWinPrivet, kWinPrivet, kKoiPrivet}));

    SetLines({"one", "two", "three"});
    doc.AlignText(std::make_pair(TextPos{0, 0}, TextPos{0, 2}), {AlignMode::Right, 0, 10, false, 0});
    EXPECT_EQ(Stored(), (Lines{"   one two", "three"}));
}
