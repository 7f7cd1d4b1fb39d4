#include "core/text/code_pages.h"
#include "view_fixture.h"

namespace {

class ViewBlocks : public ViewTest {};

TEST_F(ViewBlocks, CopyGivesTabsAndLineBreaksAndPasteTakesThemBack)
{
    Show({"a\tb", "c"});
    Select({0, 0}, {1, 1});
    EXPECT_TRUE(view->UpdateCommand(ID_EDIT_COPY)->enabled);
    view->OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(host.clipboard, "a\tb\r\nc");
    view->DropSelection();
    view->MoveCaretTo(1, 1);
    view->OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"a\x07\x06\x06" "b", "ca\x07\x06" "b", "c"}));
    EXPECT_EQ(view->Caret(), (TextPos{1, 2}));
}

// With AutoClipbrd the clipboard gets the characters the view shows, so
// that cp866 box drawing comes back as it went; without it the bytes go as
// cp1251 text.
TEST_F(ViewBlocks, AutoClipbrdCarriesTheViewsCharacters)
{
    Show({"\x8F\xE0\xA8 \xC9\xCD\xBB"}); // При ╔═╗ in cp866
    view->OnEncoding(ID_ENCODING_KOI8 + CP_DOS);
    Select({0, 0}, {7, 0});
    view->Copy();
    EXPECT_EQ(host.clipboard, "\x8F\xE0\xA8 \xC9\xCD\xBB");
    EXPECT_EQ(host.clipboardCodePage, CP_DOS);
    view->DropSelection();
    view->MoveCaretTo(0, 7);
    view->Paste();
    EXPECT_EQ(doc.GetLine(0), "\x8F\xE0\xA8 \xC9\xCD\xBB\x8F\xE0\xA8 \xC9\xCD\xBB");

    settings.AutoClipbrd = 0;
    Select({0, 0}, {3, 0});
    view->Copy();
    EXPECT_EQ(host.clipboard, "\x8F\xE0\xA8");
    EXPECT_EQ(host.clipboardCodePage, CP_WIN);
    settings.AutoClipbrd = 1;
    host.clipboard = "\xEC\xE8\xF0"; // мир in cp1251
    host.clipboardCodePage = CP_WIN;
    view->DropSelection();
    view->MoveCaretTo(0, 3);
    view->Paste();
    EXPECT_EQ(doc.GetLine(0).substr(0, 6), "\x8F\xE0\xA8\xAC\xA8\xE0");
}

TEST_F(ViewBlocks, ABusyClipboardChangesNothing)
{
    Show({"keep me"});
    Select({0, 0}, {4, 0});
    host.clipboard = "old";
    host.clipboardBusy = true;
    view->OnCommand(ID_EDIT_CUT);
    EXPECT_EQ(doc.GetLine(0), "keep me"); // not copied, so not deleted
    view->OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(doc.GetLine(0), "keep me");
    host.clipboardBusy = false;
    view->OnCommand(ID_EDIT_CUT);
    EXPECT_EQ(doc.GetLine(0), " me");
    EXPECT_EQ(host.clipboard, "keep");
}

TEST_F(ViewBlocks, PasteReplacesTheSelectionWhateverInputEraseSelectSays)
{
    settings.InputEraseSelect = 0;
    Show({"one two"});
    host.clipboard = "2";
    Select({4, 0}, {7, 0});
    view->Paste();
    EXPECT_EQ(doc.GetLine(0), "one 2");
    EXPECT_FALSE(Selected());
}

TEST_F(ViewBlocks, IndentOfASelectionEndingAtColumnZeroLeavesThatLineOut)
{
    Show({"0", "1", "two", "3", "4", "5"});
    Select({3, 2}, {0, 5});
    view->OnCommand(ID_EDIT_INDENT);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"0", "1", "\x07\x06\x06\x06two", "\x07\x06\x06\x06" "3",
                                                  "\x07\x06\x06\x06" "4", "5"}));
    EXPECT_EQ(Anchor(), (TextPos{0, 2}));
    EXPECT_EQ(SelEnd(), (TextPos{0, 5}));
    EXPECT_EQ(view->Caret(), (TextPos{0, 5}));
    view->OnCommand(ID_EDIT_UNINDENT);
    EXPECT_EQ(doc.GetLine(3), "3");
}

