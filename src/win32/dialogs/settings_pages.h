#pragma once

#include "core/app/preferences.h"
#include "win32/dialogs/preferences_window.h"

class FileSystem;
class ProfileStore;
class SettingsEnvironment;
struct AppSettings;

// What the settings pages edit and where their OK writes it.
struct SettingsPageContext {
    AppSettings& draft;
    AppSettings& live;
    ProfileStore& store;
    SettingsEnvironment& environment;
    FileSystem& files;
    std::string programDir; // ends with a backslash
};

// A page of plain settings; it reads the draft as it opens.
std::unique_ptr<PreferencePage> MakeSettingsPage(SettingsPage page, const DialogEnvironment& environment,
                                                 SettingsPageContext& context);
