#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>

// The toolbar's images beside menu items: bitmap 1115 for the toolbar's
// commands, 1009 for the two language commands, 158 for the output
// window's commands; grey 0xC0C0C0 is transparent. Menus ask the owner to
// measure and draw each image.
class MenuIcons {
public:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 15;

    MenuIcons();
    ~MenuIcons();
    MenuIcons(const MenuIcons&) = delete;
    MenuIcons& operator=(const MenuIcons&) = delete;

    // Puts the icons beside the menu's items, in its sub-menus too.
    void Apply(HMENU menu) const;
    // For WM_MEASUREITEM and WM_DRAWITEM of menus; false when the item is
    // not one of ours.
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    void AddStrip(int bitmap, const int* commands, int count);

    HIMAGELIST m_images = nullptr;
    std::map<int, int> m_index; // command -> image
};
