#pragma once

#include "core/platform/log_font.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

// The system's colour and font dialogs, which the Colors and Fonts pages
// open; a test may put others in their place. None on Cancel.
std::optional<std::uint32_t> PickColourFromSystem(HWND owner, std::uint32_t colour);
std::optional<LogFont> PickFontFromSystem(HWND owner, const LogFont& font);

struct AppearancePickers {
    std::function<std::optional<std::uint32_t>(HWND owner, std::uint32_t colour)> colour = PickColourFromSystem;
    std::function<std::optional<LogFont>(HWND owner, const LogFont& font)> font = PickFontFromSystem;
};
