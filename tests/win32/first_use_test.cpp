// What a new user meets first: the keyboard goes to the document just made
// or brought forward, the Open dialog shows text files, and document
// windows keep a maximized state and a useful size as more open.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "win32/res/resource.h"

#include <dlgs.h>

namespace {

void TypeKey(WORD key)
{
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = key;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

class FirstUse : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        SetForegroundWindow(frame.Window());
        SetFocus(frame.Window());
        Pump();
    }

    HWND MdiClient() { return GetParent(frame.ActiveChild()->Window()); }
    HWND ActiveViewWindow() { return frame.ActiveView()->Window(); }
};

TEST_F(FirstUse, ANewOrBroughtForwardDocumentTakesTheKeyboard)
{
    Command(ID_FILE_NEW);
    ASSERT_NE(frame.ActiveView(), nullptr);
    EXPECT_EQ(GetFocus(), ActiveViewWindow());
    TypeKey('X'); // through the input queue, as a user types
    Pump();
    EXPECT_EQ(frame.ActiveChild()->Document().GetLine(0), "x");

    CChildFrame* first = frame.ActiveChild();
    Command(ID_FILE_NEW);
    EXPECT_NE(frame.ActiveChild(), first);
    EXPECT_EQ(GetFocus(), ActiveViewWindow());

    SendMessageW(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Window()), 0);
    Pump();
    ASSERT_EQ(frame.ActiveChild(), first);
    EXPECT_EQ(GetFocus(), ActiveViewWindow());
    TypeKey('Y');
    Pump();
    EXPECT_EQ(first->Document().GetLine(0), "xy");
}

// A dialog keeps the keyboard while a document comes forward behind it.
TEST_F(FirstUse, ADocumentBroughtForwardLeavesTheKeyboardWithADialog)
{
    Command(ID_FILE_NEW);
    CChildFrame* first = frame.ActiveChild();
    Command(ID_FILE_NEW);
    HWND dialog = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, frame.Window(), nullptr,
                                  nullptr, nullptr);
    SetFocus(dialog);
    SendMessageW(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Window()), 0);
    Pump();
    EXPECT_EQ(GetFocus(), dialog);
    DestroyWindow(dialog);
}

TEST_F(FirstUse, TheOpenDialogStartsOnTextFiles)
{
    std::wstring filter;
    DialogScript script([&](HWND dialog) {
        HWND main = GetDlgItem(dialog, IDC_FILE_LINE_END) ? GetParent(dialog) : dialog;
        HWND types = GetDlgItem(main, cmb1);
        const auto chosen = SendMessageW(types, CB_GETCURSEL, 0, 0);
        filter.resize(static_cast<std::size_t>(SendMessageW(types, CB_GETLBTEXTLEN, chosen, 0)));
        SendMessageW(types, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(filter.data()));
        PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    });
    Command(ID_FILE_OPEN);
    EXPECT_EQ(filter, L"Text files (*.txt;*.log;*.ini)");
}

TEST_F(FirstUse, DocumentsStayMaximizedAsMoreOpen)
{
    Command(ID_FILE_NEW); // the first opens maximized, as stored by default
    CChildFrame* first = frame.ActiveChild();
    EXPECT_TRUE(IsZoomed(first->Window()));
    Command(ID_FILE_NEW);
    Command(ID_FILE_NEW);
    EXPECT_TRUE(IsZoomed(frame.ActiveChild()->Window()));
    SendMessageW(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Window()), 0);
    Pump();
    EXPECT_TRUE(IsZoomed(first->Window()));

    // Restored, each has a useful size and the cascade stays in the area.
    SendMessageW(MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(first->Window()), 0);
    Pump();
    RECT client{};
    GetClientRect(MdiClient(), &client);
    for (int i = 0; i < 12; ++i)
        Command(ID_FILE_NEW);
    for (const auto& entry : frame.Documents().Entries()) {
        WINDOWPLACEMENT placement{sizeof placement};
        GetWindowPlacement(entry.frame->Window(), &placement);
        const RECT& r = placement.rcNormalPosition;
        EXPECT_GE(r.right - r.left, client.right / 2);
        EXPECT_GE(r.bottom - r.top, client.bottom / 2);
        EXPECT_LE(r.right, client.right);
        EXPECT_LE(r.bottom, client.bottom);
    }
}

} // namespace
