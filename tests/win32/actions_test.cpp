// The Actions menu: whole-text commands and the small dialogs.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "core/text/code_pages.h"
#include "win32/app/menu_conversion.h"
#include "win32/res/resource.h"

#include <commctrl.h>

namespace {

class Actions : public DocumentFramework {
protected:
    static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    // Shown once the dialog shows (which it does not yet while its script runs).
    static bool Shown(HWND dialog, int id) { return GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE; }

    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Doc().GetLineCount(); ++i)
            lines.emplace_back(Doc().GetLine(i));
        return lines;
    }
};

TEST_F(Actions, TabsToSpacesAndTrimAreUndoneInOneStep)
{
    settings.TabSize = 4;
    Type(L"a\tb  \rc \t");
    const std::vector<std::string> typed = Lines();
    ASSERT_EQ(typed, (std::vector<std::string>{"a\x07\x06\x06" "b  ", "c \x07\x06"}));
    Command(ID_ACTIONS_TABS_TO_SPACES);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a   b  ", "c   "}));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(), typed);

    Command(ID_ACTIONS_TRIM_SPACES);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a\x07\x06\x06" "b", "c"}));
    EXPECT_LE(View().Caret().col, 1); // clamped into the shorter line
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(), typed);
}

// Out of range, then in range; percents of ten lines.
TEST_F(Actions, GoToChecksTheRangeAndCountsPercents)
{
    SetText({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    View().MoveCaretTo(2, 0);
    std::vector<std::wstring> errors;
    std::vector<const wchar_t*> values = {L"0", L"11", L"x", L"7"};
    std::wstring start;
    {
        DialogScript script([&](HWND dialog) {
            if (IsMessageBox(dialog)) {
                errors.push_back(Text(dialog, 0xFFFF));
                DialogScript::Click(dialog, IDOK);
                return;
            }
            start = Text(dialog, IDC_GOTO_VALUE);
            EXPECT_TRUE(Checked(dialog, IDC_GOTO_BY_LINE));
            for (const wchar_t* value : values) {
                SetDlgItemTextW(dialog, IDC_GOTO_VALUE, value);
                SendMessageW(dialog, WM_COMMAND, IDC_GOTO_GO, 0);
            }
        });
        Command(ID_SEARCH_GOTO);
    }
    EXPECT_EQ(start, L"3");
    EXPECT_EQ(errors, std::vector<std::wstring>(3, L"Please enter value between 1 and 10"));
    EXPECT_EQ(View().Caret().line, 6);

    std::vector<std::pair<const wchar_t*, int>> percents = {{L"0", 0}, {L"50", 4}, {L"100", 9}};
    for (const auto& [percent, line] : percents) {
        DialogScript script([&, percent = percent](HWND dialog) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_GOTO_BY_PERCENT, BN_CLICKED), 0);
            SetDlgItemTextW(dialog, IDC_GOTO_VALUE, percent);
            SendMessageW(dialog, WM_COMMAND, IDC_GOTO_GO, 0);
        });
        Command(ID_SEARCH_GOTO);
        EXPECT_EQ(View().Caret().line, line) << percent;
    }
    bool opensInPercent = false;
    {
        DialogScript script([&](HWND dialog) {
            opensInPercent = Checked(dialog, IDC_GOTO_BY_PERCENT);
            DialogScript::Click(dialog, IDCANCEL);
        });
        Command(ID_SEARCH_GOTO);
    }
    EXPECT_TRUE(opensInPercent); // the mode is kept for the next time
}

// The same in Russian, and a count of lines beyond what 16 bits hold.
TEST_F(Actions, GoToSpeaksTheInterfaceLanguageAndReachesFarLines)
{
    settings.InterfaceFile = NOVEDA_DATA_DIR "/russian.lng";
    frame.ApplyInterfaceLanguage();
    SetText({});
    for (int i = 0; i < 70000; ++i)
        Doc().AppendLine("x");
    std::wstring caption, radio, error;
    DialogScript script([&](HWND dialog) {
        if (IsMessageBox(dialog)) {
            error = Text(dialog, 0xFFFF);
            DialogScript::Click(dialog, IDOK);
            return;
        }
        wchar_t text[64];
        GetWindowTextW(dialog, text, 64);
        caption = text;
        radio = Text(dialog, IDC_GOTO_BY_LINE);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_GOTO_BY_LINE, BN_CLICKED), 0);
        SetDlgItemTextW(dialog, IDC_GOTO_VALUE, L"0");
        SendMessageW(dialog, WM_COMMAND, IDC_GOTO_GO, 0);
        SetDlgItemTextW(dialog, IDC_GOTO_VALUE, L"65537");
        SendMessageW(dialog, WM_COMMAND, IDC_GOTO_GO, 0);
    });
    Command(ID_SEARCH_GOTO);
    EXPECT_EQ(caption, L"Перейти");
    EXPECT_EQ(radio, L"Номер строки");
    EXPECT_EQ(error, L"Введите значение от 1 до 70000");
    EXPECT_EQ(View().Caret().line, 65536);
    settings.InterfaceFile.clear();
    frame.ApplyInterfaceLanguage();
}

