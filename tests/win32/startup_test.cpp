// Opening files from the command line and every other route, favorites,
// recent files, the interface language, the single-instance block and the
// save question, with the real frame.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "core/app/command_line.h"
#include "core/app/interface_language.h"
#include "core/text/setup_file.h"
#include "win32/app/menu_conversion.h"
#include "win32/app/single_instance.h"
#include "win32/app/win_interface_menus.h"
#include "win32/app/win_prompts.h"
#include "win32/framework/frame_path_opener.h"
#include "win32/res/resource.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace {

// A directory of its own for each test, made the current one.
class Startup : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        directory = ToCp1251(temp) + "noveda_startup\\";
        std::filesystem::remove_all(FromCp1251(directory));
        std::filesystem::create_directory(FromCp1251(directory));
        GetCurrentDirectoryW(MAX_PATH, previous);
        SetCurrentDirectoryW(FromCp1251(directory).c_str());
    }
    void TearDown() override
    {
        frame.CloseAll();
        SetCurrentDirectoryW(previous);
        std::filesystem::remove_all(FromCp1251(directory));
    }
    std::string Write(const std::string& name, const std::string& text)
    {
        std::ofstream(std::filesystem::path(FromCp1251(directory + name)), std::ios::binary) << text;
        return directory + name;
    }
    std::vector<std::string> OpenPaths()
    {
        std::vector<std::string> paths;
        for (const auto& entry : frame.Documents().Entries())
            paths.push_back(entry.doc->GetPathName());
        return paths;
    }

    std::string directory;
    wchar_t previous[MAX_PATH] = {};
};

TEST_F(Startup, CommandLinesOpenTheirFiles)
{
    Write("notes.txt", "n\r\n");
    Write("my file.txt", "m\r\n");
    Write("a.htm", "a\r\n");
    // "Привет, как дела? Всё хорошо, спасибо." in KOI8-R: opened with detection.
    Write("b.htm", "\xF0\xD2\xC9\xD7\xC5\xD4, \xCB\xC1\xCB \xC4\xC5\xCC\xC1? \xF7\xD3\xA3 \xC8\xCF\xD2\xCF\xDB\xCF, "
                   "\xD3\xD0\xC1\xD3\xC9\xC2\xCF.\r\n");
    FramePathOpener opener(frame);

    ProcessCommandLine("", settings, opener);
    ASSERT_EQ(frame.Documents().Entries().size(), 1u); // no arguments: one untitled document
    EXPECT_TRUE(frame.Documents().Entries()[0].doc->GetPathName().empty());

    ProcessCommandLine("my file.txt", settings, opener); // unquoted, with a blank: it replaces the untitled one
    EXPECT_EQ(OpenPaths(), std::vector<std::string>{directory + "my file.txt"});
    frame.CloseAll();

    ProcessCommandLine("notes.txt \"my file.txt\" *.htm", settings, opener);
    std::vector<std::string> opened = OpenPaths();
    std::sort(opened.begin() + 2, opened.end());
    EXPECT_EQ(opened, (std::vector<std::string>{directory + "notes.txt", directory + "my file.txt",
                                                directory + "a.htm", directory + "b.htm"}));
    SendMessageW(frame.MdiClient(), WM_MDIACTIVATE,
                 reinterpret_cast<WPARAM>(frame.Documents().Find(*frame.Documents().FindPath(directory + "b.htm")->doc)->frame->Window()), 0);
    EXPECT_TRUE(frame.UpdateCommand(ID_ENCODING_KOI8)->checked); // detected
    frame.CloseAll();

    ProcessCommandLine("missing.txt", settings, opener);
    EXPECT_EQ(OpenPaths(), std::vector<std::string>{directory + "missing.txt"}); // handed on, opened empty
}

TEST_F(Startup, DisableAutoKeepsTheCodePageOfCommandLineFiles)
{
    Write("koi.txt", "\xF0\xD2\xC9\xD7\xC5\xD4\r\n");
    settings.DisableAuto = 1;
    settings.Encoding = 4;
    FramePathOpener opener(frame);
    ProcessCommandLine("koi.txt", settings, opener);
    EXPECT_EQ(settings.Encoding, 4);
    EXPECT_TRUE(frame.UpdateCommand(ID_ENCODING_WIN)->checked);
}

