#pragma once

#include "core/platform/view_host.h"

#include <windows.h>

// Paints through a device context with the view's font selected.
class GdiSurface : public Surface {
public:
    GdiSurface(HDC dc, HFONT font);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void FillRect(const Rect& rect, std::uint32_t color) override;
    void DrawCells(int x, int y, std::string_view cp1251, std::uint32_t textColor, std::uint32_t backColor) override;
    void DrawIcon(int x, int y, const PanelIcons& icons, PanelIcon icon) override;

protected:
    HDC m_dc;

private:
    HGDIOBJ m_oldFont;
};

// A window's client-area device context, released when it goes.
struct WindowDc {
    explicit WindowDc(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window, dc); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HWND window;
    HDC dc;
};

// A surface on a window's client area: the context outlives the surface.
class WindowSurface : private WindowDc, public GdiSurface {
public:
    WindowSurface(HWND window, HFONT font) : WindowDc(window), GdiSurface(WindowDc::dc, font) {}
};
