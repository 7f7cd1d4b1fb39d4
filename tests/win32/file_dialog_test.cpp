// The file dialog's two extra boxes, and what a frame leaves behind.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "core/app/dialog_rules.h"
#include "win32/app/file_dialogs.h"
#include "win32/res/resource.h"

#include <dlgs.h>

#include <filesystem>
#include <fstream>

namespace {

struct BoxesSeen {
    int encoding = -1;
    int lineEnd = -1;
    bool encodingEnabled = false;
};

// Reads the boxes, picks MAC and UNIX, and cancels.
DialogScript PickMacAndUnix(BoxesSeen& seen)
{
    return DialogScript([&seen](HWND dialog) {
        HWND encoding = GetDlgItem(dialog, IDC_FILE_ENCODING);
        if (!encoding)
            return; // the system's own part of the dialog
        HWND lineEnd = GetDlgItem(dialog, IDC_FILE_LINE_END);
        seen.encoding = static_cast<int>(SendMessageW(encoding, CB_GETCURSEL, 0, 0));
        seen.lineEnd = static_cast<int>(SendMessageW(lineEnd, CB_GETCURSEL, 0, 0));
        seen.encodingEnabled = IsWindowEnabled(encoding);
        SendMessageW(encoding, CB_SETCURSEL, 2, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_ENCODING, CBN_SELCHANGE), reinterpret_cast<LPARAM>(encoding));
        SendMessageW(lineEnd, CB_SETCURSEL, 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_LINE_END, CBN_SELCHANGE), reinterpret_cast<LPARAM>(lineEnd));
        PostMessageW(GetParent(dialog), WM_COMMAND, IDCANCEL, 0);
    });
}

TEST(FileDialog, TheExtraBoxesStartAsToldAndFollowTheUser)
{
    BoxesSeen seen;
    int filterIndex = 1;
    {
        DialogScript script = PickMacAndUnix(seen);
        CMyFileDialog open(true, 5, 3);
        EXPECT_TRUE(open.Show(nullptr, BuildTypeFilter({kAllFilesType}, {}), filterIndex).empty());
        EXPECT_EQ(seen.encoding, 5); // "Auto"
        EXPECT_EQ(seen.lineEnd, 3);
        EXPECT_TRUE(seen.encodingEnabled);
        EXPECT_EQ(open.encoding, 2);
        EXPECT_EQ(open.lineEnd, 1);
    }
    {
        DialogScript script = PickMacAndUnix(seen);
        CMyFileDialog save(false, 5, 3);
        save.Show(nullptr, BuildTypeFilter({kAllFilesType}, {}), filterIndex);
        EXPECT_EQ(seen.encoding, 5);
        EXPECT_TRUE(seen.encodingEnabled); // Save As converts
        EXPECT_EQ(save.encoding, 2);
    }
}

std::wstring ItemText(HWND combo, int index)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)), L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

// A language file names the boxes' items; without one the program's own do.
TEST(FileDialog, TheBoxesTakeTheInterfaceStrings)
{
    std::vector<std::wstring> items;
    auto readItems = [&items] {
        return DialogScript([&items](HWND dialog) {
            HWND encoding = GetDlgItem(dialog, IDC_FILE_ENCODING);
            if (!encoding)
                return;
            items = {ItemText(encoding, 0), ItemText(encoding, 5), ItemText(encoding, 6), ItemText(encoding, 7),
                     ItemText(GetDlgItem(dialog, IDC_FILE_LINE_END), 3)};
            PostMessageW(GetParent(dialog), WM_COMMAND, IDCANCEL, 0);
        });
    };
    int filterIndex = 1;
    const std::string filter = BuildTypeFilter({kAllFilesType}, {});
    {
        DialogScript script = readItems();
        CMyFileDialog open(true, 5, 3);
        open.Show(nullptr, filter, filterIndex);
        EXPECT_EQ(items, (std::vector<std::wstring>{L"KOI8", L"Auto", L"UTF-8", L"UTF-16", L"Auto"}));
    }
    {
        DialogScript script = readItems();
        CMyFileDialog open(true, 5, 3);
        open.strings = [](std::uint32_t id) -> std::optional<std::string> {
            if (id == 5045)
                return "\xC0\xE2\xF2\xEE"; // Авто
            return std::nullopt;
        };
        open.Show(nullptr, filter, filterIndex);
        const std::wstring avto = L"\u0410\u0432\u0442\u043E";
        EXPECT_EQ(items, (std::vector<std::wstring>{L"KOI8", avto, L"UTF-8", L"UTF-16", avto}));
    }
}

