// Find in files: the dialog's start and list rules, and the real finder run
// from a program folder with a blank in its name.
#include "dialog_script.h"
#include "tool_fixture.h"

#include "core/text/code_pages.h"
#include "win32/dialogs/find_in_files_dialog.h"

namespace {

class FindInFiles : public ToolFramework {
protected:
    DialogEnvironment Environment()
    {
        return {frame.Window(), [](std::uint32_t) { return std::optional<std::string>(); }, settings.InterFnt};
    }

    static std::wstring Text(HWND dialog, int id)
    {
        wchar_t text[MAX_PATH] = {};
        GetDlgItemTextW(dialog, id, text, MAX_PATH);
        return text;
    }
    static int Listed(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0)); }
    // What the user types into a combo box.
    static void Type(HWND dialog, int id, const std::wstring& text)
    {
        SetDlgItemTextW(dialog, id, text.c_str());
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

    std::vector<std::string> history{"older"};
    FindInFilesDialog::BrowseFolder noBrowse = [](HWND, const std::string&) { return std::optional<std::string>(); };
};

TEST_F(FindInFiles, TheDialogStartsFromTheDocumentAndKeepsWhatWasTyped)
{
    settings.findMasks = {"*.h", "*.cpp;*.h"};
    settings.findDirs = {"C:\\old"};
    settings.MatchCase = 0;
    std::wstring what, masks, folder;
    int masksListed = 0, foldersListed = 0;
    bool subfolders = false;
    DialogScript script([&](HWND dialog) {
        what = Text(dialog, IDC_FIF_WHAT);
        masks = Text(dialog, IDC_FIF_MASKS);
        folder = Text(dialog, IDC_FIF_FOLDER);
        masksListed = Listed(dialog, IDC_FIF_MASKS);
        foldersListed = Listed(dialog, IDC_FIF_FOLDER);
        subfolders = IsDlgButtonChecked(dialog, IDC_FIF_SUBFOLDERS) == BST_CHECKED;
        Type(dialog, IDC_FIF_MASKS, L"*.hpp");
        CheckDlgButton(dialog, IDC_FIF_MATCH_CASE, BST_CHECKED);
        DialogScript::Click(dialog, IDOK);
    });
    FindInFilesDialog dialog(Environment(), settings, store, history, {nullptr, "C:\\src\\a.cpp", "D:\\work"}, noBrowse);
    ASSERT_EQ(dialog.Run(), IDOK);
    EXPECT_EQ(what, L"older"); // no view: the newest find text
    EXPECT_EQ(masks, L"*.cpp;*.h");
    EXPECT_EQ(folder, L"C:\\src\\");
    EXPECT_EQ(masksListed, 2);
    EXPECT_EQ(foldersListed, 1);
    EXPECT_TRUE(subfolders);

    const FinderSearch& search = dialog.Search();
    EXPECT_EQ(search.masks, "*.hpp");
    EXPECT_EQ(search.folder, "C:\\src\\");
    EXPECT_EQ(search.what, "older");
    EXPECT_TRUE(search.matchCase && search.subfolders && !search.wholeWord);
    EXPECT_EQ(settings.MatchCase, 1);
    EXPECT_EQ(settings.findMasks, (std::vector<std::string>{"*.hpp", "*.h", "*.cpp;*.h"}));
    EXPECT_EQ(store.GetString("FindInFiles", "Mask0", ""), "*.hpp");
    EXPECT_EQ(settings.findDirs, (std::vector<std::string>{"C:\\old"})); // not typed: not moved
}

// The text to find is typed in the editor's layout (F9 on); masks and
// folders are names of files and stay as typed.
TEST_F(FindInFiles, TheTextToFindFollowsTheEditorsKeyboardLayout)
{
    ASSERT_TRUE(settings.keyboard.LoadLayout(NOVEDA_DATA_DIR "/russian.kbd"));
    settings.Language = 1;
    std::wstring what, masks;
    DialogScript script([&](HWND dialog) {
        for (const int id : {IDC_FIF_WHAT, IDC_FIF_MASKS}) {
            HWND edit = GetWindow(GetDlgItem(dialog, id), GW_CHILD);
            SetWindowTextW(edit, L"");
            for (const wchar_t c : std::wstring_view(L"ltkj"))
                SendMessageW(edit, WM_CHAR, c, 0);
        }
        what = Text(dialog, IDC_FIF_WHAT);
        masks = Text(dialog, IDC_FIF_MASKS);
        DialogScript::Click(dialog, IDCANCEL);
    });
    FindInFilesDialog dialog(Environment(), settings, store, history, {nullptr, "C:\\src\\a.cpp", "D:\\work"}, noBrowse);
    dialog.Run();
    EXPECT_EQ(what, L"\x0434\x0435\x043B\x043E");
    EXPECT_EQ(masks, L"ltkj");
}

