#pragma once

#include "core/platform/log_font.h"

#include <windows.h>

// A GDI font from a stored font record; the caller deletes it.
HFONT CreateFontFrom(const LogFont& font);
