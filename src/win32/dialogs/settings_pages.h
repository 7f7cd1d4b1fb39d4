#pragma once

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

// The pages of plain settings; each reads the draft as it opens.
std::unique_ptr<PreferencePage> MakeGeneralPage(const DialogEnvironment& environment, SettingsPageContext& context);
std::unique_ptr<PreferencePage> MakeSavePage(const DialogEnvironment& environment, SettingsPageContext& context);
std::unique_ptr<PreferencePage> MakeInputPage(const DialogEnvironment& environment, SettingsPageContext& context);
std::unique_ptr<PreferencePage> MakeLanguagesPage(const DialogEnvironment& environment, SettingsPageContext& context);
std::unique_ptr<PreferencePage> MakeOtherPage(const DialogEnvironment& environment, SettingsPageContext& context);