// Clip libraries that are empty or begin with a separator are pop-ups the
// language file's numbering passes over like any other library's.
class ClipLibraryMenus : public DocumentFramework {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(clips.slots[0].Read(0, "#library_name=Empty\r\n"));
        ASSERT_TRUE(clips.slots[1].Read(1, "#library_name=Lines\r\n#clip_name=separator\r\n#clip_name=One\r\nx\r\n"));
        DocumentFramework::SetUp();
    }
};

TEST_F(ClipLibraryMenus, KeepTheInterfaceLanguagesTextsInPlace)
{
    settings.InterfaceFile = NOVEDA_DATA_DIR "/russian.lng";
    frame.ApplyInterfaceLanguage();
    HMENU actions = PopupWith(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES);
    ASSERT_NE(actions, nullptr);
    auto textAt = [&](UINT item, UINT how) {
        wchar_t text[128] = {};
        GetMenuStringW(actions, item, text, 128, how);
        return std::wstring(text);
    };
    EXPECT_EQ(textAt(0, MF_BYPOSITION), L"Empty");
    EXPECT_EQ(textAt(1, MF_BYPOSITION), L"Lines");
    EXPECT_EQ(textAt(ID_ACTIONS_TABS_TO_SPACES, MF_BYCOMMAND), L"&Табуляции -> пробелы");
    EXPECT_EQ(textAt(ID_ACTIONS_TRIM_SPACES, MF_BYCOMMAND), L"Убрать &концевые пробелы");
    settings.InterfaceFile.clear();
    frame.ApplyInterfaceLanguage();
}

TEST_F(Actions, BookmarkListGoesToAndDeletesBookmarks)
{
    SetText({"zero", "one", "two", "three"});
    EXPECT_FALSE(MenuItemEnabled(ID_SEARCH_BOOKMARKS));
    Doc().ToggleBookmark(1);
    Doc().ToggleBookmark(3);
    EXPECT_TRUE(MenuItemEnabled(ID_SEARCH_BOOKMARKS));
    std::vector<std::wstring> entries;
    std::wstring shown, afterDelete;
    DialogScript script([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_BOOKMARK_LIST);
        for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
            wchar_t entry[64];
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
            entries.push_back(entry);
        }
        shown = Text(dialog, IDC_BOOKMARK_LINE);
        SendMessageW(dialog, WM_COMMAND, IDC_BOOKMARK_DELETE, 0);
        afterDelete = Text(dialog, IDC_BOOKMARK_LINE);
        SendMessageW(dialog, WM_COMMAND, IDC_BOOKMARK_GOTO, 0);
    });
    Command(ID_SEARCH_BOOKMARKS);
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"Line No:\t 000002", L"Line No:\t 000004"}));
    EXPECT_EQ(shown, L"one");
    EXPECT_EQ(afterDelete, L"three"); // the next entry took the deleted one's place
    EXPECT_FALSE(Doc().IsBookmarked(1));
    EXPECT_TRUE(Doc().IsBookmarked(3));
    EXPECT_EQ(View().Caret().line, 3);
}

TEST_F(Actions, ConvertRunsOverTheDocumentAndSwitchesTheView)
{
    SetText({"\xCF\xF0\xE8\xE2\xE5\xF2"}); // "Привет" in WIN
    settings.Where = 1;
    bool selectionEnabled = true;
    bool allChecked = false;
    int from = -1, to = -1;
    bool optionsShownFolded = true, optionsShownUnfolded = false, skipTagsEnabled = true;
    std::wstring foldButton;
    DialogScript script([&](HWND dialog) {
        optionsShownFolded = Shown(dialog, IDC_CONVERT_SWITCH_VIEW);
        SendMessageW(dialog, WM_COMMAND, IDC_CONVERT_MORE, 0);
        optionsShownUnfolded = Shown(dialog, IDC_CONVERT_SWITCH_VIEW);
        skipTagsEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_CONVERT_SKIP_TAGS)); // only from TRANSLITE
        foldButton = Text(dialog, IDC_CONVERT_MORE);
        selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_SCOPE_SELECTION));
        allChecked = Checked(dialog, IDC_SCOPE_ALL);
        from = static_cast<int>(SendDlgItemMessageW(dialog, IDC_CONVERT_FROM, CB_GETCURSEL, 0, 0));
        to = static_cast<int>(SendDlgItemMessageW(dialog, IDC_CONVERT_TO, CB_GETCURSEL, 0, 0));
        CheckRadioButton(dialog, IDC_SCOPE_SELECTION, IDC_SCOPE_ALL, IDC_SCOPE_DOCUMENT);
        SendMessageW(dialog, WM_COMMAND, IDC_SCOPE_GO, 0);
    });
    Command(ID_ACTIONS_CONVERT);
    EXPECT_FALSE(optionsShownFolded);
    EXPECT_TRUE(optionsShownUnfolded);
    EXPECT_FALSE(skipTagsEnabled);
    EXPECT_EQ(foldButton, L"<<");
    EXPECT_FALSE(selectionEnabled);
    EXPECT_TRUE(allChecked); // Where 1: all open documents
    EXPECT_EQ(from, CP_WIN);
    EXPECT_EQ(to, CP_KOI8);
    EXPECT_EQ(Lines(), std::vector<std::string>{"\xF0\xD2\xC9\xD7\xC5\xD4"}); // the same in KOI8
    EXPECT_EQ(View().CodePage(), CP_KOI8);
    EXPECT_EQ(settings.Where, 0);
    EXPECT_EQ(store.GetInt("General", "ConvertTo"), std::optional<std::uint32_t>(CP_KOI8));
}