TEST_F(ViewBlocks, CaseCommandsPairEveryLetterAndFindWordStarts)
{
    Show({"\xE8\xC2\xC0\xCD \xEF\xC5\xD2\xD0\xCE\xC2", "\xA8\xEB\xEA\xE0 word"}); // иВАН пЕТРОВ / Ёлка word
    Select({0, 0}, {11, 0});
    view->OnCommand(ID_EDIT_CAPITALIZE);
    EXPECT_EQ(doc.GetLine(0), "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"); // Иван Петров
    view->DropSelection();
    view->MoveCaretTo(1, 2); // inside Ёлка, no selection: that word only
    view->OnCommand(ID_EDIT_INVERT_CASE);
    EXPECT_EQ(doc.GetLine(1), "\xB8\xCB\xCA\xC0 word"); // ёЛКА
    view->MoveCaretTo(1, 6);
    view->OnCommand(ID_EDIT_UPPER_CASE);
    EXPECT_EQ(doc.GetLine(1), "\xB8\xCB\xCA\xC0 WORD");
    Select({0, 0}, {4, 1});
    view->OnCommand(ID_EDIT_LOWER_CASE);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"\xE8\xE2\xE0\xED \xEF\xE5\xF2\xF0\xEE\xE2", "\xB8\xEB\xEA\xE0 WORD"}));
    view->OnCommand(ID_EDIT_CAPITALIZE); // a new line starts a word
    EXPECT_EQ(doc.GetLine(1), "\xA8\xEB\xEA\xE0 WORD");
}

TEST_F(ViewBlocks, CaseIsChangedInTheViewsCodePage)
{
    Show({"\xD0\xD2\xC9"}); // при in KOI8
    view->OnEncoding(ID_ENCODING_KOI8 + CP_KOI8);
    Select({0, 0}, {3, 0});
    view->OnCommand(ID_EDIT_UPPER_CASE);
    EXPECT_EQ(doc.GetLine(0), "\xF0\xF2\xE9"); // ПРИ in KOI8
}

// Only letters change: box drawing, « » and № are no letters of their own
// code page, whatever byte they share with a cp1251 letter.
TEST_F(ViewBlocks, CaseLeavesEveryByteThatIsNoLetterAlone)
{
    auto changed = [&](const std::string& line, CodePage codePage, int command) {
        Show({line});
        view->OnEncoding(ID_ENCODING_KOI8 + codePage);
        view->OnCommand(ID_EDIT_SELECT_ALL);
        view->OnCommand(command);
        return doc.GetLine(0);
    };
    // ╔═╗ ab █ in cp866
    EXPECT_EQ(changed("\xC9\xCD\xBB ab \xDB", CP_DOS, ID_EDIT_UPPER_CASE), "\xC9\xCD\xBB AB \xDB");
    // «Аб» in Mac Cyrillic
    EXPECT_EQ(changed("\xC7\x80\xE1\xC8", CP_MAC, ID_EDIT_LOWER_CASE), "\xC7\xE0\xE1\xC8");
    // №1 ы in ISO 8859-5
    EXPECT_EQ(changed("\xF0" "1 \xEB", CP_ISO, ID_EDIT_UPPER_CASE), "\xF0" "1 \xCB");
    // a KOI8 box byte that the one-way tables once made Ё
    EXPECT_EQ(changed("\xA8\xC1", CP_KOI8, ID_EDIT_INVERT_CASE), "\xA8\xE1");
    // Ukrainian letters have cases too: є in cp866
    EXPECT_EQ(changed("\xF3", CP_DOS, ID_EDIT_UPPER_CASE), "\xF2");
}

