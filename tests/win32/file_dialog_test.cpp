// The file dialog's two extra boxes, and what a frame leaves behind.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "win32/app/file_dialogs.h"
#include "win32/res/resource.h"

#include <filesystem>

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
        EXPECT_TRUE(open.Show(nullptr, std::string(kAllFilesFilter, sizeof kAllFilesFilter - 1), filterIndex).empty());
        EXPECT_EQ(seen.encoding, 5); // "Auto"
        EXPECT_EQ(seen.lineEnd, 3);
        EXPECT_TRUE(seen.encodingEnabled);
        EXPECT_EQ(open.encoding, 2);
        EXPECT_EQ(open.lineEnd, 1);
        EXPECT_TRUE(open.encodingChanged);
    }
    {
        DialogScript script = PickMacAndUnix(seen);
        CMyFileDialog save(false, 1, 3);
        save.Show(nullptr, std::string(kAllFilesFilter, sizeof kAllFilesFilter - 1), filterIndex);
        EXPECT_EQ(seen.encoding, 1);
        EXPECT_FALSE(seen.encodingEnabled); // the code page is chosen on opening only
    }
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

} // namespace