TEST_F(Startup, AnUnmodifiedUntitledWindowGivesWayAndADirectoryOpensNothing)
{
    const std::string path = Write("file.txt", "text\r\n");
    frame.NewDocument();
    Pump();
    frame.OpenDocument(directory, {});
    EXPECT_EQ(frame.Documents().Entries().size(), 1u);
    frame.OpenDocument(path, {});
    EXPECT_EQ(OpenPaths(), std::vector<std::string>{path});

    frame.NewDocument();
    Pump();
    SendMessageW(frame.ActiveView()->Window(), WM_CHAR, L'x', 0); // modified: it stays
    frame.OpenDocument(Write("other.txt", "o\r\n"), {});
    EXPECT_EQ(frame.Documents().Entries().size(), 3u);
}

TEST_F(Startup, AFavoriteComesBackWithCaretCodePageAndBookmarks)
{
    std::string text;
    for (int i = 0; i < 120; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    const std::string path = Write("long.txt", text);
    Favorite favorite;
    favorite.path = path;
    favorite.caretLine = 500; // the file has shrunk since
    favorite.caretCol = 40;
    favorite.encoding = 0;
    favorite.bookmarks = {7, 30};
    settings.favorites = {favorite};
    frame.NewDocument();
    Pump();

    frame.OpenFavorite(0);
    Pump();
    ASSERT_EQ(frame.Documents().Entries().size(), 1u); // the empty untitled window gave way
    CTextDoc& doc = frame.ActiveChild()->Document();
    const CTextView& view = frame.ActiveView()->View();
    EXPECT_EQ(view.Caret().line, doc.GetLineCount() - 1);
    EXPECT_EQ(view.Caret().col, 0); // the last line is empty
    EXPECT_TRUE(doc.IsBookmarked(7));
    EXPECT_TRUE(doc.IsBookmarked(30));
    EXPECT_EQ(doc.GetBookmarkCount(), 2);
    EXPECT_TRUE(frame.UpdateCommand(ID_ENCODING_KOI8)->checked);
    EXPECT_EQ(settings.Encoding, 0);

    // Opened again while open: the bookmarks are not toggled off.
    frame.OpenFavorite(0);
    Pump();
    EXPECT_EQ(frame.Documents().Entries().size(), 1u);
    EXPECT_TRUE(doc.IsBookmarked(7));
    EXPECT_EQ(doc.GetBookmarkCount(), 2);

    // Adding it again refreshes the one entry.
    Command(ID_SEARCH_TOGGLE_BOOKMARK);
    Command(ID_FAVORITES_ADD);
    ASSERT_EQ(settings.favorites.size(), 1u);
    EXPECT_EQ(settings.favorites[0].bookmarks.size(), 3u);
    EXPECT_EQ(settings.FavoritesChanged, 1);

    // Closing records the place the document is left at.
    settings.FavoritesChanged = 0;
    SendMessageW(frame.ActiveView()->Window(), WM_KEYDOWN, VK_PRIOR, 0);
    Command(ID_SEARCH_TOGGLE_BOOKMARK);
    const int caretLine = view.Caret().line;
    ASSERT_NE(caretLine, doc.GetLineCount() - 1);
    ASSERT_TRUE(frame.CloseDocument(doc));
    EXPECT_EQ(settings.favorites[0].caretLine, caretLine);
    EXPECT_EQ(settings.favorites[0].bookmarks.size(), 4u);
    EXPECT_EQ(settings.FavoritesChanged, 1);
}

TEST_F(Startup, TheFavoritesMenuListsTheEntries)
{
    frame.NewDocument();
    Pump();
    HMENU favorites = PopupWith(GetMenu(frame.Window()), ID_FAVORITES_ADD);
    SendMessageW(frame.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(favorites), 0);
    wchar_t text[MAX_PATH];
    GetMenuStringW(favorites, ID_FAVORITES_FIRST, text, MAX_PATH, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"No favorites");
    EXPECT_TRUE(GetMenuState(favorites, ID_FAVORITES_FIRST, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(MenuItemEnabled(ID_FAVORITES_ORGANIZE));

    settings.favorites.resize(2);
    settings.favorites[0].path = "C:\\one.txt";
    settings.favorites[1].path = "C:\\two.txt";
    SendMessageW(frame.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(favorites), 0);
    EXPECT_EQ(GetMenuItemCount(favorites), 5);
    GetMenuStringW(favorites, ID_FAVORITES_FIRST + 1, text, MAX_PATH, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"C:\\two.txt");
    EXPECT_TRUE(MenuItemEnabled(ID_FAVORITES_ORGANIZE));
}

TEST_F(Startup, RecentFilesShowInTheirSubMenu)
{
    const std::string path = Write("r&d.txt", "x\r\n");
    frame.OpenDocument(path, {});
    Pump();
    ASSERT_EQ(recent.Entries().size(), 1u);
    HMENU sub = FindSubMenuHolding(GetMenu(frame.Window()), ID_FILE_MRU_FIRST);
    ASSERT_NE(sub, nullptr);
    SendMessageW(frame.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 0);
    wchar_t text[MAX_PATH];
    GetMenuStringW(sub, 0, text, MAX_PATH, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&1 r&&d.txt"); // relative to the current directory, "&" doubled
    frame.CloseAll();
    SendMessageW(frame.Window(), WM_COMMAND, ID_FILE_MRU_FIRST, 0);
    EXPECT_EQ(OpenPaths(), std::vector<std::string>{path});

    // A file closed goes back to the top of the list.
    const std::string other = Write("other.txt", "y\r\n");
    frame.OpenDocument(other, {});
    Pump();
    ASSERT_EQ(recent.Entries().front(), other);
    frame.CloseDocument(*frame.Documents().FindPath(path)->doc);
    EXPECT_EQ(recent.Entries().front(), path);
}

TEST_F(Startup, TheRussianLanguageFileRenamesMenusAndStringsAndEnglishComesBack)
{
    settings.InterfaceFile = NOVEDA_DATA_DIR "/russian.lng";
    frame.ApplyInterfaceLanguage();
    wchar_t text[64];
    GetMenuStringW(GetMenu(frame.Window()), 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Файл");
    EXPECT_EQ(frame.InterfaceString(5001), "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xE8\xE7\xEC\xE5\xED\xE5\xED\xE8\xFF \xE2 %s ?");
    frame.NewDocument();
    Pump();
    GetMenuStringW(GetMenu(frame.Window()), 0, text, 64, MF_BYPOSITION);
    EXPECT_TRUE(wcscmp(text, L"&Файл") == 0 || IsZoomed(frame.ActiveChild()->Window())); // a maximised window's menu comes first

    settings.InterfaceFile.clear();
    frame.ApplyInterfaceLanguage();
    HMENU bar = GetMenu(frame.Window());
    GetMenuStringW(bar, GetMenuItemCount(bar) - 1 - (IsZoomed(frame.ActiveChild()->Window()) ? 3 : 0), text, 64,
                   MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Help");
    EXPECT_EQ(frame.InterfaceString(5001), "Save changes to %s ?");

    settings.InterfaceFile = "C:\\no\\such.lng";
    frame.ApplyInterfaceLanguage();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Cannot open interface file: C:\\no\\such.lng");
    EXPECT_EQ(store.GetString("General", "InterfaceFile"), "");
}

BOOL CALLBACK AddDialogId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<int>*>(ids)->insert(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The ids of the program's dialogs and of the controls in them.
std::set<int> DialogsAndTheirControls()
{
    std::set<int> ids;
    EnumResourceNamesW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(5) /* RT_DIALOG */, &AddDialogId,
                       reinterpret_cast<LONG_PTR>(&ids));
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    for (const int dialogId : std::set<int>(ids)) {
        HWND dialog =
            CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), parent, &IgnoreMessages, 0);
        for (HWND child = dialog ? GetWindow(dialog, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
            ids.insert(GetDlgCtrlID(child));
        if (dialog)
            DestroyWindow(dialog);
    }
    DestroyWindow(parent);
    return ids;
}

TEST(LanguageFile, EveryNumberOfTheRussianFileExistsInTheProgram)
{
    auto reader = SetupReader::Open(NOVEDA_DATA_DIR "/russian.lng");
    ASSERT_TRUE(reader);
    LanguageTexts texts;
    ReadLanguageFile(*reader, texts);

    WinInterfaceMenus menus({});
    std::set<int> numbers;
    for (const MenuNumbering& m : kInterfaceMenus) {
        Menu menu = menus.ResourceMenu(m.menuId);
        for (const auto& [number, item] : NumberMenuItems(menu, m.base))
            numbers.insert(number);
    }
    int menuTexts = 0;
    for (int number = kFirstMenuTextNumber; number <= kLastMenuTextNumber; ++number) {
        if (texts.menuTexts[static_cast<std::size_t>(number)].empty())
            continue;
        ++menuTexts;
        EXPECT_TRUE(numbers.count(number)) << "menu text " << number << " names no item";
    }
    EXPECT_EQ(menuTexts, static_cast<int>(numbers.size())); // and every item has its text
    const std::set<int> dialogNumbers = DialogsAndTheirControls();
    for (const auto& [id, text] : texts.strings) {
        wchar_t buffer[8];
        EXPECT_TRUE(LoadStringW(GetModuleHandleW(nullptr), id, buffer, 8) > 0 || dialogNumbers.count(static_cast<int>(id)))
            << "string " << id;
    }
}

TEST(SingleInstanceBlock, HandsACommandLineToTheRunningInstance)
{
    SingleInstance first(L"NovedaTestEvent", L"NovedaTestBlock");
    ASSERT_TRUE(first.Valid());
    first.Lock();
    EXPECT_EQ(first.RunningWindow(), nullptr); // a new block reads as zeros
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    first.Publish(window);

    SingleInstance second(L"NovedaTestEvent", L"NovedaTestBlock");
    second.Lock();
    EXPECT_EQ(second.RunningWindow(), window);
    const UINT message = SingleInstance::Message();
    second.HandOver(std::string(3000, 'x'), message);
    MSG posted{};
    EXPECT_TRUE(PeekMessageW(&posted, window, message, message, PM_REMOVE));
    EXPECT_EQ(first.TakeCommandLine(), std::string(SingleInstance::kMaxHandedOver, 'x'));
    EXPECT_EQ(first.TakeCommandLine(), ""); // read once
    first.Unlock();
    DestroyWindow(window);
}

// A command line longer than the block goes over in pieces of whole names,
// each read before the next is written.
TEST(SingleInstanceBlock, ALongCommandLineGoesOverInPiecesOfWholeNames)
{
    constexpr DWORD kWait = 300;
    SingleInstance first(L"NovedaTestEvent3", L"NovedaTestBlock3", kWait);
    ASSERT_TRUE(first.Lock());
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    first.Publish(window);
    std::string line;
    for (int i = 0; i < 200; ++i)
        line += (i ? " \"C:\\my docs\\file " : "\"C:\\my docs\\file ") + std::to_string(i) + ".txt\"";
    ASSERT_GT(line.size(), SingleInstance::kMaxHandedOver);

    std::vector<std::string> read;
    std::atomic<bool> done = false;
    std::thread reader([&] { // the running instance
        for (int i = 0; i < 400 && !done; ++i) {
            const std::string text = first.TakeCommandLine();
            if (!text.empty()) {
                read.push_back(text);
                first.Unlock();
            }
            Sleep(5);
        }
    });
    SingleInstance second(L"NovedaTestEvent3", L"NovedaTestBlock3", kWait);
    second.Lock();
    EXPECT_TRUE(second.HandOver(line, SingleInstance::Message()));
    Sleep(100);
    done = true;
    reader.join();
    ASSERT_GT(read.size(), 1u);
    std::string joined;
    for (const std::string& piece : read)
        joined += (joined.empty() ? "" : " ") + piece;
    EXPECT_EQ(joined, line);

    // A busy instance that reads nothing: what it was handed stays as it was.
    SingleInstance third(L"NovedaTestEvent3", L"NovedaTestBlock3", kWait);
    third.Lock();
    EXPECT_FALSE(third.HandOver(line, SingleInstance::Message()));
    EXPECT_EQ(first.TakeCommandLine(), SplitCommandLine(line, SingleInstance::kMaxHandedOver).front());
    first.Unlock();
    DestroyWindow(window);
}

// The running instance ends before it reads a hand-over: later starts wait
// a moment for the lock, not for ever, and take the instance's place.
TEST(SingleInstanceBlock, AHandOverNobodyReadsHoldsLaterStartsOnlyBriefly)
{
    constexpr DWORD kWait = 200;
    SingleInstance first(L"NovedaTestEvent2", L"NovedaTestBlock2", kWait);
    ASSERT_TRUE(first.Lock());
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    first.Publish(window);

    SingleInstance second(L"NovedaTestEvent2", L"NovedaTestBlock2", kWait);
    ASSERT_TRUE(second.Lock());
    EXPECT_TRUE(second.HandOver("late.txt", SingleInstance::Message()));
    DestroyWindow(window); // the first instance ends without reading it
    first.Withdraw();

    SingleInstance third(L"NovedaTestEvent2", L"NovedaTestBlock2", kWait);
    EXPECT_FALSE(third.Lock()); // abandoned: it goes on
    EXPECT_EQ(third.RunningWindow(), nullptr);
    HWND next = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    third.Publish(next); // gives the lock back

    SingleInstance fourth(L"NovedaTestEvent2", L"NovedaTestBlock2", kWait);
    EXPECT_TRUE(fourth.Lock());
    EXPECT_EQ(fourth.RunningWindow(), next);
    DestroyWindow(next);
    EXPECT_FALSE(fourth.HandOver("x", SingleInstance::Message())); // the window went meanwhile
    fourth.Unlock();
}

TEST(SaveQuestion, TheDialogShortensLongTitlesAndReturnsEachAnswer)
{
    HWND owner = nullptr;
    AppSettings settings;
    FileDialogMemory dialogs;
    // The language names the dialog and its buttons.
    WinPrompts prompts(owner, settings, dialogs, [](std::uint32_t id) -> std::optional<std::string> {
        if (id == IDD_SAVE_FILES)
            return "Enregistrer";
        if (id == IDYES)
            return "&Oui";
        return std::nullopt;
    });
    const std::string title = "C:\\a\\very\\long\\folders\\name\\report.txt";
    const std::pair<int, SaveChoice> answers[] = {{IDYES, SaveChoice::Yes}, {IDNO, SaveChoice::No},
                                                  {IDC_SAVE_ALL, SaveChoice::SaveAll}, {IDCANCEL, SaveChoice::Cancel}};
    for (const auto& [button, choice] : answers) {
        std::wstring question, caption, yes;
        DialogScript script([&, button = button](HWND dialog) {
            wchar_t text[256] = {};
            GetDlgItemTextW(dialog, IDC_SAVE_QUESTION, text, 256);
            question = text;
            GetWindowTextW(dialog, text, 256);
            caption = text;
            GetDlgItemTextW(dialog, IDYES, text, 256);
            yes = text;
            DialogScript::Click(dialog, button);
        });
        EXPECT_EQ(prompts.AskSaveChanges(title), choice) << button;
        EXPECT_EQ(question, L"Save changes to ...\\report.txt ?");
        EXPECT_EQ(caption, L"Enregistrer");
        EXPECT_EQ(yes, L"&Oui");
    }
}

TEST_F(Startup, ClosingAModifiedDocumentAsksAndFollowsTheAnswer)
{
    const std::string path = Write("keep.txt", "old\r\n");
    frame.OpenDocument(path, {});
    Pump();
    SendMessageW(frame.ActiveView()->Window(), WM_CHAR, L'n', 0);
    CTextDoc& doc = frame.ActiveChild()->Document();

    prompts.saveChoice = SaveChoice::Cancel;
    EXPECT_FALSE(frame.CloseDocument(doc));
    EXPECT_EQ(frame.Documents().Entries().size(), 1u);

    prompts.saveChoice = SaveChoice::No;
    EXPECT_TRUE(frame.CloseDocument(doc));
    std::ifstream kept(std::filesystem::path(FromCp1251(path)), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old\r\n");
    kept.close();

    frame.OpenDocument(path, {});
    Pump();
    SendMessageW(frame.ActiveView()->Window(), WM_CHAR, L'y', 0);
    prompts.saveChoice = SaveChoice::Yes;
    EXPECT_TRUE(frame.CloseDocument(frame.ActiveChild()->Document()));
    std::ifstream saved(std::filesystem::path(FromCp1251(path)), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "yold\r\n");
}

} // namespace

namespace {

TEST_F(Startup, TheFavoritesWindowDeletesMovesAddsAndOpens)
{
    const std::string current = Write("current.txt", "c\r\n");
    const std::string other = Write("other.txt", "o\r\n");
    settings.favorites.resize(3);
    settings.favorites[0].path = "C:\\a.txt";
    settings.favorites[1].path = "C:\\b.txt";
    settings.favorites[2].path = other;
    frame.OpenDocument(current, {});
    Pump();

    bool addEnabled = false;
    DialogScript script([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_FAVORITES_LIST);
        addEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_FAVORITES_ADD));
        PostMessageW(list, LB_SETCURSEL, 0, 0);
        DialogScript::Click(dialog, IDC_FAVORITES_DELETE); // a.txt goes
        DialogScript::Click(dialog, IDC_FAVORITES_DOWN);   // b.txt below other.txt
        DialogScript::Click(dialog, IDC_FAVORITES_ADD);    // current.txt joins, selected
        PostMessageW(list, LB_SETCURSEL, 0, 0);
        DialogScript::Click(dialog, IDC_FAVORITES_OPEN);   // other.txt opens
    });
    Command(ID_FAVORITES_ORGANIZE);
    EXPECT_TRUE(addEnabled);
    ASSERT_EQ(settings.favorites.size(), 3u);
    EXPECT_EQ(settings.favorites[0].path, other);
    EXPECT_EQ(settings.favorites[1].path, "C:\\b.txt");
    EXPECT_EQ(settings.favorites[2].path, current);
    EXPECT_EQ(settings.FavoritesChanged, 1);
    EXPECT_EQ(frame.ActiveChild()->Document().GetPathName(), other);
}

} // namespace
