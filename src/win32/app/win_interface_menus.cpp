#include "win32/app/win_interface_menus.h"

#include "core/tools/clip_library.h"
#include "win32/app/menu_conversion.h"
#include "win32/app/text_conversion.h"

namespace {

// The menu data the frame gives a clip library's pop-up.
constexpr ULONG_PTR kClipLibraryMark = 0x4E436C70; // "NClp"

bool IsClipLibraryMenu(HMENU sub)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    return GetMenuInfo(sub, &info) && info.dwMenuData == kClipLibraryMark;
}

void ApplyTexts(HMENU live, const Menu& model)
{
    const int count = std::min<int>(GetMenuItemCount(live), static_cast<int>(model.size()));
    for (int i = 0; i < count; ++i) {
        const MenuItem& item = model[static_cast<std::size_t>(i)];
        if (item.separator || item.bitmap)
            continue;
        if (ToCp1251(MenuItemText(live, i)) != item.text) {
            std::wstring text = FromCp1251(item.text);
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_STRING;
            info.dwTypeData = text.data();
            SetMenuItemInfoW(live, static_cast<UINT>(i), TRUE, &info);
        }
        if (HMENU sub = GetSubMenu(live, i))
            ApplyTexts(sub, item.items);
    }
}

} // namespace

void MarkAsClipLibraryMenu(HMENU popup)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = kClipLibraryMark;
    SetMenuInfo(popup, &info);
}

Menu MenuModelOf(HMENU menu)
{
    Menu model;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        MenuItem item;
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        item.bitmap = (info.fType & MFT_BITMAP) != 0;
        if (!item.separator && !item.bitmap)
            item.text = ToCp1251(MenuItemText(menu, i));
        if (info.hSubMenu) {
            item.popup = true;
            item.clipLibrary = IsClipLibraryMenu(info.hSubMenu);
            item.items = MenuModelOf(info.hSubMenu);
        } else {
            item.id = info.wID;
        }
        model.push_back(std::move(item));
    }
    return model;
}

Menu WinInterfaceMenus::ResourceMenu(unsigned menuId) const
{
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    if (!menu)
        return {};
    Menu model = MenuModelOf(menu);
    DestroyMenu(menu);
    return model;
}

Menu WinInterfaceMenus::LiveMenu(unsigned menuId) const
{
    const auto live = m_live.find(menuId);
    return live == m_live.end() ? Menu{} : MenuModelOf(live->second);
}

void WinInterfaceMenus::SetLiveMenu(unsigned menuId, const Menu& menu)
{
    if (const auto live = m_live.find(menuId); live != m_live.end())
        ApplyTexts(live->second, menu);
}
