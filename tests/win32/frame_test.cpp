// The main frame's bars, idle texts and commands, driven in process.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "core/settings/settings_io.h"
#include "win32/app/menu_conversion.h"
#include "win32/res/resource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace {

std::string TempFile(const std::string& text)
{
    char dir[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "nvf", 0, path);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::wstring Status(CMainFrame& frame, int pane)
{
    return frame.Bars().Status().PaneText(pane);
}

class Frame : public Framework {};

BOOL CALLBACK CountShown(HWND window, LPARAM counted)
{
    *reinterpret_cast<int*>(counted) += IsWindowVisible(window) ? 1 : 0;
    return TRUE;
}

// The windows of this thread that are shown.
int ShownWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountShown, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Without a document most commands are grey: their keys must do nothing
// (Ctrl+P once printed through a null window).
TEST_F(Frame, KeysOfGreyCommandsRunNothingWithoutADocument)
{
    const int size = CopyAcceleratorTableW(frame.Accelerators(), nullptr, 0);
    std::vector<ACCEL> keys(static_cast<std::size_t>(size));
    CopyAcceleratorTableW(frame.Accelerators(), keys.data(), size);
    const int shown = ShownWindows();
    int grey = 0;
    for (const ACCEL& key : keys) {
        const std::optional<CommandUpdate> update = frame.UpdateCommand(key.cmd);
        if (update && update->enabled)
            continue; // New, Open, Help ... run on purpose
        ++grey;
        Command(key.cmd);
        EXPECT_EQ(frame.ActiveChild(), nullptr) << key.cmd;
        EXPECT_EQ(ShownWindows(), shown) << key.cmd;
        EXPECT_TRUE(prompts.messages.empty()) << key.cmd;
    }
    EXPECT_GT(grey, 30);
}

TEST_F(Frame, StatusTextsFollowTheCaretAtIdle)
{
    frame.OnIdle();
    EXPECT_EQ(Status(frame, 0), L"Ready");
    EXPECT_EQ(Status(frame, 1), L" ");
    EXPECT_EQ(Status(frame, 2), L"En");
    EXPECT_EQ(Status(frame, 3), L"WIN");
    EXPECT_EQ(Status(frame, 4), L" INS");

    frame.NewDocument();
    Pump();
    Type(L"ab\rcdef\rg");
    SendMessageW(frame.ActiveView()->Window(), WM_KEYDOWN, VK_UP, 0);
    Command(ID_LANGUAGE_SWITCH);
    frame.OnIdle();
    EXPECT_EQ(Status(frame, 0), L"Line: 2 / 3\t\tCol:2");
    EXPECT_EQ(Status(frame, 1), L" 66%");
    EXPECT_EQ(Status(frame, 2), L"Ru");
}

TEST_F(Frame, LanguageCommandsFollowIntSwitch)
{
    frame.NewDocument();
    Pump();
    settings.Language = 0;
    HMENU popup = PopupWith(GetMenu(frame.Window()), ID_LANGUAGE_SWITCH);
    frame.UpdateMenu(popup);
    wchar_t text[64];
    GetMenuStringW(popup, ID_LANGUAGE_SWITCH, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Russian language");
    Command(ID_LANGUAGE_SWITCH);
    EXPECT_EQ(settings.Language, 1);
    frame.UpdateMenu(popup);
    GetMenuStringW(popup, ID_LANGUAGE_SWITCH, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"English language");
    EXPECT_TRUE(frame.UpdateCommand(ID_LANGUAGE_RUSSIAN)->checked);
    EXPECT_FALSE(frame.UpdateCommand(ID_LANGUAGE_ENGLISH)->checked);

    settings.IntSwitch = 0;
    EXPECT_FALSE(MenuItemEnabled(ID_LANGUAGE_SWITCH));
    EXPECT_FALSE(frame.UpdateCommand(ID_LANGUAGE_RUSSIAN)->checked);
    frame.OnIdle();
    EXPECT_EQ(Status(frame, 2), L"Win");
}

TEST_F(Frame, FontSizeCommandsWriteTheFontAtOnce)
{
    frame.NewDocument();
    Pump();
    settings.Font.height = -12;
    Command(ID_VIEW_FONT_LARGER);
    EXPECT_EQ(settings.Font.height, -13);
    ASSERT_TRUE(store.GetBinary("View", "Font"));
    EXPECT_EQ(LogFont::FromBlock(*store.GetBinary("View", "Font"))->height, -13);
    settings.Font.height = 0;
    Command(ID_VIEW_FONT_SMALLER);
    EXPECT_EQ(settings.Font.height, -2);
}

TEST_F(Frame, FullScreenHidesTheBarsAndLeavesThemAsTheyWere)
{
    frame.NewDocument();
    Pump();
    Command(ID_VIEW_TOOLBAR); // hidden before entering
    ASSERT_FALSE(frame.Bars().Visible(FrameBars::kToolBar));
    RECT before;
    GetWindowRect(frame.Window(), &before);

    Command(ID_VIEW_FULL_SCREEN);
    EXPECT_TRUE(frame.IsFullScreen());
    EXPECT_TRUE(frame.UpdateCommand(ID_VIEW_FULL_SCREEN)->checked);
    EXPECT_FALSE(frame.Bars().StatusVisible());
    EXPECT_FALSE(frame.Bars().Visible(FrameBars::kFileTabs));
    EXPECT_FALSE(GetWindowLongW(frame.Window(), GWL_STYLE) & WS_CAPTION);
    RECT full;
    GetWindowRect(frame.Window(), &full);
    EXPECT_EQ(full.left, -4);
    EXPECT_EQ(full.right - full.left, GetSystemMetrics(SM_CXSCREEN) + 8);
    HWND floating = FindWindowW(L"NovedaFloatingBar", nullptr);
    ASSERT_NE(floating, nullptr);
    RECT at;
    GetWindowRect(floating, &at);
    EXPECT_EQ(at.left, 600);
    EXPECT_EQ(at.top, 440);

    Command(ID_VIEW_FULL_SCREEN);
    EXPECT_FALSE(frame.IsFullScreen());
    EXPECT_FALSE(frame.Bars().Visible(FrameBars::kToolBar)); // stays hidden
    EXPECT_TRUE(frame.Bars().StatusVisible());
    EXPECT_TRUE(frame.Bars().Visible(FrameBars::kFileTabs));
    EXPECT_TRUE(GetWindowLongW(frame.Window(), GWL_STYLE) & WS_CAPTION);
    RECT after;
    GetWindowRect(frame.Window(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(FindWindowW(L"NovedaFloatingBar", nullptr), nullptr);
}

TEST_F(Frame, EscapeDoesWhatEscModeSays)
{
    frame.NewDocument();
    Pump();
    Type(L"text");
    Command(ID_EDIT_SELECT_ALL);
    settings.EscMode = 0;
    Command(ID_ESCAPE);
    EXPECT_FALSE(frame.ActiveView()->View().Selection());

    settings.EscMode = 3;
    ASSERT_TRUE(frame.Bars().Visible(FrameBars::kOutput));
    Command(ID_ESCAPE);
    EXPECT_FALSE(frame.Bars().Visible(FrameBars::kOutput));

    settings.EscMode = 2;
    Command(ID_ESCAPE);
    EXPECT_TRUE(IsIconic(frame.Window()));
    ShowWindow(frame.Window(), SW_RESTORE);

    settings.EscMode = 1; // close: the modified document is asked about
    prompts.saveChoice = SaveChoice::Cancel;
    Command(ID_ESCAPE);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_NE(frame.Window(), nullptr); // cancelled: still running
}

TEST_F(Frame, AutoSaveSavesOnlyModifiedDocumentsWithAPath)
{
    const std::string path = TempFile("old\r\n");
    frame.OpenDocument(path, {});
    Pump();
    Type(L"new ");
    CTextDoc* untitled = frame.NewDocument();
    Pump();
    Type(L"x");
    SendMessageW(frame.Window(), WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
    EXPECT_EQ(FileText(path), "new old\r\n");
    EXPECT_TRUE(untitled->IsModified());
    EXPECT_TRUE(prompts.questions.empty()); // nobody was asked for a name
    frame.CloseAll();
    DeleteFileA(path.c_str());
}

// A save that keeps failing shows one message; ticks while it is open
// stack no more, and the next tick after it tries again.
TEST_F(Frame, AutoSaveThatFailsShowsOneMessageAtATime)
{
    const std::string path = TempFile("old\r\n");
    frame.OpenDocument(path, {});
    Pump();
    Type(L"new ");
    frame.ActiveChild()->Document().SetPathName(path + ".missing\\x.txt"); // a folder that is not there
    int ticksWhileShown = 0;
    prompts.whileShown = [&] {
        ++ticksWhileShown;
        SendMessageW(frame.Window(), WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
    };
    SendMessageW(frame.Window(), WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(ticksWhileShown, 1);
    prompts.whileShown = nullptr;
    SendMessageW(frame.Window(), WM_TIMER, CMainFrame::kAutoSaveTimer, 0);
    EXPECT_EQ(prompts.messages.size(), 2u); // tried again once the message was closed
    prompts.saveChoice = SaveChoice::No;
    frame.CloseAll();
    DeleteFileA(path.c_str());
}

TEST_F(Frame, SaveAllStopsAtACancelledSaveAndCloseAllAtACancelledQuestion)
{
    const std::string first = TempFile("1\r\n");
    const std::string last = TempFile("3\r\n");
    frame.OpenDocument(first, {});
    Pump();
    Type(L"a");
    frame.NewDocument();
    Pump();
    Type(L"b");
    CTextDoc* third = frame.OpenDocument(last, {});
    Pump();
    Type(L"c");
    prompts.savePath.reset(); // Save As of the untitled one: Cancel
    Command(ID_FILE_SAVE_ALL);
    EXPECT_EQ(FileText(first), "a1\r\n");
    EXPECT_EQ(FileText(last), "3\r\n");
    EXPECT_TRUE(third->IsModified());

    prompts.saveChoice = SaveChoice::No;
    frame.Documents().Entries()[1].doc->SetModifiedFlag(false);
    third->SetModifiedFlag(true);
    prompts.saveChoice = SaveChoice::Cancel;
    Command(ID_FILE_CLOSE_ALL);
    EXPECT_EQ(frame.Documents().Entries().size(), 1u); // the first two closed, the third asked and kept
    EXPECT_EQ(frame.Documents().Entries()[0].doc.get(), third);
    third->SetModifiedFlag(false);
    Command(ID_FILE_CLOSE_ALL);
    EXPECT_TRUE(frame.Documents().Entries().empty());
    DeleteFileA(first.c_str());
    DeleteFileA(last.c_str());
}

TEST_F(Frame, SaveAllWritesOnlyModifiedDocuments)
{
    const std::string untouched = TempFile("same\r\n");
    const std::string changed = TempFile("old\r\n");
    frame.NewDocument();
    frame.OpenDocument(untouched, {});
    frame.OpenDocument(changed, {});
    Pump();
    Type(L"new ");
    const std::string untouchedBackup = untouched.substr(0, untouched.rfind('.')) + ".bak";
    settings.CreateBak = 1;
    Command(ID_FILE_SAVE_ALL);
    EXPECT_TRUE(prompts.questions.empty()); // no Save As for the untitled document
    EXPECT_EQ(FileText(changed), "new old\r\n");
    EXPECT_EQ(GetFileAttributesA(untouchedBackup.c_str()), INVALID_FILE_ATTRIBUTES); // not rewritten
    frame.CloseAll();
    DeleteFileA(untouched.c_str());
    DeleteFileA(changed.c_str());
    DeleteFileA((changed.substr(0, changed.rfind('.')) + ".bak").c_str());
}

// Windows asks before a shutdown or log-off; the answers are the close's.
TEST_F(Frame, TheEndOfTheSessionAsksAboutModifiedDocuments)
{
    const std::string path = TempFile("old\r\n");
    frame.OpenDocument(path, {});
    Pump();
    Type(L"new ");
    prompts.saveChoice = SaveChoice::Cancel;
    EXPECT_EQ(SendMessageW(frame.Window(), WM_QUERYENDSESSION, 0, 0), FALSE);
    ASSERT_EQ(frame.Documents().Entries().size(), 1u);
    EXPECT_TRUE(frame.Documents().Entries()[0].doc->IsModified());
    EXPECT_EQ(FileText(path), "old\r\n");

    prompts.saveChoice = SaveChoice::Yes;
    EXPECT_EQ(SendMessageW(frame.Window(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(FileText(path), "new old\r\n");

    // The session ends: settings, bars and the recent list are written.
    SendMessageW(frame.Window(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(frame.Documents().Entries().empty());
    RecentFileList written{4};
    written.Load(store);
    EXPECT_EQ(written.Entries(), std::vector<std::string>{path});
    EXPECT_TRUE(store.GetInt("Toolbars-Summary", "Bars").has_value());
    EXPECT_TRUE(store.GetInt("View", "Encoding").has_value());
    DeleteFileA(path.c_str());
}

// Each file of one open is detected for itself.
TEST_F(Frame, EveryFileOfOneOpenIsDetected)
{
    const std::string koi8 = TempFile("\xF0\xD2\xC9\xD7\xC5\xD4, \xCB\xC1\xCB \xC4\xC5\xCC\xC1?\r\n");
    const std::string win = TempFile("\xCF\xF0\xE8\xE2\xE5\xF2, \xEA\xE0\xEA \xE4\xE5\xEB\xE0?\r\n");
    const OpenOptions auto_ = OpenWithChoice(kEncodingAuto, kLineEndAuto);
    CTextDoc* first = frame.OpenDocument(koi8, auto_);
    CTextDoc* second = frame.OpenDocument(win, auto_);
    Pump();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(frame.Documents().Find(*first)->frame->Pane(0).View().CodePage(), CP_KOI8);
    EXPECT_EQ(frame.Documents().Find(*second)->frame->Pane(0).View().CodePage(), CP_WIN);
    frame.CloseAll();
    DeleteFileA(koi8.c_str());
    DeleteFileA(win.c_str());
}

// A recent file is detected as the command line's are, whatever code page
// the active view shows.
TEST_F(Frame, RecentFilesAreDetected)
{
    const std::string win = TempFile("\xCF\xF0\xE8\xE2\xE5\xF2, \xEA\xE0\xEA \xE4\xE5\xEB\xE0?\r\n");
    recent.Add(win);
    frame.NewDocument();
    Pump();
    Command(ID_ENCODING_KOI8);
    ASSERT_EQ(frame.ActiveView()->View().CodePage(), CP_KOI8);
    Command(ID_FILE_MRU_FIRST);
    EXPECT_EQ(frame.ActiveChild()->Document().GetPathName(), win);
    EXPECT_EQ(frame.ActiveView()->View().CodePage(), CP_WIN);
    frame.CloseAll();
    DeleteFileA(win.c_str());
}

// F3 and its kin search the active view for the newest find text and say
// when there is no other match.
TEST_F(Frame, FindCommandsSearchTheActiveView)
{
    frame.NewDocument();
    Pump();
    EXPECT_FALSE(frame.UpdateCommand(ID_SEARCH_FIND_NEXT)->enabled); // nothing to find yet
    Type(L"abc x abc");
    CTextView& view = frame.ActiveView()->View();
    view.MoveCaretTo(0, 1); // inside the first "abc"
    Command(ID_SEARCH_WORD_FORWARD);
    EXPECT_EQ(view.Selection().value().first, (TextPos{6, 0}));
    EXPECT_TRUE(frame.UpdateCommand(ID_SEARCH_FIND_NEXT)->enabled);
    Command(ID_SEARCH_FIND_PREV);
    EXPECT_EQ(view.Selection().value().first, (TextPos{0, 0}));
    settings.RegExpr = 1; // expressions search forward only
    EXPECT_FALSE(frame.UpdateCommand(ID_SEARCH_FIND_PREV)->enabled);
    settings.RegExpr = 0;

    view.MoveCaretTo(0, 4);
    Command(ID_SEARCH_WORD_FORWARD); // the one "x"
    EXPECT_TRUE(prompts.messages.empty());
    Command(ID_SEARCH_FIND_NEXT);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"No more entries of  \"x\" can be found"});
    frame.CloseAll();
}

TEST_F(Frame, FileTabsFollowTheDocuments)
{
    CTextDoc* first = frame.NewDocument();
    CTextDoc* second = frame.NewDocument();
    Pump();
    FileTabBar& tabs = frame.Bars().FileTabs();
    ASSERT_EQ(tabs.TabCount(), 2);
    EXPECT_EQ(tabs.TabDocument(0), first);
    EXPECT_EQ(tabs.CurrentTab(), 1);
    EXPECT_EQ(tabs.TabColour(0), 0x000000u);
    Type(L"x");
    EXPECT_EQ(tabs.TabColour(1), 0xFF0000u); // modified

    // A click on the first tab activates its window.
    TabCtrl_SetCurSel(tabs.Tabs(), 0);
    NMHDR change{tabs.Tabs(), 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(tabs.Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    Pump();
    EXPECT_EQ(&frame.ActiveChild()->Document(), first);

    // A right press on a tab activates its document too.
    RECT tab;
    TabCtrl_GetItemRect(tabs.Tabs(), 1, &tab);
    SendMessageW(tabs.Tabs(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(tab.left + 3, tab.top + 3));
    Pump();
    EXPECT_EQ(tabs.CurrentTab(), 1);
    EXPECT_EQ(&frame.ActiveChild()->Document(), second);

    frame.CloseDocument(*first);
    EXPECT_EQ(tabs.TabCount(), 1);
    EXPECT_EQ(tabs.TabDocument(0), second);
}

TEST_F(Frame, ToolbarComesFromItsLayoutWithTooltipsAndUpdatedButtons)
{
    ToolBar& tools = frame.Bars().Tools();
    const std::vector<int> commands = tools.Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), ID_FILE_NEW);
    frame.OnIdle();
    EXPECT_FALSE(tools.ButtonEnabled(ID_FILE_SAVE)); // no document
    frame.NewDocument();
    Pump();
    Type(L"x");
    frame.OnIdle();
    EXPECT_TRUE(tools.ButtonEnabled(ID_FILE_SAVE));

    NMTTDISPINFOW tip{};
    tip.hdr.hwndFrom = nullptr;
    tip.hdr.idFrom = ID_FILE_NEW;
    tip.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(frame.Bars().Dock(FrameBars::kToolBar).Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, L"New");
}

TEST_F(Frame, ViewSourceAsListsTheSchemesAndSetsTheDefault)
{
    // A frame whose scheme list holds three schemes.
    std::vector<HighlightScheme> three(3, HighlightScheme::PlainText());
    three[1].m_description = "C/C++";
    three[2].m_description = "HTML";
    MemoryProfileStore otherStore;
    CMainFrame other{settings, three, clips, Services(otherStore)};
    ASSERT_TRUE(other.Create());
    CTextDoc* doc = other.NewDocument();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    HMENU sources = FindSubMenuHolding(GetMenu(other.Window()), ID_VIEW_SOURCE_FIRST);
    ASSERT_NE(sources, nullptr);
    ASSERT_EQ(GetMenuItemCount(sources), 5);
    EXPECT_EQ(GetMenuItemID(sources, 2), 10102u);
    wchar_t text[32];
    GetMenuStringW(sources, 2, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"HTML");

    SendMessageW(other.Window(), WM_COMMAND, 10102, 0);
    EXPECT_EQ(doc->GetSchemeIndex(), 2);
    EXPECT_TRUE(other.UpdateCommand(10102)->checked);
    SendMessageW(other.Window(), WM_COMMAND, ID_VIEW_SET_DEFAULT_SCHEME, 0);
    EXPECT_EQ(settings.DefaultScheme, 2);
    EXPECT_EQ(GetMenuDefaultItem(sources, TRUE, 0), 2u);
}

TEST_F(Frame, TheProgressMeterSitsInTheFirstPane)
{
    HWND status = frame.Bars().Status().Window();
    {
        std::unique_ptr<ProgressMeter> meter = frame.ShowProgress("Opening:");
        ASSERT_NE(meter, nullptr);
        EXPECT_EQ(Status(frame, 0), L"Opening:");
        HWND control = FindWindowExW(status, nullptr, PROGRESS_CLASSW, nullptr);
        ASSERT_NE(control, nullptr);
        meter->SetRange(0, 10);
        meter->SetPos(4);
        EXPECT_EQ(SendMessageW(control, PBM_GETPOS, 0, 0), 4);
    }
    EXPECT_EQ(FindWindowExW(status, nullptr, PROGRESS_CLASSW, nullptr), nullptr);
    frame.OnIdle();
    EXPECT_EQ(Status(frame, 0), L"Ready");
}

TEST_F(Frame, DroppedFilesOpen)
{
    const std::string path = TempFile("dropped\r\n");
    const std::wstring wide(path.begin(), path.end());
    const std::size_t bytes = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(wide.begin(), wide.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    SendMessageW(frame.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    ASSERT_EQ(frame.Documents().Entries().size(), 1u);
    EXPECT_EQ(frame.Documents().Entries()[0].doc->GetLine(0), "dropped");
    frame.CloseAll();
    DeleteFileA(path.c_str());
}

TEST_F(Frame, BarStateAndPlacementSurviveTheFrame)
{
    frame.NewDocument();
    Pump();
    DockBar& output = frame.Bars().Dock(FrameBars::kOutput);
    output.State().side = DockSide::Left;
    output.State().sizes.vertCX = 222;
    Command(ID_VIEW_TOOLBAR);
    Command(ID_VIEW_STATUS_BAR);
    SendMessageW(frame.Window(), WM_CLOSE, 0, 0);
    Pump();
    ASSERT_EQ(frame.Window(), nullptr);
    EXPECT_EQ(store.GetInt("WinPos", "WinStatus").has_value(), true);

    CMainFrame again{settings, schemes, clips, Services(store)};
    ASSERT_TRUE(again.Create());
    EXPECT_EQ(again.Bars().Dock(FrameBars::kOutput).State().side, DockSide::Left);
    EXPECT_EQ(again.Bars().Dock(FrameBars::kOutput).State().sizes.vertCX, 222);
    EXPECT_FALSE(again.Bars().Visible(FrameBars::kToolBar));
    EXPECT_FALSE(again.Bars().StatusVisible());
    EXPECT_TRUE(again.Bars().Visible(FrameBars::kFileTabs));
    EXPECT_EQ(again.ShowCommand(-1), static_cast<int>(*store.GetInt("WinPos", "WinStatus")));
}

TEST(FramePlacement, FourOfFiveValuesLeaveThePlacementToTheSystemAndFiveAreClamped)
{
    AppSettings settings;
    std::vector<HighlightScheme> schemes{HighlightScheme::PlainText()};
    ClipLibraries clips;
    WinFileSystem files;
    WinSettingsEnvironment environment;
    MemoryProfileStore store;
    store.SetInt("WinPos", "WinStatus", 1);
    store.SetInt("WinPos", "WinTop", 10);
    store.SetInt("WinPos", "WinLeft", 5000); // far beyond the right edge
    store.SetInt("WinPos", "WinBottom", 310);
    {
        CMainFrame frame{settings, schemes, clips, {files, store, environment, nullptr, "", nullptr}};
        ASSERT_TRUE(frame.Create());
        EXPECT_EQ(frame.ShowCommand(SW_SHOWDEFAULT), SW_SHOWDEFAULT);
    }
    store.SetInt("WinPos", "WinRight", 5400);
    CMainFrame frame{settings, schemes, clips, {files, store, environment, nullptr, "", nullptr}};
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(frame.ShowCommand(SW_SHOWDEFAULT), 1);
    RECT r;
    GetWindowRect(frame.Window(), &r);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(r.right - r.left, 400);
}

TEST_F(Frame, TheFirstDocumentWindowTakesItsStoredPlacement)
{
    store.SetInt("WinPos", "ViewStatus", SW_SHOWNORMAL);
    store.SetInt("WinPos", "ViewTop", 5);
    store.SetInt("WinPos", "ViewLeft", 7);
    store.SetInt("WinPos", "ViewBottom", 205);
    store.SetInt("WinPos", "ViewRight", 307);
    frame.NewDocument();
    Pump();
    HWND child = frame.ActiveChild()->Window();
    EXPECT_FALSE(IsZoomed(child));
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, frame.MdiClient(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 7);
    EXPECT_EQ(r.right - r.left, 300);
}

} // namespace

namespace {

TEST_F(Frame, PopUpMenusAreDrawnInTheInterfaceFontWithTheToolbarsImages)
{
    frame.NewDocument();
    Pump();
    HMENU file = PopupWith(GetMenu(frame.Window()), ID_FILE_OPEN);
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_DATA;
    GetMenuItemInfoW(file, ID_FILE_OPEN, FALSE, &item);
    EXPECT_TRUE(item.fType & MFT_OWNERDRAW);
    wchar_t text[64];
    GetMenuStringW(file, ID_FILE_OPEN, text, 64, MF_BYCOMMAND); // the text stays the item's
    EXPECT_STREQ(text, L"&Open...\tCtrl+O");
    MENUITEMINFOW bar{};
    bar.cbSize = sizeof(bar);
    bar.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(GetMenu(frame.Window()), GetMenuItemCount(GetMenu(frame.Window())) - 1, TRUE, &bar);
    EXPECT_FALSE(bar.fType & MFT_OWNERDRAW); // the bar stays the system's

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_FILE_OPEN;
    measure.itemData = item.dwItemData;
    EXPECT_TRUE(SendMessageW(frame.Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    const UINT usual = measure.itemHeight;

    // A tall interface font makes tall items.
    LogFont tall = settings.Font; // a font with a face name
    tall.height = -40;
    MenuPainter painter(tall);
    measure.itemHeight = 0;
    EXPECT_TRUE(painter.Measure(measure));
    EXPECT_GT(measure.itemHeight, usual);
    EXPECT_GE(measure.itemHeight, 40u);
}

// Items the frame draws still answer to their "&" letters.
TEST_F(Frame, MenuLettersChooseOwnerDrawnItems)
{
    frame.NewDocument();
    Pump();
    HMENU actions = FindSubMenuHolding(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES);
    ASSERT_NE(actions, nullptr);
    SendMessageW(frame.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(actions), 0);
    const auto letter = [&](wchar_t key) {
        return SendMessageW(frame.Window(), WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP), reinterpret_cast<LPARAM>(actions));
    };
    int convert = -1;
    for (int i = 0; i < GetMenuItemCount(actions); ++i)
        if (GetMenuItemID(actions, i) == ID_ACTIONS_CONVERT)
            convert = i;
    EXPECT_EQ(letter(L'c'), MAKELRESULT(convert, MNC_EXECUTE));
    EXPECT_EQ(letter(L'C'), MAKELRESULT(convert, MNC_EXECUTE));
    EXPECT_EQ(HIWORD(letter(L'q')), MNC_IGNORE);
}

} // namespace

namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

TEST_F(Frame, TheOutputBarIsDraggedToAnotherEdgeAndResized)
{
    frame.NewDocument();
    Pump();
    DockBar& output = frame.Bars().Dock(FrameBars::kOutput);
    ASSERT_EQ(output.State().side, DockSide::Bottom);
    HWND bar = output.Window();
    RECT frameClient;
    GetClientRect(frame.Window(), &frameClient);

    // Press on the caption, let go near the frame's left edge.
    const int captionY = DockBar::kSizingEdge + DockBar::kCaption / 2;
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, At(40, captionY));
    POINT target{5, frameClient.bottom / 2};
    MapWindowPoints(frame.Window(), bar, &target, 1);
    SendMessageW(bar, WM_LBUTTONUP, 0, At(target.x, target.y));
    EXPECT_EQ(output.State().side, DockSide::Left);
    RECT placed;
    GetWindowRect(bar, &placed);
    EXPECT_EQ(placed.right - placed.left, output.State().sizes.vertCX);

    // Docked at the left, its sizing edge is its right edge: drag it wider.
    RECT client;
    GetClientRect(bar, &client);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, At(client.right - 2, 100));
    SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, At(client.right + 60, 100));
    SendMessageW(bar, WM_LBUTTONUP, 0, At(client.right + 60, 100));
    EXPECT_EQ(output.State().sizes.vertCX, client.right + 60);
    GetWindowRect(bar, &placed);
    EXPECT_EQ(placed.right - placed.left, client.right + 60);
    RECT documents;
    GetWindowRect(frame.MdiClient(), &documents);
    EXPECT_EQ(documents.left, placed.right); // the documents take the rest

    // The toolbar docks at the top or the bottom only.
    DockBar& tools = frame.Bars().Dock(FrameBars::kToolBar);
    SendMessageW(tools.Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(3, 5));
    POINT low{frameClient.right - 3, frameClient.bottom - 10};
    MapWindowPoints(frame.Window(), tools.Window(), &low, 1);
    SendMessageW(tools.Window(), WM_LBUTTONUP, 0, At(low.x, low.y));
    EXPECT_EQ(tools.State().side, DockSide::Bottom);
}

TEST_F(Frame, ClipButtonsNeedADocumentAndALoadedLibrary)
{
    EXPECT_FALSE(frame.UpdateCommand(ID_CLIP_BUTTON_FIRST)->enabled);
    frame.NewDocument();
    Pump();
    EXPECT_FALSE(frame.UpdateCommand(ID_CLIP_BUTTON_FIRST + 2)->enabled); // slot 2 is empty
    EXPECT_FALSE(frame.UpdateCommand(ID_CLIP_KEY_FIRST + 2)->enabled);
    clips.slots[2].loaded = true;
    EXPECT_TRUE(frame.UpdateCommand(ID_CLIP_BUTTON_FIRST + 2)->enabled);
    EXPECT_TRUE(frame.UpdateCommand(ID_CLIP_KEY_FIRST + 2)->enabled);
}

TEST_F(Frame, MinimisingWithToTrayHidesTheWindowBehindTheNotificationIcon)
{
    settings.ToTray = 1;
    ShowWindow(frame.Window(), SW_MINIMIZE);
    Pump();
    if (!frame.HasTrayIcon())
        GTEST_SKIP() << "this system has no notification area";
    EXPECT_FALSE(IsWindowVisible(frame.Window()));
    SendMessageW(frame.Window(), CMainFrame::kTrayMessage, TrayIcon::kId, WM_LBUTTONUP);
    Pump();
    EXPECT_FALSE(frame.HasTrayIcon());
    EXPECT_TRUE(IsWindowVisible(frame.Window()));
    EXPECT_FALSE(IsIconic(frame.Window()));
}

} // namespace

namespace {

TEST_F(Frame, AMissingHelpFileShowsTheHelpErrorWindow)
{
    std::wstring caption;
    DialogScript script([&](HWND dialog) {
        wchar_t text[64] = {};
        GetWindowTextW(dialog, text, 64);
        caption = text;
        DialogScript::Click(dialog, IDOK);
    });
    Command(ID_HELP_CONTENTS); // no noveda.chm beside the test program
    EXPECT_EQ(caption, L"Error opening help file");
    caption.clear();
    Command(ID_HELP_SEARCH);
    EXPECT_EQ(caption, L"Error opening help file");
}

} // namespace
