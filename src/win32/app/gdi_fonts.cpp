#include "win32/app/gdi_fonts.h"

#include "win32/app/text_conversion.h"

LOGFONTW ToLogFontW(const LogFont& font)
{
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWidth = font.width;
    lf.lfEscapement = font.escapement;
    lf.lfOrientation = font.orientation;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = font.charSet;
    lf.lfOutPrecision = font.outPrecision;
    lf.lfClipPrecision = font.clipPrecision;
    lf.lfQuality = font.quality;
    lf.lfPitchAndFamily = font.pitchAndFamily;
    const std::wstring face = FromCp1251(font.FaceName());
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return lf;
}

LogFont FromLogFontW(const LOGFONTW& lf)
{
    LogFont font;
    font.height = lf.lfHeight;
    font.width = lf.lfWidth;
    font.escapement = lf.lfEscapement;
    font.orientation = lf.lfOrientation;
    font.weight = lf.lfWeight;
    font.italic = lf.lfItalic;
    font.underline = lf.lfUnderline;
    font.strikeOut = lf.lfStrikeOut;
    font.charSet = lf.lfCharSet;
    font.outPrecision = lf.lfOutPrecision;
    font.clipPrecision = lf.lfClipPrecision;
    font.quality = lf.lfQuality;
    font.pitchAndFamily = lf.lfPitchAndFamily;
    font.SetFaceName(ToCp1251(lf.lfFaceName));
    return font;
}

int WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : LogFont::kDefaultDpi;
}

HFONT CreateFontFrom(const LogFont& font, int dpi)
{
    const LOGFONTW lf = ToLogFontW(font.AtDpi(dpi));
    return CreateFontIndirectW(&lf);
}

WidgetFont::~WidgetFont()
{
    if (m_made)
        DeleteObject(m_made);
}

void WidgetFont::Reset(const LogFont& font, int dpi)
{
    HFONT made = font.FaceName().empty() ? nullptr : CreateFontFrom(font, dpi);
    if (m_made)
        DeleteObject(m_made);
    m_made = made;
}

HFONT WidgetFont::Get() const
{
    return m_made ? m_made : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
