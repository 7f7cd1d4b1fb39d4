#include "win32/widgets/menu_painter.h"

#include "win32/app/gdi_fonts.h"
#include "win32/app/menu_conversion.h"
#include "win32/res/resource.h"
#include "win32/res/toolbar_buttons.h"

#include <string>

namespace {

constexpr COLORREF kTransparent = RGB(192, 192, 192);
constexpr int kImageColumn = 24; // the image (or check mark) and its margins
constexpr int kAcceleratorGap = 24;
constexpr int kArrowRoom = 16; // the system draws the sub-menu arrow there
constexpr int kMinHeight = 19;

// The item of `menu` that a measure or draw request names: commands by
// their id, sub-menus by their handle.
std::wstring ItemText(HMENU menu, UINT itemId)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (GetMenuItemID(menu, i) == itemId || reinterpret_cast<UINT_PTR>(GetSubMenu(menu, i)) == itemId)
            return MenuItemText(menu, i);
    }
    return {};
}

} // namespace

MenuPainter::MenuPainter(const LogFont& font) : m_font(font, WindowDpi(nullptr)), m_dpi(WindowDpi(nullptr))
{
    m_images = ImageList_Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, 50, 0);
    AddStrip(IDB_TOOLBAR_SMALL, kToolbarCommands, static_cast<int>(std::size(kToolbarCommands)));
    static constexpr int kLanguages[] = {ID_LANGUAGE_ENGLISH, ID_LANGUAGE_RUSSIAN};
    AddStrip(IDB_LANGUAGE_ICONS, kLanguages, 2);
    static constexpr int kOutput[] = {ID_OUTPUT_COPY, ID_OUTPUT_SAVE, ID_OUTPUT_CLEAR};
    AddStrip(IDB_OUTPUT_ICONS, kOutput, 3);
}

MenuPainter::~MenuPainter()
{
    if (m_images)
        ImageList_Destroy(m_images);
}

// The strip's first `count` images; a strip may hold more.
void MenuPainter::AddStrip(int bitmap, const int* commands, int count)
{
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        return;
    const int first = ImageList_AddMasked(m_images, strip, kTransparent);
    DeleteObject(strip);
    if (first < 0)
        return;
    for (int i = 0; i < count; ++i)
        m_index[commands[i]] = first + i;
}

int MenuPainter::ImageOf(UINT command) const
{
    const auto found = m_index.find(static_cast<int>(command));
    return found == m_index.end() ? -1 : found->second;
}

void MenuPainter::Apply(HMENU menu, bool bar) const
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.hSubMenu)
            Apply(info.hSubMenu);
        if (bar || (info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)))
            continue;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.fType |= MFT_OWNERDRAW;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(menu); // where to find the item's text
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
}

bool MenuPainter::Measure(MEASUREITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU || !item.itemData)
        return false;
    const std::wstring text = ItemText(reinterpret_cast<HMENU>(item.itemData), item.itemID);
    const std::size_t tab = text.find(L'\t');
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, m_font.Get());
    RECT label{}, accelerator{};
    DrawTextW(dc, text.substr(0, tab).c_str(), -1, &label, DT_SINGLELINE | DT_CALCRECT);
    if (tab != std::wstring::npos)
        DrawTextW(dc, text.substr(tab + 1).c_str(), -1, &accelerator, DT_SINGLELINE | DT_CALCRECT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int accelerators = tab == std::wstring::npos ? 0 : ScaledForDpi(kAcceleratorGap, m_dpi) + accelerator.right;
    item.itemWidth = static_cast<UINT>(ScaledForDpi(kImageColumn, m_dpi) + label.right +
                                       ScaledForDpi(kArrowRoom, m_dpi) + accelerators);
    item.itemHeight = static_cast<UINT>(std::max<LONG>(ScaledForDpi(kMinHeight, m_dpi), metrics.tmHeight + 6));
    return true;
}

bool MenuPainter::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU || !item.itemData)
        return false;
    const std::wstring text = ItemText(reinterpret_cast<HMENU>(item.itemData), item.itemID);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

    RECT column{r.left, r.top, r.left + ScaledForDpi(kImageColumn, m_dpi), r.bottom};
    const int image = ImageOf(item.itemID);
    if (image >= 0) {
        const int x = column.left + (ScaledForDpi(kImageColumn, m_dpi) - kImageWidth) / 2;
        const int y = column.top + (column.bottom - column.top - kImageHeight) / 2;
        if (item.itemState & ODS_CHECKED) {
            RECT frame{x - 2, y - 2, x + kImageWidth + 2, y + kImageHeight + 2};
            DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        }
        ImageList_Draw(m_images, image, dc, x, y, grayed ? ILD_TRANSPARENT | ILD_BLEND50 : ILD_TRANSPARENT);
    } else if (item.itemState & ODS_CHECKED) {
        RECT mark{column.left + 4, column.top + 2, column.right - 4, column.bottom - 2};
        DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
    }

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    HGDIOBJ old = SelectObject(dc, m_font.Get());
    RECT textRect{column.right, r.top, r.right - ScaledForDpi(kArrowRoom, m_dpi), r.bottom};
    const UINT format = DT_SINGLELINE | DT_VCENTER | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    const std::size_t tab = text.find(L'\t');
    DrawTextW(dc, text.substr(0, tab).c_str(), -1, &textRect, format | DT_LEFT);
    if (tab != std::wstring::npos)
        DrawTextW(dc, text.substr(tab + 1).c_str(), -1, &textRect, format | DT_RIGHT | DT_NOPREFIX);
    SelectObject(dc, old);
    return true;
}

int MenuPainter::ItemOfMnemonic(HMENU menu, wchar_t key)
{
    const auto upper = [](wchar_t c) { return reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))); };
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        const std::wstring text = MenuItemText(menu, i);
        for (std::size_t at = text.find(L'&'); at != std::wstring::npos && at + 1 < text.size();
             at = text.find(L'&', at + 2)) {
            if (text[at + 1] == L'&')
                continue; // "&&" is an ampersand
            if (upper(text[at + 1]) == upper(key))
                return i;
            break;
        }
    }
    return -1;
}
