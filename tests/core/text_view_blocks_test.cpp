#include "core/text/code_pages.h"
#include "view_fixture.h"

#ifndef _WIN32
#include <iconv.h>
#endif

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

#ifndef _WIN32
// The character of one byte of a code page, as the system's converter
// knows it; 0 where it knows none.
char32_t CharacterOf(unsigned char byte, const char* codePage)
{
    iconv_t cd = iconv_open("UTF-32LE", codePage);
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* from = in;
    char* to = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = 4;
    const bool done = iconv(cd, &from, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return done ? static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24) : 0;
}

// The other case of a letter these code pages hold, else 0.
char32_t CasePartner(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if ((c >= 'a' && c <= 'z') || (c >= 0x430 && c <= 0x44F))
        return c - 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    if (c == 0x490 || c == 0x491)
        return c ^ 1;
    return 0;
}
#endif

// Every byte of every code page against what the code pages' own
// definitions say: a letter whose partner the code page (and cp1251, through
// which the commands go) holds changes case, every other byte stays.
TEST_F(ViewBlocks, CaseCommandsChangeLettersOfTheViewsCodePageAndNothingElse)
{
#ifdef _WIN32
    GTEST_SKIP() << "the code pages' definitions come from the C library's converter";
#else
    const char* names[kCodePageCount] = {"KOI8-R", "CP866", "MAC-CYRILLIC", "ISO-8859-5", "CP1251"};
    std::string line;
    for (int b = 0x20; b <= 0xFF; ++b)
        line.push_back(static_cast<char>(b));
    for (int cp = 0; cp < kCodePageCount; ++cp) {
        std::map<char32_t, unsigned char> byteOf;
        std::map<char32_t, bool> inCp1251;
        for (int b = 0x20; b <= 0xFF; ++b) {
            byteOf[CharacterOf(static_cast<unsigned char>(b), names[cp])] = static_cast<unsigned char>(b);
            inCp1251[CharacterOf(static_cast<unsigned char>(b), "CP1251")] = true;
        }
        for (const int command : {ID_EDIT_UPPER_CASE, ID_EDIT_LOWER_CASE, ID_EDIT_INVERT_CASE}) {
            Show({line});
            view->OnEncoding(ID_ENCODING_KOI8 + cp);
            view->OnCommand(ID_EDIT_SELECT_ALL);
            view->OnCommand(command);
            const std::string_view changed = doc.GetLine(0);
            ASSERT_EQ(changed.size(), line.size());
            for (std::size_t i = 0; i < line.size(); ++i) {
                const auto byte = static_cast<unsigned char>(line[i]);
                const char32_t c = CharacterOf(byte, names[cp]);
                const char32_t partner = CasePartner(c);
                // Mac Cyrillic's Ґ ґ stand where the page's versions differ:
                // they are kept as bytes.
                const bool macVariant = cp == CP_MAC && (byte == 0xA2 || byte == 0xB6);
                const bool changes = partner && byteOf.count(partner) && inCp1251[c] && inCp1251[partner] && !macVariant;
                const bool upper = partner > c; // capitals come first in these blocks
                const bool wanted = command == ID_EDIT_UPPER_CASE   ? true
                                    : command == ID_EDIT_LOWER_CASE ? false
                                                                    : !upper;
                const unsigned char expected = changes && upper != wanted ? byteOf[partner] : byte;
                EXPECT_EQ(static_cast<unsigned char>(changed[i]), expected)
                    << names[cp] << " command " << command << " byte " << static_cast<int>(byte);
            }
        }
    }
#endif
}

TEST_F(ViewBlocks, CapitalizeStartsAWordAfterALinesOwnCr)
{
    fs.files["C:\\cr.txt"] = "one\rtwo three\n";
    ASSERT_TRUE(doc.OnOpenDocument("C:\\cr.txt", {.codePage = CP_WIN}));
    Start();
    view->OnCommand(ID_EDIT_SELECT_ALL);
    view->OnCommand(ID_EDIT_CAPITALIZE);
    EXPECT_EQ(doc.GetLine(0), "One\rTwo Three");
}

// A Unicode file with characters the code pages lack is shown, not edited.
TEST_F(ViewBlocks, AReadOnlyDocumentTakesNoEdits)
{
    fs.files["C:\\cjk.txt"] = "one \xE4\xB8\xAD\ntwo\n";
    ASSERT_TRUE(doc.OnOpenDocument("C:\\cjk.txt"));
    ASSERT_TRUE(doc.SavesOnlyElsewhere());
    Start();
    const std::vector<std::string> shown = Stored();
    view->MoveCaretTo(0, 1);
    view->OnChar('x', false, false);
    view->OnKeyDown(KEY_DELETE, false, false);
    view->OnKeyDown(KEY_BACK, false, false);
    view->OnKeyDown(KEY_RETURN, false, false);
    host.clipboard = "pasted";
    view->OnCommand(ID_EDIT_SELECT_ALL);
    for (const int command : {ID_EDIT_PASTE, ID_EDIT_CUT, ID_EDIT_UPPER_CASE, ID_EDIT_INDENT, ID_EDIT_DELETE_LINE}) {
        EXPECT_FALSE(view->UpdateCommand(command)->enabled) << command;
        view->OnCommand(command);
    }
    for (const int command : {ID_ACTIONS_CONVERT, ID_ACTIONS_ALIGN, ID_EDIT_REPLACE, ID_CLIP_KEY_FIRST})
        EXPECT_FALSE(view->UpdateCommand(command)->enabled) << command; // the frame's, grey through the view
    EXPECT_TRUE(view->UpdateCommand(ID_EDIT_COPY)->enabled);
    EXPECT_EQ(Stored(), shown);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.beeps, 9);
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
    view->OnCommand(ID_EDIT_UNDO); // one step
    EXPECT_EQ(Stored(), (std::vector<std::string>{"first", "second\r", "third\r", ""}));
    EXPECT_FALSE(doc.CanUndo());
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