TEST_F(FindInFiles, APickedMaskIsNotStoredAndCancelStoresNothing)
{
    settings.findMasks = {"*.h", "*.txt"};
    DialogScript pick([](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_FIF_MASKS, CB_SETCURSEL, 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIF_MASKS, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FIF_MASKS)));
        DialogScript::Click(dialog, IDOK);
    });
    FindInFilesDialog picked(Environment(), settings, store, history, {nullptr, "", "D:\\work"}, noBrowse);
    ASSERT_EQ(picked.Run(), IDOK);
    EXPECT_EQ(picked.Search().masks, "*.txt");
    EXPECT_EQ(settings.findMasks, (std::vector<std::string>{"*.h", "*.txt"}));
    EXPECT_EQ(store.GetString("FindInFiles", "Mask0", "none"), "none");

    settings.Recurcive = 1;
    DialogScript cancel([](HWND dialog) {
        CheckDlgButton(dialog, IDC_FIF_SUBFOLDERS, BST_UNCHECKED);
        Type(dialog, IDC_FIF_FOLDER, L"C:\\typed");
        DialogScript::Click(dialog, IDCANCEL);
    });
    FindInFilesDialog cancelled(Environment(), settings, store, history, {nullptr, "", "D:\\work"}, noBrowse);
    EXPECT_EQ(cancelled.Run(), IDCANCEL);
    EXPECT_EQ(settings.Recurcive, 1);
    EXPECT_TRUE(settings.findDirs.empty());
}

TEST_F(FindInFiles, TheBrowserStartsAtTheTypedFolderAndItsChoiceIsKept)
{
    std::string browsedFrom;
    const FindInFilesDialog::BrowseFolder browse = [&](HWND, const std::string& start) {
        browsedFrom = start;
        return std::optional<std::string>("C:\\picked");
    };
    DialogScript script([](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_FIF_FOLDER, L"C:\\given\\  ");
        DialogScript::Click(dialog, IDC_FIF_BROWSE);
        DialogScript::Click(dialog, IDOK);
    });
    FindInFilesDialog dialog(Environment(), settings, store, history, {nullptr, "", "D:\\work"}, browse);
    ASSERT_EQ(dialog.Run(), IDOK);
    EXPECT_EQ(browsedFrom, "C:\\given");
    EXPECT_EQ(dialog.Search().folder, "C:\\picked");
    EXPECT_EQ(settings.findDirs, (std::vector<std::string>{"C:\\picked"}));
}

// "Привет" in cp1251.
const std::string kHello = "\xCF\xF0\xE8\xE2\xE5\xF2";

std::string In(int codePage, std::string cp1251)
{
    ConvertString(cp1251, CP_WIN, codePage);
    return cp1251;
}

TEST_F(FindInFiles, TheFinderRunsFromAFolderWithABlankAndItsHitsReachTheOutput)
{
    const fs::path programs = folder.parent_path() / L"program files";
    fs::create_directories(programs);
    fs::copy_file(TestProgramFolder() / L".." / L".." / L"src" / L"win32" / L"find.exe", programs / L"find.exe");
    fs::create_directories(folder / L"sub");
    Write("koi.txt", "first\r\n" + In(CP_KOI8, kHello + ", world") + "\r\n");
    Write("sub\\dos.txt", In(CP_DOS, kHello) + "\n");
    Write("other.log", kHello);
    Write("path.txt", "a path a\\b\\ here\r\n");

    MemoryProfileStore otherStore;
    FrameServices services = Services(otherStore);
    services.programDir = ToCp1251(programs.wstring()) + "\\";
    CMainFrame finder{settings, schemes, clips, services};
    ASSERT_TRUE(finder.Create());
    const std::wstring where = folder.wstring() + L"\\";
    auto search = [&](const std::wstring& what) {
        return DialogScript([&, what](HWND dialog) {
            Type(dialog, IDC_FIF_WHAT, what);
            Type(dialog, IDC_FIF_FOLDER, where);
            Type(dialog, IDC_FIF_MASKS, L"*.txt");
            CheckDlgButton(dialog, IDC_FIF_SUBFOLDERS, BST_CHECKED);
            DialogScript::Click(dialog, IDOK);
        });
    };
    {
        DialogScript script = search(FromCp1251(kHello));
        SendMessageW(finder.Window(), WM_COMMAND, ID_SEARCH_IN_FILES, 0);
    }
    ASSERT_TRUE(WaitForRuns(finder, 1));
    const std::string base = ToCp1251(where);
    EXPECT_EQ(finder.Bars().Output().Text(), base + "koi.txt(2) : " + kHello + ", world\r\n" + base + "sub\\dos.txt(1) : " +
                                                 kHello + "\r\n2 hits in 2 files\r\n");
    EXPECT_TRUE(finder.Bars().Visible(FrameBars::kOutput));
    {
        DialogScript script = search(L"a\\b\\"); // a trailing backslash is part of the text
        SendMessageW(finder.Window(), WM_COMMAND, ID_SEARCH_IN_FILES, 0);
    }
    ASSERT_TRUE(WaitForRuns(finder, 2));
    EXPECT_EQ(finder.Bars().Output().Text(), base + "path.txt(1) : a path a\\b\\ here\r\n1 hit in 1 file\r\n");
}

} // namespace
