#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system's folder browser, opened at `start` (cp1251), with its caption
// and the text above its tree; the chosen folder, none on Cancel.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& caption, const std::string& prompt,
                                           const std::string& start);
