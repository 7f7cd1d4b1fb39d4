#pragma once

#include <windows.h>

struct AppSettings;

// Typing in the combo box's edit field follows the editor's own keyboard
// layout, as typing in a view does (F9). `settings` outlives the box.
void TypeThroughEditorLayout(HWND combo, const AppSettings& settings);
