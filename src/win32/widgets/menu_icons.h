#pragma once

#include <windows.h>

#include <map>

// The toolbar's images beside menu items: bitmap 1115 for the toolbar's
// commands, 1009 for the two language commands, 158 for the output
// window's commands; grey 0xC0C0C0 is transparent.
class MenuIcons {
public:
    MenuIcons();
    ~MenuIcons();
    MenuIcons(const MenuIcons&) = delete;
    MenuIcons& operator=(const MenuIcons&) = delete;

    // Puts the icons beside the menu's items, in its sub-menus too.
    void Apply(HMENU menu) const;

private:
    void AddStrip(int bitmap, const int* commands, int count);

    std::map<int, HBITMAP> m_icons;
};
