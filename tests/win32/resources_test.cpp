// What the program's resources must hold for the menus, bars and shell.
#include "win32/res/resource.h"
#include "win32/res/toolbar_buttons.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

namespace {

HINSTANCE Instance()
{
    return GetModuleHandleW(nullptr);
}

void CollectCommands(HMENU menu, std::set<UINT>& ids)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CollectCommands(sub, ids);
        else if (const UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
            ids.insert(id);
    }
}

std::wstring ResourceString(UINT id)
{
    wchar_t buffer[512];
    const int length = LoadStringW(Instance(), id, buffer, 512);
    return std::wstring(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

// Placeholders the program fills at run time have no prompt of their own,
// and the ids of two strings are commands too.
bool IsPlaceholder(UINT id)
{
    return id == ID_FILE_MRU_FIRST || id == ID_VIEW_SOURCE_FIRST || id == ID_FAVORITES_FIRST ||
           id == ID_BROWSE_LINK || id == ID_SEARCH_NEXT_BOOKMARK;
}

TEST(Resources, EveryCommandHasAStatusPromptAndATooltip)
{
    std::set<UINT> ids(std::begin(kToolbarCommands), std::end(kToolbarCommands));
    for (int menuId : {IDR_MAINFRAME, IDR_TEXTTYPE, IDR_LANGUAGE_MENU, IDR_TEXT_CONTEXT_MENU, IDR_TRAY_MENU,
                       IDR_FILE_TAB_MENU, IDR_OUTPUT_MENU}) {
        HMENU menu = LoadMenuW(Instance(), MAKEINTRESOURCEW(menuId));
        ASSERT_NE(menu, nullptr) << menuId;
        CollectCommands(menu, ids);
        DestroyMenu(menu);
    }
    EXPECT_GT(ids.size(), 90u);
    for (UINT id : ids) {
        if (IsPlaceholder(id))
            continue;
        const std::wstring text = ResourceString(id);
        const std::size_t breakAt = text.find(L'\n');
        ASSERT_NE(breakAt, std::wstring::npos) << "command " << id << " has no prompt with a tooltip";
        EXPECT_GT(breakAt, 0u) << id;
        EXPECT_LT(breakAt + 1, text.size()) << id;
    }
}

TEST(Resources, TheToolbarTableHasFortyFiveButtonsAndItsBitmapsOneImageEach)
{
    EXPECT_EQ(std::size(kToolbarCommands), 45u);
    struct Strip {
        int id, imageWidth, height, images;
    };
    for (const Strip& strip : {Strip{IDB_TOOLBAR_SMALL, 16, 15, 45}, Strip{IDB_TOOLBAR_LARGE, 24, 21, 45},
                               Strip{IDB_LANGUAGE_ICONS, 16, 15, 3}, Strip{IDB_OUTPUT_ICONS, 16, 15, 3}}) {
        HBITMAP bitmap = LoadBitmapW(Instance(), MAKEINTRESOURCEW(strip.id));
        ASSERT_NE(bitmap, nullptr) << strip.id;
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, strip.imageWidth * strip.images) << strip.id;
        EXPECT_EQ(info.bmHeight, strip.height) << strip.id;
        DeleteObject(bitmap);
    }
}

TEST(Resources, TheProgramAndItsDocumentsHaveIconsInSmallAndLargeSizes)
{
    for (int id : {IDR_MAINFRAME, IDR_TEXTTYPE})
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << id << " at " << size;
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP colour{};
            GetObjectW(info.hbmColor, sizeof colour, &colour);
            EXPECT_EQ(colour.bmWidth, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    // Registered file types name the program's second icon.
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_GE(ExtractIconExW(program, -1, nullptr, nullptr, 0), 2u);
    HICON second = nullptr;
    ASSERT_EQ(ExtractIconExW(program, 1, &second, nullptr, 1), 1u);
    DestroyIcon(second);
}

TEST(Resources, TheAcceleratorTableHasItsFiftyEightKeys)
{
    HACCEL table = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CopyAcceleratorTableW(table, nullptr, 0), 58);
}

} // namespace