// A file read with LF line ends keeps a stray CR inside its line.
TEST_F(ViewBlocks, CaseKeepsTheCrBytesOfALine)
{
    fs.files["C:\\mixed.txt"] = "first\nsecond\r\nthird\r\n";
    ASSERT_TRUE(doc.OnOpenDocument("C:\\mixed.txt", {.codePage = CP_WIN}));
    Start();
    view->OnCommand(ID_EDIT_SELECT_ALL);
    view->OnCommand(ID_EDIT_UPPER_CASE);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"FIRST", "SECOND\r", "THIRD\r", ""}));
    ASSERT_TRUE(doc.OnSaveDocument("C:\\mixed.txt"));
    EXPECT_EQ(fs.files["C:\\mixed.txt"], "FIRST\nSECOND\r\nTHIRD\r\n");
    view->OnCommand(ID_EDIT_UNDO); // the new text goes
    view->OnCommand(ID_EDIT_UNDO); // the old comes back
    EXPECT_EQ(Stored(), (std::vector<std::string>{"first", "second\r", "third\r", ""}));
}

TEST_F(ViewBlocks, SelectLineStopsAtTheEndOfTheLastLine)
{
    Show({"one", "two"});
    view->MoveCaretTo(0, 1);
    view->OnCommand(ID_EDIT_SELECT_LINE);
    EXPECT_EQ(SelEnd(), (TextPos{0, 1}));
    view->MoveCaretTo(1, 1);
    view->OnCommand(ID_EDIT_SELECT_LINE);
    EXPECT_EQ(Anchor(), (TextPos{0, 1}));
    EXPECT_EQ(SelEnd(), (TextPos{3, 1}));
    view->OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(Anchor(), (TextPos{0, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{3, 1}));
    EXPECT_EQ(view->Caret(), (TextPos{1, 1}));
}

TEST_F(ViewBlocks, InsertFileSelectsWhatCameIn)
{
    Show({"ab"});
    fs.files["/in.txt"] = "x\r\ny";
    view->MoveCaretTo(0, 1);
    view->OnCommand(ID_FILE_INSERT); // cancelled
    EXPECT_EQ(doc.GetLine(0), "ab");
    host.fileToInsert = "/in.txt";
    view->OnCommand(ID_FILE_INSERT);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"ax", "yb"}));
    EXPECT_TRUE(Selected());
    EXPECT_EQ(Anchor(), (TextPos{1, 0}));
    EXPECT_EQ(SelEnd(), (TextPos{1, 1}));
    host.fileToInsert = "/missing.txt";
    view->OnCommand(ID_FILE_INSERT);
    EXPECT_EQ(doc.GetLineCount(), 2);
}

TEST_F(ViewBlocks, CommandStatesFollowTheSelectionClipboardAndHistory)
{
    Show({"ab"});
    EXPECT_FALSE(view->UpdateCommand(ID_EDIT_COPY)->enabled);
    EXPECT_FALSE(view->UpdateCommand(ID_EDIT_PASTE)->enabled);
    EXPECT_FALSE(view->UpdateCommand(ID_EDIT_UNDO)->enabled);
    EXPECT_FALSE(view->UpdateCommand(ID_SEARCH_NEXT_BOOKMARK)->enabled);
    host.clipboard = "x";
    view->OnCommand(ID_EDIT_PASTE);
    EXPECT_TRUE(view->UpdateCommand(ID_EDIT_PASTE)->enabled);
    EXPECT_TRUE(view->UpdateCommand(ID_EDIT_UNDO)->enabled);
    view->OnCommand(ID_SEARCH_TOGGLE_BOOKMARK);
    EXPECT_TRUE(view->UpdateCommand(ID_SEARCH_PREV_BOOKMARK)->enabled);
    EXPECT_EQ(view->UpdateCommand(10004), (CommandUpdate{true, true}));
    EXPECT_EQ(view->UpdateCommand(10001), (CommandUpdate{true, false}));
    EXPECT_FALSE(view->UpdateCommand(12345).has_value());
    EXPECT_FALSE(view->OnCommand(12345));
}

} // namespace