// Insert File's dialog is titled in the interface language.
TEST_F(Framework, InsertFileAsksInTheInterfaceLanguage)
{
    settings.InterfaceFile = NOVEDA_DATA_DIR "/russian.lng";
    frame.ApplyInterfaceLanguage();
    frame.NewDocument();
    Pump();
    std::wstring title;
    DialogScript script([&title](HWND dialog) {
        wchar_t text[128] = {};
        GetWindowTextW(dialog, text, 128);
        title = text;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(frame.ActiveView()->AskFileToInsert());
    EXPECT_EQ(title, L"\u0412\u0441\u0442\u0430\u0432\u0438\u0442\u044C \u0444\u0430\u0439\u043B"); // Вставить файл
}

TEST_F(Framework, ChangedFavoritesAreWrittenWhenTheFrameGoes)
{
    MemoryProfileStore otherStore;
    const FrameServices services = Services(otherStore);
    const std::filesystem::path file = FromCp1251(services.programDir + "favorite.dat");
    std::filesystem::remove(file);
    {
        CMainFrame other{settings, schemes, clips, services};
        ASSERT_TRUE(other.Create());
    }
    EXPECT_FALSE(std::filesystem::exists(file)); // nothing changed
    settings.favorites.resize(1);
    settings.favorites[0].path = "C:\\kept.txt";
    settings.FavoritesChanged = 1;
    {
        CMainFrame other{settings, schemes, clips, services};
        ASSERT_TRUE(other.Create());
    }
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(LoadFavorites(ToCp1251(file.wstring()))[0].path, "C:\\kept.txt");
    std::filesystem::remove(file);
    settings.FavoritesChanged = 0; // the fixture's own frame goes last
}

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Choosing a file that exists asks, as a question in the program's words;
// No keeps the dialog open, Yes takes the file.
TEST(FileDialog, ReplacingAFileIsAskedAsAQuestion)
{
    const std::filesystem::path existing = std::filesystem::temp_directory_path() / L"noveda_existing.txt";
    std::ofstream(existing) << "kept";
    std::wstring question, caption;
    int asked = 0;
    auto script = [&](bool answer) {
        return DialogScript([&, answer](HWND dialog) {
            if (GetDlgItem(dialog, 0xFFFF)) { // the question
                ++asked;
                question = WindowText(GetDlgItem(dialog, 0xFFFF));
                caption = WindowText(dialog);
                PostMessageW(dialog, WM_COMMAND, answer ? IDYES : IDNO, 0);
                // Handled once the question is gone: the dialog is still open.
                if (!answer)
                    PostMessageW(GetWindow(dialog, GW_OWNER), WM_COMMAND, IDCANCEL, 0);
                return;
            }
            if (GetDlgItem(dialog, IDC_FILE_ENCODING))
                return; // our boxes
            SetDlgItemTextW(dialog, cmb13, existing.c_str());
            SetDlgItemTextW(dialog, edt1, existing.c_str());
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
    };
    int filterIndex = 1;
    {
        DialogScript no = script(false);
        CMyFileDialog save(false, 5, 3);
        EXPECT_TRUE(save.Show(nullptr, BuildTypeFilter({kAllFilesType}, {}), filterIndex).empty());
    }
    EXPECT_EQ(asked, 1);
    EXPECT_NE(question.find(L"already exists.\nDo you want to replace it?"), std::wstring::npos) << question;
    EXPECT_NE(caption, L"Error");
    {
        DialogScript yes = script(true);
        CMyFileDialog save(false, 5, 3);
        const std::vector<std::string> chosen = save.Show(nullptr, BuildTypeFilter({kAllFilesType}, {}), filterIndex);
        ASSERT_EQ(chosen.size(), 1u);
        EXPECT_TRUE(std::filesystem::equivalent(FromCp1251(chosen[0]), existing));
    }
    EXPECT_EQ(asked, 2);
    std::filesystem::remove(existing);
}

} // namespace