TEST_F(Actions, RemoveTagsTakesItsCharactersFromTheEdits)
{
    SetText({"a<b>c", "x{y}z"});
    View().Select({0, 1}, {5, 1});
    std::wstring start, end;
    bool selectionChecked = false;
    DialogScript script([&](HWND dialog) {
        start = Text(dialog, IDC_TAGS_START);
        end = Text(dialog, IDC_TAGS_END);
        selectionChecked = Checked(dialog, IDC_SCOPE_SELECTION);
        SendMessageW(dialog, WM_COMMAND, IDC_TAGS_MORE, 0);
        SetDlgItemTextW(dialog, IDC_TAGS_START, L"{");
        SetDlgItemTextW(dialog, IDC_TAGS_END, L"}");
        SendMessageW(dialog, WM_COMMAND, IDC_SCOPE_GO, 0);
    });
    Command(ID_ACTIONS_REMOVE_TAGS);
    EXPECT_EQ(start, L"<");
    EXPECT_EQ(end, L">");
    EXPECT_TRUE(selectionChecked);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a<b>c", "xz"}));
    EXPECT_EQ(settings.TagChars, "{}");
    EXPECT_FALSE(View().Selection()); // the run drops the selection
}

TEST_F(Actions, AllOpenDocumentsAreWorkedThroughInTurn)
{
    SetText({"a<b>c"});
    CTextDoc& first = Doc();
    frame.NewDocument();
    Pump();
    SetText({"<x>y"});
    settings.Where = 0;
    DialogScript script([&](HWND dialog) {
        CheckRadioButton(dialog, IDC_SCOPE_SELECTION, IDC_SCOPE_ALL, IDC_SCOPE_ALL);
        SendMessageW(dialog, WM_COMMAND, IDC_SCOPE_GO, 0);
    });
    Command(ID_ACTIONS_REMOVE_TAGS);
    EXPECT_EQ(first.GetLine(0), "ac");
    EXPECT_EQ(Doc().GetLine(0), "y");
    EXPECT_EQ(settings.Where, 1);
}

TEST_F(Actions, JustifyReadsAndWritesItsSection)
{
    SetText({"one two three four five six seven"});
    store.SetInt("Justify", "Right", 12);
    store.SetInt("Justify", "Left", 0);
    store.SetInt("Justify", "Mode", 0);
    store.SetInt("Justify", "NewLineIndent", 0);
    int right = 0;
    DialogScript script([&](HWND dialog) {
        right = static_cast<int>(SendDlgItemMessageW(dialog, IDC_JUSTIFY_RIGHT_SPIN, UDM_GETPOS32, 0, 0));
        CheckRadioButton(dialog, IDC_SCOPE_SELECTION, IDC_SCOPE_ALL, IDC_SCOPE_DOCUMENT);
        SetDlgItemTextW(dialog, IDC_JUSTIFY_RIGHT_MARGIN, L"16");
        SendMessageW(dialog, WM_COMMAND, IDC_SCOPE_GO, 0);
    });
    Command(ID_ACTIONS_ALIGN);
    EXPECT_EQ(right, 12);
    EXPECT_EQ(store.GetInt("Justify", "Right"), std::optional<std::uint32_t>(16));
    EXPECT_GT(Doc().GetLineCount(), 1); // the words went onto shorter lines
    for (const std::string& line : Lines())
        EXPECT_LE(line.size(), 16u) << line;
}

// Every item of the Actions menu does something with a document open.
TEST_F(Actions, NoActionIsGreyedButExecute)
{
    HMENU actions = FindSubMenuHolding(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES);
    ASSERT_NE(actions, nullptr);
    SendMessageW(frame.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 0);
    for (int i = 0; i < GetMenuItemCount(actions); ++i) {
        const UINT id = GetMenuItemID(actions, i);
        if (id == 0 || id == static_cast<UINT>(-1) || id == ID_ACTIONS_EXECUTE)
            continue;
        EXPECT_FALSE(GetMenuState(actions, id, MF_BYCOMMAND) & MF_GRAYED) << id;
    }
}

} // namespace
