#pragma once

#include "win32/dialogs/preferences_window.h"

class ProfileStore;
struct AppSettings;

// The Printing page: header, footer, separators and margins ("Print"). The
// buttons beside the templates open the menu of &-codes; OK writes the
// section.
// The menu of &-codes, item i + 1 for code i; the caller destroys it.
HMENU CreateTemplateCodeMenu(const InterfaceStrings& strings);
std::unique_ptr<PreferencePage> MakePrintingPage(const DialogEnvironment& environment, AppSettings& live,
                                                 ProfileStore& store);
