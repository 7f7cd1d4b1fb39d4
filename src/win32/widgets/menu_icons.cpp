#include "win32/widgets/menu_icons.h"

#include "win32/res/resource.h"
#include "win32/res/toolbar_buttons.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;
constexpr std::uint32_t kTransparent = 0xC0C0C0;

// A 32-bit top-down bitmap with premultiplied alpha, as menus draw them.
HBITMAP AlphaImage(const std::uint32_t* strip, int stripWidth, int index)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP image = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!image)
        return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t pixel = strip[y * stripWidth + index * kWidth + x] & 0xFFFFFF;
            out[y * kWidth + x] = pixel == kTransparent ? 0 : (pixel | 0xFF000000u);
        }
    return image;
}

} // namespace

MenuIcons::MenuIcons()
{
    AddStrip(IDB_TOOLBAR_SMALL, kToolbarCommands, static_cast<int>(std::size(kToolbarCommands)));
    static constexpr int kLanguages[] = {ID_LANGUAGE_ENGLISH, ID_LANGUAGE_RUSSIAN};
    AddStrip(IDB_LANGUAGE_ICONS, kLanguages, 2);
    static constexpr int kOutput[] = {ID_OUTPUT_COPY, ID_OUTPUT_SAVE, ID_OUTPUT_CLEAR};
    AddStrip(IDB_OUTPUT_ICONS, kOutput, 3);
}

MenuIcons::~MenuIcons()
{
    for (const auto& [command, image] : m_icons)
        DeleteObject(image);
}

void MenuIcons::AddStrip(int bitmap, const int* commands, int count)
{
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        return;
    const int stripWidth = kWidth * count;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = stripWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(stripWidth * kHeight));
    HDC dc = GetDC(nullptr);
    const bool read = GetDIBits(dc, strip, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS) == kHeight;
    ReleaseDC(nullptr, dc);
    DeleteObject(strip);
    if (!read)
        return;
    for (int i = 0; i < count; ++i)
        if (HBITMAP image = AlphaImage(pixels.data(), stripWidth, i))
            m_icons[commands[i]] = image;
}

void MenuIcons::Apply(HMENU menu) const
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            Apply(sub);
            continue;
        }
        const auto icon = m_icons.find(static_cast<int>(GetMenuItemID(menu, i)));
        if (icon == m_icons.end())
            continue;
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = icon->second;
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    }
}
