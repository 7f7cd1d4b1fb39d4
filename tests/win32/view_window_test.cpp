// The editing view's window: keys, characters, mouse, scrolling, the
// clipboard and the completion list, driven by messages.
#include "frame_fixture.h"

#include "win32/view/completion_window.h"

#include <cstring>

namespace {

class ViewWindowTest : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        frame.NewDocument();
        Pump();
        window = frame.ActiveView()->Window();
    }

    CTextView& View() { return frame.ActiveView()->View(); }
    CTextDoc& Doc() { return frame.ActiveChild()->Document(); }

    void Char(wchar_t c) { SendMessageW(window, WM_CHAR, c, 0); }
    // The pixel in the middle of a text cell of the window's rows.
    LPARAM Cell(int row, int col)
    {
        const CTextView& v = View();
        return MAKELPARAM(v.PanelWidth() + CTextView::kTextGap + col * v.CharWidth() + v.CharWidth() / 2,
                          row * v.LineHeight() + v.LineHeight() / 2);
    }
    void PutOnClipboard(UINT format, const void* data, std::size_t bytes)
    {
        ASSERT_TRUE(OpenClipboard(frame.Window()));
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(block), data, bytes);
        GlobalUnlock(block);
        SetClipboardData(format, block);
        CloseClipboard();
    }
    std::wstring ClipboardUnicode()
    {
        std::wstring text;
        if (OpenClipboard(frame.Window())) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                text = static_cast<const wchar_t*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return text;
    }
    std::string ClipboardBytes()
    {
        std::string text;
        if (OpenClipboard(frame.Window())) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                text = static_cast<const char*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return text;
    }

    HWND window = nullptr;
};

TEST_F(ViewWindowTest, CharactersArriveAsBytesOfTheViewsCodePage)
{
    Type(L"Да?");
    EXPECT_EQ(Doc().GetLine(0), "\xC4\xE0?");
    Char(L'\x4E2D'); // no cp1251 character: not typed
    Char(L'\x00E9'); // nor a look-alike for one
    Pump();
    EXPECT_EQ(Doc().GetLine(0), "\xC4\xE0?");

    Command(ID_ENCODING_KOI8);
    Type(L"\rЖж");
    EXPECT_EQ(Doc().GetLine(1), "\xF6\xD6"); // Ж and ж in KOI8-R
    EXPECT_EQ(settings.Encoding, 0);

    SendMessageW(window, WM_KEYDOWN, VK_HOME, 0);
    SendMessageW(window, WM_KEYDOWN, VK_DELETE, 0);
    Pump();
    EXPECT_EQ(Doc().GetLine(1), "\xD6");
}

TEST_F(ViewWindowTest, ActivatingAViewMakesItsCodePageTheCurrentOne)
{
    Command(ID_ENCODING_DOS);
    CChildFrame* dos = frame.ActiveChild();
    frame.NewDocument();
    Pump();
    EXPECT_TRUE(frame.UpdateCommand(ID_ENCODING_DOS)->checked); // a new view takes the current code page
    Command(ID_ENCODING_WIN);
    EXPECT_EQ(settings.Encoding, 4);
    SendMessageW(frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(dos->Window()), 0);
    Pump();
    EXPECT_EQ(settings.Encoding, 1);
    EXPECT_EQ(frame.Bars().FileTabs().CurrentTab(), 0);
}

TEST_F(ViewWindowTest, ClicksAndDragsAtCellPositions)
{
    Type(L"first line\rsecond line\rthird");
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Cell(1, 3));
    SendMessageW(window, WM_LBUTTONUP, 0, Cell(1, 3));
    EXPECT_EQ(View().Caret(), (TextPos{3, 1}));
    EXPECT_FALSE(View().Selection());

    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Cell(0, 6));
    EXPECT_EQ(GetCapture(), window);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, Cell(2, 2));
    SendMessageW(window, WM_LBUTTONUP, 0, Cell(2, 2));
    EXPECT_NE(GetCapture(), window);
    EXPECT_TRUE(View().Selection());
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardBytes(), "line\r\nsecond line\r\nth");

    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, Cell(1, 8));
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardBytes(), "line");
}

