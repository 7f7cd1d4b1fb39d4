#include "win32/app/menu_conversion.h"

#include "win32/app/text_conversion.h"

void AppendMenuItems(HMENU menu, const Menu& items)
{
    for (const MenuItem& item : items) {
        if (item.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (item.popup) {
            HMENU sub = CreatePopupMenu();
            AppendMenuItems(sub, item.items);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), FromCp1251(item.text).c_str());
        } else {
            AppendMenuW(menu, MF_STRING | (item.disabled ? MF_GRAYED : 0), item.id, FromCp1251(item.text).c_str());
        }
    }
}

HMENU FindSubMenuHolding(HMENU menu, UINT command)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
        if (HMENU sub = GetSubMenu(menu, i)) {
            for (int j = 0, m = GetMenuItemCount(sub); j < m; ++j)
                if (GetMenuItemID(sub, j) == command)
                    return sub;
            if (HMENU found = FindSubMenuHolding(sub, command))
                return found;
        }
    return nullptr;
}

std::wstring MenuItemText(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch += 1;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    text.resize(info.cch);
    return text;
}
