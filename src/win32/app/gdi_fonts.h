#pragma once

#include "core/platform/log_font.h"

#include <windows.h>

// A stored font record as GDI takes it, and back.
LOGFONTW ToLogFontW(const LogFont& font);
LogFont FromLogFontW(const LOGFONTW& font);

// A GDI font from a stored font record; the caller deletes it.
HFONT CreateFontFrom(const LogFont& font);

// A widget's font: made from a stored record, or the system's GUI font for
// a record without a face name; replaced by Reset, deleted with the owner.
class WidgetFont {
public:
    explicit WidgetFont(const LogFont& font) { Reset(font); }
    ~WidgetFont();
    WidgetFont(const WidgetFont&) = delete;
    WidgetFont& operator=(const WidgetFont&) = delete;
    void Reset(const LogFont& font);
    HFONT Get() const;

private:
    HFONT m_made = nullptr;
};
