#include "win32/app/common_pickers.h"

#include "win32/app/gdi_fonts.h"

#include <commdlg.h>

std::optional<std::uint32_t> PickColourFromSystem(HWND owner, std::uint32_t colour)
{
    static COLORREF custom[16] = {}; // the dialog's own row, kept while the program runs
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = colour;
    choice.lpCustColors = custom;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choice))
        return std::nullopt;
    return choice.rgbResult;
}

std::optional<LogFont> PickFontFromSystem(HWND owner, const LogFont& font)
{
    // The dialog shows sizes of the screen it is on; the settings keep them
    // for 96 DPI.
    const int dpi = WindowDpi(owner);
    LOGFONTW chosen = ToLogFontW(font.AtDpi(dpi));
    CHOOSEFONTW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = &chosen;
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontW(&choice))
        return std::nullopt;
    return FromLogFontW(chosen).FromDpi(dpi);
}
