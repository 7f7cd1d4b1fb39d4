#pragma once

#include "core/doc/doc_strings.h"
#include "core/settings/app_settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class FileSystem;
class ProfileStore;
class SettingsEnvironment;

inline constexpr DocString kRestartNeeded{5014, "CAUTION! Some changes you made require Noveda restart. "};
inline constexpr DocString kNoBackupFolder{
    5053, "The folder for BAK files does not exist:\n%s\nPlease choose an existing folder or another way to keep them."};

// The copy of the settings that the Preferences window edits; its pages
// change only this copy until OK. A TabSize chosen for the next start
// shows as chosen.
AppSettings PreferencesDraft(const AppSettings& live);

// The pages that edit plain values of the main sections.
enum class SettingsPage { General, Save, Input, Languages, Other };

// OK of one page: its values go from `draft` into `live` and the store.
// A new TabSize waits for the next start (open documents keep their tab
// cells laid for the running one); a TabSize or MRUmax change asks for the
// restart. IntSwitch is written only when the user changed it.
void CommitSettingsPage(SettingsPage page, ProfileStore& store, const AppSettings& draft, AppSettings& live);

// The Save page cannot close on "In user-defined directory" without an
// existing folder: every save would fail on its backup.
bool BackupFolderMissing(const AppSettings& draft, const SettingsEnvironment& env);

// The Save page's minutes: a stored 0 (no auto-save) shows as 10.
constexpr int AutoSaveMinutesShown(int autoSave)
{
    return autoSave > 0 ? autoSave : 10;
}

// OK of the Colors and Fonts pages: Colors, Font and OutFont are taken over
// and written each time, InterFnt only when it changed. True when it did.
bool CommitAppearance(ProfileStore& store, const AppSettings& draft, AppSettings& live);

// A row of the Colors page: its name (interface string) and the slots it
// edits, -1 where it has none.
struct ColorRow {
    std::uint32_t name;
    int textSlot;
    int backgroundSlot;
};
std::span<const ColorRow> ColorRows();

// An entry of the Languages page's lists: its label and the file it stands
// for (empty for none).
struct FileChoice {
    std::string label;
    std::string file;

    friend bool operator==(const FileChoice&, const FileChoice&) = default;
};

// `none` first, then a label for each of `names` (found in `folder`, which
// ends with a backslash), in the interface language: the shipped files have
// names of their own ("Russian layout"); any other is `kind` ("%s layout")
// filled with its name up to its first dot, the first letter upper-case.
std::vector<FileChoice> FileChoices(std::string none, const DocString& kind, const std::string& folder,
                                    const std::vector<std::string>& names, const StringLookup& strings);
// The names of the files in `folder` that end with `extension` (".kbd"), in
// any case, sorted; none when the folder cannot be read.
std::vector<std::string> FilesWithExtension(FileSystem& files, const std::string& folder, std::string_view extension);
// The index of `file` among the choices (paths compare without case); 0,
// the entry for none, when it is not there.
std::size_t ChoiceIndex(const std::vector<FileChoice>& choices, const std::string& file);

// The "Use Windows layout" box shows checked when IntSwitch is off, and also
// when there is no layout file to switch to.
constexpr bool WindowsLayoutShown(int intSwitch, bool layoutFilesExist)
{
    return intSwitch == 0 || !layoutFilesExist;
}

// What the program does again after OK, in this order.
class PreferencesTarget {
public:
    virtual ~PreferencesTarget() = default;
    virtual void ShowRestartMessage() = 0;
    virtual void ReloadClipLibraries() = 0;
    virtual void ReloadInterfaceLanguage() = 0;
    virtual void ReloadHighlightSchemes() = 0;
    virtual void ReloadKeyboardLayout() = 0;
    virtual void ReloadOpenSaveTypes() = 0;
    virtual void RestartAutoSaveTimer() = 0;
    virtual void ReloadTranslitTable() = 0;
    virtual void ReloadTools() = 0;
    virtual void RebuildToolbar() = 0;
    virtual void ApplyInterfaceFont() = 0;
    virtual void ApplyOutputLook() = 0;
    virtual void RecalculateLayout() = 0;
    // Every document's tool again, and its scheme too when `schemesChanged`
    // (a scheme the user chose for a document stays).
    virtual void ChooseFileTypesAgain(bool schemesChanged) = 0;
    virtual void UpdateViews() = 0;
};

struct PreferencesOutcome {
    bool restartNeeded = false;
    bool interfaceFontChanged = false;
    bool schemesChanged = false;
};
void ReapplyPreferences(PreferencesTarget& target, const PreferencesOutcome& outcome);
