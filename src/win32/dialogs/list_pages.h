#pragma once

#include "win32/app/common_pickers.h"
#include "win32/dialogs/preferences_window.h"

class ProfileStore;
struct AppSettings;

// The Clips page: the clip library files ("ClipLibs" "Libfile%d"); OK writes
// them in order and the frame loads the libraries again.
std::unique_ptr<PreferencePage> MakeClipsPage(const DialogEnvironment& environment, AppSettings& live,
                                              ProfileStore& store, const PreferencePickers& pickers);

// The Open box page: the types of the open and save dialogs ("OpenSave").
std::unique_ptr<PreferencePage> MakeOpenBoxPage(const DialogEnvironment& environment, AppSettings& live,
                                                ProfileStore& store);
// The Execute page: the tool table ("Execution"); the frame reloads it.
std::unique_ptr<PreferencePage> MakeExecutePage(const DialogEnvironment& environment, AppSettings& live,
                                                ProfileStore& store);
// The Highlight page: the highlight schemes' files and extensions
// ("Extensions"); OK sets `schemesChanged`.
std::unique_ptr<PreferencePage> MakeHighlightPage(const DialogEnvironment& environment, AppSettings& live,
                                                  ProfileStore& store, const PreferencePickers& pickers,
                                                  bool& schemesChanged);
