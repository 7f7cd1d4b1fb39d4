#pragma once

#include "core/platform/log_font.h"
#include "win32/app/file_dialogs.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

// The system's colour and font dialogs, which the Colors and Fonts pages
// open, and the file dialog of the list pages; a test may put others in
// their place. None on Cancel.
std::optional<std::uint32_t> PickColourFromSystem(HWND owner, std::uint32_t colour);
std::optional<LogFont> PickFontFromSystem(HWND owner, const LogFont& font);

struct PreferencePickers {
    std::function<std::optional<std::uint32_t>(HWND owner, std::uint32_t colour)> colour = PickColourFromSystem;
    std::function<std::optional<LogFont>(HWND owner, const LogFont& font)> font = PickFontFromSystem;
    // An existing file of the types of `filter` ("Text|*.txt|All|*.*|").
    std::function<std::optional<std::string>(HWND owner, const std::string& filter, const wchar_t* extension)> file =
        ChooseExistingFile;
};
