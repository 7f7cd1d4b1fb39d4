#pragma once

#include "win32/app/common_pickers.h"
#include "win32/dialogs/preferences_window.h"

class ProfileStore;
struct AppSettings;

// The Clips page: the clip library files ("ClipLibs" "Libfile%d"); OK writes
// them in order and the frame loads the libraries again.
std::unique_ptr<PreferencePage> MakeClipsPage(const DialogEnvironment& environment, AppSettings& live,
                                              ProfileStore& store, const PreferencePickers& pickers);
