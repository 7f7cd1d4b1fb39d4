#include "win32/view/gdi_surface.h"

#include "win32/app/text_conversion.h"

GdiSurface::GdiSurface(HDC dc, HFONT font) : m_dc(dc), m_oldFont(SelectObject(dc, font))
{
    SetBkMode(m_dc, OPAQUE);
}

GdiSurface::~GdiSurface()
{
    SelectObject(m_dc, m_oldFont);
}

void GdiSurface::FillRect(const Rect& rect, std::uint32_t color)
{
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    SetBkColor(m_dc, color);
    ExtTextOutW(m_dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void GdiSurface::DrawCells(int x, int y, std::string_view cp1251, std::uint32_t textColor, std::uint32_t backColor)
{
    const std::wstring text = FromCp1251(cp1251);
    SetTextColor(m_dc, textColor);
    SetBkColor(m_dc, backColor);
    ExtTextOutW(m_dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void GdiSurface::DrawIcon(int x, int y, const PanelIcons& icons, PanelIcon icon)
{
    FillRect({x, y, x + icons.size, y + icons.size}, icons.panelColor);
    if (icon == PanelIcon::Bookmark) {
        HBRUSH brush = CreateSolidBrush(icons.bookmarkColor);
        HGDIOBJ oldBrush = SelectObject(m_dc, brush);
        HGDIOBJ oldPen = SelectObject(m_dc, GetStockObject(NULL_PEN));
        Ellipse(m_dc, x, y, x + icons.size + 1, y + icons.size + 1);
        SelectObject(m_dc, oldPen);
        SelectObject(m_dc, oldBrush);
        DeleteObject(brush);
        return;
    }
    SetBkMode(m_dc, TRANSPARENT);
    DrawCells(x + icons.glyphX, y + icons.glyphY, std::string_view(&icons.glyph, 1), icons.glyphColor, icons.panelColor);
    SetBkMode(m_dc, OPAQUE);
}
