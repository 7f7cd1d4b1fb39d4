#include "win32/widgets/menu_icons.h"

#include "win32/res/resource.h"
#include "win32/res/toolbar_buttons.h"

namespace {

constexpr COLORREF kTransparent = RGB(192, 192, 192);

} // namespace

MenuIcons::MenuIcons()
{
    m_images = ImageList_Create(kWidth, kHeight, ILC_COLOR24 | ILC_MASK, 50, 0);
    AddStrip(IDB_TOOLBAR_SMALL, kToolbarCommands, static_cast<int>(std::size(kToolbarCommands)));
    static constexpr int kLanguages[] = {ID_LANGUAGE_ENGLISH, ID_LANGUAGE_RUSSIAN};
    AddStrip(IDB_LANGUAGE_ICONS, kLanguages, 2);
    static constexpr int kOutput[] = {ID_OUTPUT_COPY, ID_OUTPUT_SAVE, ID_OUTPUT_CLEAR};
    AddStrip(IDB_OUTPUT_ICONS, kOutput, 3);
}

MenuIcons::~MenuIcons()
{
    if (m_images)
        ImageList_Destroy(m_images);
}

// The strip's first `count` images; a strip may hold more.
void MenuIcons::AddStrip(int bitmap, const int* commands, int count)
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

void MenuIcons::Apply(HMENU menu) const
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            Apply(sub);
            continue;
        }
        if (!m_index.count(static_cast<int>(GetMenuItemID(menu, i))))
            continue;
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    }
}

bool MenuIcons::Measure(MEASUREITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU || !m_index.count(static_cast<int>(item.itemID)))
        return false;
    item.itemWidth = kWidth;
    item.itemHeight = kHeight;
    return true;
}

bool MenuIcons::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU)
        return false;
    const auto found = m_index.find(static_cast<int>(item.itemID));
    if (found == m_index.end())
        return false;
    const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kHeight) / 2;
    const UINT style = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) ? ILD_TRANSPARENT | ILD_BLEND50 : ILD_TRANSPARENT;
    ImageList_Draw(m_images, found->second, item.hDC, item.rcItem.left, y, style);
    return true;
}
