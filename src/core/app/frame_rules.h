#pragma once

#include "core/doc/doc_strings.h"
#include "core/platform/geometry.h"
#include "core/settings/app_settings.h"
#include "core/text/unicode_text.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The main frame's decisions that do not need a window.

// Where the caret of the active view is (0-based line and column).
struct CaretInfo {
    std::uint32_t line = 0;
    std::uint32_t lines = 1;
    std::uint32_t column = 0;
    std::uint32_t codePage = CP_WIN; // the view's, 0..4
    UnicodeForm stored = UnicodeForm::None; // how the document's file stores it
    std::string note{};                     // shown after the position: why the text is read-only
};

// The status bar's panes 7000, 7001, 7002 (with its enabled state and the
// image of bitmap 1009 beside it), 7003 (a string id, or the name of the
// Unicode form a file is stored in) and 59140.
struct StatusTexts {
    std::string position;
    std::string percent;
    std::string language;
    bool languageEnabled = false;
    int languageImage = 0;
    std::uint32_t codePageString = 0;
    std::string unicodeName; // shown instead of the code page when not empty
    std::string insertMode;
};
// The texts come in the interface language.
StatusTexts ComputeStatusTexts(const std::optional<CaretInfo>& caret, const AppSettings& settings,
                               const StringLookup& strings);

// Ctrl+Num+ and Ctrl+Num- on a LOGFONT height: a negative (character)
// height moves by 1, a zero or positive (cell) height by 2.
int LargerFontHeight(int height);
int SmallerFontHeight(int height);

// The system's measures the stored frame position is clamped to.
struct ScreenMetrics {
    Rect workArea;
    int screenWidth = 0, screenHeight = 0;
    int iconWidth = 32, iconHeight = 32;
};
// The frame's rectangle from "WinPos" (work-area coordinates), its top-left
// corner kept at least an icon's size inside the screen's right and bottom.
Rect FrameRectFromPlacement(const WindowPlacement& placement, const ScreenMetrics& screen);

// Where a new document window goes, in the client area's coordinates
// (status as a window placement's: 1 normal, 2 minimized, 3 maximized). The
// first takes its stored placement, but a normal rectangle that is still the
// fresh profile's, empty or outside the area gives way to the cascade's first. Later
// windows open maximized beside a maximized active one; otherwise one cascade
// step (`step` pixels right and down) after the windows open, three quarters
// of the area in size, starting again at the top-left before leaving it.
inline constexpr int kPlacementNormal = 1;
inline constexpr int kPlacementMinimized = 2;
inline constexpr int kPlacementMaximized = 3;
WindowPlacement NewChildPlacement(const std::optional<WindowPlacement>& stored, bool activeMaximized,
                                  int openWindows, const Rect& client, int step);

// A file tab's text colour (0x00BBGGRR).
std::uint32_t FileTabColour(bool encrypted, bool modified);

// A toolbar button's tooltip: a loaded clip library's name (80 characters
// at most), else the interface string, else the resource string (both
// "prompt\ntip": the tip part), else nothing.
std::optional<std::string> ToolbarTooltip(int command, const std::string& clipLibraryName,
                                          const StringLookup& interfaceString, const StringLookup& resourceString);
// A button's name on the Toolbar page: "Clip library %d" (1..10) for the
// clip-library slots, else its tooltip without a library.
std::string ToolbarButtonName(int command, const StringLookup& interfaceString, const StringLookup& resourceString);
