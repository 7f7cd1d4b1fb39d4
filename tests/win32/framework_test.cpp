// The real frame, documents, views and menus, driven in process.
#include "frame_fixture.h"
#include "win32/framework/doc_template.h"

namespace {

TEST_F(Framework, DocumentMenuComesWithTheFirstDocumentAndGoesWithTheLast)
{
    EXPECT_FALSE(MenuHasCommand(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES));
    CTextDoc* doc = frame.NewDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle().rfind("untitled1", 0), 0u);
    frame.NewDocument();
    EXPECT_EQ(frame.Documents().Entries()[1].doc->GetTitle().rfind("untitled2", 0), 0u);
    Pump();
    EXPECT_TRUE(MenuHasCommand(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES));
    Command(ID_FILE_CLOSE_ALL);
    EXPECT_TRUE(frame.Documents().Entries().empty());
    EXPECT_FALSE(MenuHasCommand(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES));
}

TEST_F(Framework, CommandsReachTheViewTheDocumentTheChildAndTheFrame)
{
    frame.NewDocument();
    Pump();
    CChildFrame* child = frame.ActiveChild();
    ASSERT_NE(child, nullptr);
    CTextView& view = child->ActivePane().View();

    SendMessageW(child->ActivePane().Window(), WM_CHAR, L'x', 0);
    Command(ID_EDIT_SELECT_ALL); // the view
    EXPECT_TRUE(view.Selection());
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_SAVE)); // the document: modified
    Command(ID_EDIT_UNDO);
    EXPECT_FALSE(child->Document().IsModified());
    EXPECT_FALSE(MenuItemEnabled(ID_FILE_SAVE));

    Command(ID_WINDOW_SPLIT); // the child frame
    EXPECT_EQ(child->PaneCount(), 2u);
    EXPECT_TRUE(MenuItemChecked(ID_WINDOW_SPLIT));

    const int wrap = settings.WrapOn;
    Command(ID_VIEW_WORD_WRAP); // the frame
    EXPECT_NE(settings.WrapOn, wrap);
    EXPECT_EQ(MenuItemChecked(ID_VIEW_WORD_WRAP), settings.WrapOn != 0);

    EXPECT_FALSE(MenuItemEnabled(ID_ACTIONS_EXECUTE)); // nobody handles it yet
}

TEST_F(Framework, TwoViewsOfOneDocumentShowAnEdit)
{
    frame.NewDocument();
    Pump();
    CChildFrame* child = frame.ActiveChild();
    child->Split(true);
    Pump();
    SendMessageW(child->Pane(0).Window(), WM_CHAR, L'\x0416', 0); // Ж
    SendMessageW(child->Pane(0).Window(), WM_CHAR, L'z', 0);
    Pump();
    EXPECT_EQ(child->Document().GetLine(0), "\xC6z");
    EXPECT_EQ(Painted(child->Pane(1).View()), "\xC6z");
}

TEST_F(Framework, AnAcceleratorKeyReachesItsCommand)
{
    frame.NewDocument();
    Pump();
    CChildFrame* child = frame.ActiveChild();
    child->Split(true);
    Pump();
    const std::size_t before = child->ActivePaneIndex();
    MSG key{};
    key.hwnd = child->ActivePane().Window();
    key.message = WM_KEYDOWN;
    key.wParam = VK_F6;
    EXPECT_TRUE(TranslateAcceleratorW(frame.Window(), frame.Accelerators(), &key));
    Pump();
    EXPECT_NE(child->ActivePaneIndex(), before);
}

TEST_F(Framework, AShortDocumentHasNoVerticalScrollBar)
{
    frame.NewDocument();
    Pump();
    HWND view = frame.ActiveView()->Window();
    EXPECT_FALSE(GetWindowLongW(view, GWL_STYLE) & WS_VSCROLL);
}

} // namespace

namespace {

TEST(DocTemplate, TakesItsMenuAndDocumentNameFromItsResources)
{
    CDocTemplate text(IDR_TEXTTYPE);
    ASSERT_TRUE(text.Load());
    EXPECT_EQ(text.DocumentName(), "untitled");
    EXPECT_TRUE(MenuHasCommand(text.Menu(), ID_ACTIONS_TABS_TO_SPACES));
    EXPECT_FALSE(CDocTemplate(4242).Load());
}

TEST_F(Framework, OpeningAnOpenPathActivatesItsWindow)
{
    char dir[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "nvt", 0, path);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "one\r\ntwo\r\n", 10, &written, nullptr);
    CloseHandle(file);

    CTextDoc* first = frame.OpenDocumentFile(path, {});
    ASSERT_NE(first, nullptr);
    frame.NewDocument();
    Pump();
    CTextDoc* again = frame.OpenDocumentFile(path, {});
    EXPECT_EQ(again, first);
    EXPECT_EQ(frame.Documents().Entries().size(), 2u);
    EXPECT_EQ(&frame.ActiveChild()->Document(), first);
    Command(ID_FILE_CLOSE_ALL);
    DeleteFileA(path);
}

} // namespace
