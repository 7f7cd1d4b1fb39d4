#include "win32/app/gdi_fonts.h"

#include "win32/app/text_conversion.h"

HFONT CreateFontFrom(const LogFont& font)
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
    return CreateFontIndirectW(&lf);
}
