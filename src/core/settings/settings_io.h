#pragma once

#include "core/platform/settings_environment.h"
#include "core/settings/app_settings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ProfileStore;

// Sections "Editor", "View", "General" and "Find", in that order, then the
// tool table; notes whether the translit table file can be read. CreateBak 3
// without its CreatePath directory becomes 0 for this run; with StoryDir the
// current directory becomes PrevDirPath.
void LoadSettings(const ProfileStore& store, AppSettings& settings, SettingsEnvironment& env);

// Writes every value of "Editor", "View", "General" and "Find", as the
// preference pages do when OK is pressed.
void SaveSettings(ProfileStore& store, const AppSettings& settings);
// Copies the named values of those sections from `draft` into `live` and
// writes them: what a preference page does with its values on OK.
void TakeOverValues(ProfileStore& store, const AppSettings& draft, AppSettings& live,
                    std::span<const std::string_view> names);
// "View" "Colors": four bytes per slot, red first.
void SaveColors(ProfileStore& store, const ColorTable& colors);

// Takes a block only when it is present and exactly `size` bytes long.
std::optional<std::vector<std::uint8_t>> ReadBlock(const ProfileStore& store, const char* section, const char* name,
                                                   std::size_t size);

// "Extensions": Ext%d/DataFile%d until the first missing or empty Ext%d;
// "Default" clamped to the entries read.
void LoadHighlightSchemeEntries(const ProfileStore& store, AppSettings& settings);
void SaveHighlightSchemeEntries(ProfileStore& store, const AppSettings& settings);
// "OpenSave": the user's file types for the file dialogs.
void LoadOpenSaveTypes(const ProfileStore& store, AppSettings& settings);
void SaveOpenSaveTypes(ProfileStore& store, const AppSettings& settings);
void LoadClipLibraries(const ProfileStore& store, AppSettings& settings);
void SaveClipLibraries(ProfileStore& store, const AppSettings& settings);
// General "AutoSave"; AutoSaveActive tells whether its timer should run.
void LoadAutoSave(const ProfileStore& store, AppSettings& settings);
// "Execution": the tool table, extensions in lower case.
void LoadTools(const ProfileStore& store, AppSettings& settings);
void SaveTools(ProfileStore& store, const AppSettings& settings);
void LoadPrintSettings(const ProfileStore& store, AppSettings& settings);
void SavePrintSettings(ProfileStore& store, const AppSettings& settings);
void LoadJustifySettings(const ProfileStore& store, AppSettings& settings);
void SaveJustifySettings(ProfileStore& store, const AppSettings& settings);
void LoadFindInFilesHistory(const ProfileStore& store, AppSettings& settings);
void SaveFindInFilesHistory(ProfileStore& store, const AppSettings& settings);

// "MainToolBar": the button indexes (100 = separator). A missing or broken
// layout is replaced by the default one, which is written back.
struct ToolbarLayout {
    std::vector<std::uint8_t> buttons;
    int LargeButtons = 0;
};
constexpr std::uint8_t kToolbarSeparator = 100;
ToolbarLayout LoadToolbarLayout(ProfileStore& store);
void SaveToolbarLayout(ProfileStore& store, const ToolbarLayout& layout);

// "WinPos": the main frame's placement only when all five values are there;
// the first document window's placement with its defaults (maximized, a
// normal rectangle of 200 x 100 that only says nothing was stored yet).
inline constexpr WindowPlacement kFirstViewDefault{3, 0, 0, 100, 200};
std::optional<WindowPlacement> ReadFramePlacement(const ProfileStore& store);
WindowPlacement ReadFirstViewPlacement(const ProfileStore& store);

// What the frame knows when it closes.
struct ClosingState {
    WindowPlacement frame;
    std::optional<WindowPlacement> activeView; // none without a document window
    bool toolBarVisible = true;
    bool statusBarVisible = true;
    bool labelBarVisible = true;
};
void SaveSettingsAtClose(ProfileStore& store, const AppSettings& settings, const ClosingState& closing,
                         const SettingsEnvironment& env);