TEST_F(ViewWindowTest, WheelAndScrollBarsMoveTheWindowsRows)
{
    std::wstring many;
    for (int i = 0; i < 80; ++i)
        many += L"line\r";
    Type(many);
    SendMessageW(window, WM_KEYDOWN, VK_HOME, 0);
    SendMessageW(window, WM_VSCROLL, SB_TOP, 0);
    Pump();
    ASSERT_EQ(View().Rows().Line(0), 0);
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    const int afterWheel = View().Rows().Line(0);
    EXPECT_GT(afterWheel, 0);
    SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(View().Rows().Line(0), afterWheel + 1);
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_GT(View().Rows().Line(0), 50);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    GetScrollInfo(window, SB_VERT, &info);
    EXPECT_GT(info.nPos, 0);
    SendMessageW(window, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(View().Rows().Line(0), 0);
}

TEST_F(ViewWindowTest, TheClipboardCarriesCyrillicThroughBothFormats)
{
    Type(L"Ёлка и ёж");
    Command(ID_EDIT_SELECT_ALL);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardUnicode(), L"Ёлка и ёж");
    EXPECT_EQ(ClipboardBytes(), "\xA8\xEB\xEA\xE0 \xE8 \xB8\xE6");

    frame.NewDocument();
    Pump();
    window = frame.ActiveView()->Window();
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Doc().GetLine(0), "\xA8\xEB\xEA\xE0 \xE8 \xB8\xE6");

    // Unicode text from another program wins over its 8-bit text.
    const wchar_t unicode[] = L"Щи";
    PutOnClipboard(CF_UNICODETEXT, unicode, sizeof unicode);
    Command(ID_EDIT_SELECT_ALL);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Doc().GetLine(0), "\xD9\xE8");
    // Characters the view's code page lacks are left out, look-alikes too.
    const wchar_t mixed[] = L"\u4E2Dы\u00E9\U0001F600!";
    PutOnClipboard(CF_UNICODETEXT, mixed, sizeof mixed);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Doc().GetLine(0), "\xD9\xE8\xFB!");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Doc().GetLine(0), "\xD9\xE8");
    // 8-bit text alone (the system offers it as Unicode too, read through
    // its own code page, so the test keeps to ASCII).
    const char bytes[] = "abc";
    PutOnClipboard(CF_TEXT, bytes, sizeof bytes);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Doc().GetLine(0), "\xD9\xE8" "abc");
}

// A cp866 view's box drawing goes as the characters themselves and comes
// back byte for byte; 8-bit readers get look-alikes.
TEST_F(ViewWindowTest, TheClipboardCarriesTheViewsOwnCharacters)
{
    settings.AutoClipbrd = 1;
    Command(ID_ENCODING_DOS);
    TextPos at{0, 0};
    Doc().InsertText(at, "\xC9\xCD\xBB \x8F\xE0\xA8", true); // ╔═╗ При
    Command(ID_EDIT_SELECT_ALL);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardUnicode(), L"\u2554\u2550\u2557 \u041F\u0440\u0438");
    EXPECT_EQ(ClipboardBytes(), "+=+ \xCF\xF0\xE8");
    Command(ID_EDIT_PASTE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Doc().GetLine(0), "\xC9\xCD\xBB \x8F\xE0\xA8\xC9\xCD\xBB \x8F\xE0\xA8");
}

TEST_F(ViewWindowTest, AClipboardHeldByAnotherWindowLeavesTheTextAlone)
{
    Type(L"keep me");
    Command(ID_EDIT_SELECT_ALL);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    Command(ID_EDIT_CUT);
    Command(ID_EDIT_PASTE);
    CloseClipboard();
    DestroyWindow(other);
    EXPECT_EQ(Doc().GetLine(0), "keep me");
}

TEST_F(ViewWindowTest, TheCompletionListOffersKeywordsAndInsertsTheChosenOne)
{
    schemes[0].AddKeyword("printf", 1);
    schemes[0].AddKeyword("println", 1);
    schemes[0].AddKeyword("private", 1);
    Type(L"x prin");
    View().StartCompletion();
    Pump();
    CompletionWindow* list = frame.ActiveView()->Completion();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetDlgCtrlID(list->Window()), CompletionWindow::kControlId);
    EXPECT_EQ(GetFocus(), list->Window());
    EXPECT_EQ(SendMessageW(list->Window(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(list->Selected(), 0);

    SendMessageW(list->Window(), WM_KEYDOWN, VK_DOWN, 0);
    const int chosen = list->Selected();
    SendMessageW(list->Window(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(frame.ActiveView()->Completion(), nullptr);
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(Doc().GetLine(0), chosen == 1 ? "x println" : "x printf");

    // Losing the focus closes the list.
    Type(L" pri");
    View().StartCompletion();
    Pump();
    ASSERT_NE(frame.ActiveView()->Completion(), nullptr);
    SetFocus(frame.Window());
    Pump();
    EXPECT_EQ(frame.ActiveView()->Completion(), nullptr);
    EXPECT_FALSE(View().CompletionOpen());
}

} // namespace
