#pragma once

#include "win32/app/common_pickers.h"
#include "win32/dialogs/preferences_window.h"

struct AppSettings;

// The Colors and Fonts pages edit the draft's colour table and fonts, the
// window's working copies; the frame takes them over after OK.
std::unique_ptr<PreferencePage> MakeColorsPage(const DialogEnvironment& environment, AppSettings& draft,
                                               const PreferencePickers& pickers);
std::unique_ptr<PreferencePage> MakeFontsPage(const DialogEnvironment& environment, AppSettings& draft,
                                              const PreferencePickers& pickers);
