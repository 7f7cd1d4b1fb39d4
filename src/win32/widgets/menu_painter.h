#pragma once

#include "core/platform/log_font.h"
#include "win32/app/gdi_fonts.h"

#include <windows.h>
#include <commctrl.h>

#include <map>

// Draws the items of the program's pop-up menus: in the interface font, with
// the toolbar's images beside their commands (bitmap 1115 for the toolbar's
// commands, 1009 for the two language commands, 158 for the output window's
// commands; grey 0xC0C0C0 is transparent), check marks, accelerator texts
// and the disabled look. The items keep their texts; the menu bars stay as
// the system draws them.
class MenuPainter {
public:
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;

    explicit MenuPainter(const LogFont& font);
    ~MenuPainter();
    MenuPainter(const MenuPainter&) = delete;
    MenuPainter& operator=(const MenuPainter&) = delete;

    // Makes the items of a pop-up (of every pop-up of a bar) drawn here;
    // items added later need the call again (the frame makes it whenever a
    // pop-up opens).
    void Apply(HMENU menu, bool bar = false) const;
    // Items are measured and drawn in `font` from now on, sized for `dpi`.
    void SetFont(const LogFont& font, int dpi)
    {
        m_font.Reset(font, dpi);
        m_dpi = dpi;
    }
    HFONT Font() const { return m_font.Get(); }
    // WM_MEASUREITEM and WM_DRAWITEM of menus; false when not a menu's.
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;
    // The item whose "&" letter is `key`: the system knows no letters of
    // items it does not draw, so WM_MENUCHAR asks here. -1 for none.
    static int ItemOfMnemonic(HMENU menu, wchar_t key);

private:
    void AddStrip(int bitmap, const int* commands, int count);
    int ImageOf(UINT command) const;

    WidgetFont m_font;
    int m_dpi; // the columns and gaps are sized for it
    HIMAGELIST m_images = nullptr;
    std::map<int, int> m_index; // command -> image
};
