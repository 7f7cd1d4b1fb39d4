// Find (modeless) and Replace (modal) in the real frame.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "win32/res/resource.h"

#include <cstring>

namespace {

class FindReplace : public DocumentFramework {};

TEST_F(FindReplace, ReplaceAllOfAWithAaEndsAndTellsTheTotal)
{
    SetText({"a a", "b a"});
    settings.Where = 1;
    std::wstring total;
    bool allPreset = false;
    DialogScript script([&](HWND dialog) {
        if (IsMessageBox(dialog)) {
            total = Text(dialog, 0xFFFF);
            DialogScript::Click(dialog, IDOK);
            return;
        }
        SetDlgItemTextW(dialog, IDC_FIND_TEXT, L"a");
        SetDlgItemTextW(dialog, IDC_REPLACE_TEXT, L"aa");
        allPreset = IsDlgButtonChecked(dialog, IDC_REPLACE_ALL_DOCUMENTS) == BST_CHECKED; // Where 1
        CheckDlgButton(dialog, IDC_REPLACE_ALL_DOCUMENTS, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_REPLACE_CURRENT, BST_CHECKED);
        SendMessageW(dialog, WM_COMMAND, IDC_REPLACE_ALL, 0);
        DialogScript::Click(dialog, IDCANCEL);
    });
    Command(ID_EDIT_REPLACE);
    EXPECT_EQ(Doc().GetLine(0), "aa aa");
    EXPECT_EQ(Doc().GetLine(1), "b aa");
    EXPECT_EQ(total, L"Total found and replaced 3 entries");
    EXPECT_TRUE(allPreset);
    EXPECT_EQ(settings.Where, 0);
    Command(ID_EDIT_UNDO); // one step
    EXPECT_EQ(Doc().GetLine(0), "a a");
    EXPECT_EQ(Doc().GetLine(1), "b a");
}

TEST_F(FindReplace, TheFindDialogStaysOpenAndSearchesTheActiveDocument)
{
    SetText({"one two", "two"});
    View().MoveCaretTo(0, 5); // inside "two": the dialog opens with it
    Command(ID_EDIT_FIND);
    HWND find = frame.FindWindowHandle();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(Text(find, IDC_FIND_TEXT), L"two");
    EXPECT_FALSE(MenuItemEnabled(ID_EDIT_FIND)); // one Find dialog at a time
    EXPECT_FALSE(MenuItemEnabled(ID_SEARCH_FIND_NEXT));
    CheckRadioButton(find, IDC_FIND_UP, IDC_FIND_DOWN, IDC_FIND_DOWN);
    SendMessageW(find, WM_COMMAND, IDC_FIND_NEXT, 0);
    EXPECT_EQ(View().Selection().value().first, (TextPos{0, 1}));
    SetDlgItemTextW(find, IDC_FIND_TEXT, L"three");
    SendMessageW(find, WM_COMMAND, IDC_FIND_NEXT, 0);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"No more entries of  \"three\" can be found"});

    // Ticking expressions turns the direction down and off.
    CheckDlgButton(find, IDC_FIND_REG_EXPR, BST_CHECKED);
    SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDC_FIND_REG_EXPR, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(find, IDC_FIND_UP)));
    EXPECT_EQ(IsDlgButtonChecked(find, IDC_FIND_DOWN), BST_CHECKED);

    SendMessageW(find, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(frame.FindWindowHandle(), nullptr);
    EXPECT_EQ(settings.RegExpr, 1); // the switches persist
    EXPECT_TRUE(MenuItemEnabled(ID_EDIT_FIND));
    settings.RegExpr = 0;
}

// The frame's accelerators must not take the Find dialog's keys.
TEST_F(FindReplace, KeysInTheFindDialogStayInTheDialog)
{
    SetText({"text"});
    ASSERT_TRUE(OpenClipboard(frame.Window()));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    std::memcpy(GlobalLock(block), "pasted", 7);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    Command(ID_EDIT_FIND);
    HWND find = frame.FindWindowHandle();
    ASSERT_NE(find, nullptr);
    HWND edit = GetWindow(GetDlgItem(find, IDC_FIND_TEXT), GW_CHILD); // the combo's edit box
    ASSERT_NE(edit, nullptr);
    SetFocus(edit);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(edit, WM_KEYDOWN, 'V', 0); // Ctrl+V, the document's Paste accelerator
    PostMessageW(edit, WM_KEYUP, 'V', 0xC0000000);
    Pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Doc().GetLine(0), "text"); // not pasted into the document
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_NE(Text(find, IDC_FIND_TEXT).find(L"pasted"), std::wstring::npos); // but into the box
    SendMessageW(find, WM_COMMAND, IDCANCEL, 0);
}

// With F9 on, the boxes' texts are typed in the editor's layout as the
// view's are: "ltkj" is "дело"; with it off they stay as typed.
TEST_F(FindReplace, TheSearchBoxesFollowTheEditorsKeyboardLayout)
{
    ASSERT_TRUE(settings.keyboard.LoadLayout(NOVEDA_DATA_DIR "/russian.kbd"));
    settings.Language = 1;
    settings.IntSwitch = 1;
    auto typeInto = [](HWND combo, std::wstring_view text) {
        HWND edit = GetWindow(combo, GW_CHILD);
        SetWindowTextW(edit, L"");
        for (const wchar_t c : text)
            SendMessageW(edit, WM_CHAR, c, 0);
    };
    std::wstring find, replace;
    {
        DialogScript script([&](HWND dialog) {
            typeInto(GetDlgItem(dialog, IDC_FIND_TEXT), L"ltkj");
            typeInto(GetDlgItem(dialog, IDC_REPLACE_TEXT), L"Ltkj1");
            find = Text(dialog, IDC_FIND_TEXT);
            replace = Text(dialog, IDC_REPLACE_TEXT);
            DialogScript::Click(dialog, IDCANCEL);
        });
        Command(ID_EDIT_REPLACE);
    }
    EXPECT_EQ(find, L"\x0434\x0435\x043B\x043E");
    EXPECT_EQ(replace, L"\x0414\x0435\x043B\x043E" L"1");

    Command(ID_EDIT_FIND);
    HWND dialog = frame.FindWindowHandle();
    ASSERT_NE(dialog, nullptr);
    settings.Language = 0; // F9 off
    typeInto(GetDlgItem(dialog, IDC_FIND_TEXT), L"ltkj");
    EXPECT_EQ(Text(dialog, IDC_FIND_TEXT), L"ltkj");
    settings.Language = 1;
    typeInto(GetDlgItem(dialog, IDC_FIND_TEXT), L"ltkj\x4E2D"); // a character cp1251 lacks stays
    EXPECT_EQ(Text(dialog, IDC_FIND_TEXT), L"\x0434\x0435\x043B\x043E\x4E2D");
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    settings.Language = 0;
}

} // namespace
