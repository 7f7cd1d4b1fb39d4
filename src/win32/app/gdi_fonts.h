#pragma once

#include "core/platform/log_font.h"

#include <windows.h>

// A stored font record as GDI takes it, and back.
LOGFONTW ToLogFontW(const LogFont& font);
LogFont FromLogFontW(const LOGFONTW& font);

// The dots per inch of the screen a window is on (the system's where
// Windows cannot say per window).
int WindowDpi(HWND window);
// `value` pixels of a 96-DPI screen on one of `dpi`.
inline int ScaledForDpi(int value, int dpi)
{
    return MulDiv(value, dpi, LogFont::kDefaultDpi);
}

// A GDI font from a stored font record for a screen of `dpi`; the caller
// deletes it.
HFONT CreateFontFrom(const LogFont& font, int dpi);

// A widget's font: made from a stored record, or the system's GUI font for
// a record without a face name; replaced by Reset, deleted with the owner.
class WidgetFont {
public:
    WidgetFont(const LogFont& font, int dpi) { Reset(font, dpi); }
    ~WidgetFont();
    WidgetFont(const WidgetFont&) = delete;
    WidgetFont& operator=(const WidgetFont&) = delete;
    void Reset(const LogFont& font, int dpi);
    HFONT Get() const;

private:
    HFONT m_made = nullptr;
};
