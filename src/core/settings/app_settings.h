#pragma once

#include "core/platform/log_font.h"
#include "core/settings/favorites.h"
#include "core/text/code_pages.h"
#include "core/text/keyboard_layout.h"
#include "core/text/translit.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Colour slots (0x00BBGGRR) used by painting, printing and HTML export.
enum ColorSlot : int {
    COLOR_TEXT = 0,
    COLOR_KEYWORD1 = 1, // .. 6 for keyword group 6
    COLOR_LINK = 7,
    COLOR_NORMAL_BACKGROUND = 8,
    COLOR_INFO_BACKGROUND = 9,
    COLOR_STRING = 10,
    COLOR_DELIMITER = 11,
    COLOR_COMMENT = 12,
    COLOR_SELECTION_BACKGROUND = 13,
    COLOR_SELECTION_TEXT = 14,
    COLOR_BOOKMARK_BACKGROUND = 15,
    COLOR_INFO_TEXT = 16,
    COLOR_OUTPUT_BACKGROUND = 17,
    COLOR_OUTPUT_TEXT = 18,
    COLOR_SLOT_COUNT = 19,
};
using ColorTable = std::array<std::uint32_t, COLOR_SLOT_COUNT>;
ColorTable DefaultColors();

// One highlight scheme entry of section "Extensions": its extensions,
// separated by blanks, and its highlight file.
struct SchemeEntry {
    std::string extensions;
    std::string dataFile;

    friend bool operator==(const SchemeEntry&, const SchemeEntry&) = default;
};

// One file type of the open and save dialogs (section "OpenSave").
struct FileType {
    std::string description;
    std::string patterns; // separated by semicolons

    friend bool operator==(const FileType&, const FileType&) = default;
};

// One tool of section "Execution".
struct ToolEntry {
    std::string extensions; // lower case, separated by blanks
    std::string cmdLine;    // "&f" stands for the document's path
    int capture = 1;

    friend bool operator==(const ToolEntry&, const ToolEntry&) = default;
};

struct PrintSettings {
    int PrintHeader = 1;
    int PrintFooter = 1;
    int DrawLine = 1;
    int SwapAlignment = 0;
    int Left = 10, Top = 10, Right = 10, Bottom = 10; // millimetres
    std::string Header = "&L&f&R&d";
    std::string Footer = "Page &p of &P";

    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

struct JustifySettings {
    int Mode = 3;
    int Left = 2;
    int Right = 72;
    int NewLineIndent = 6;
    int NewLine = 1;

    friend bool operator==(const JustifySettings&, const JustifySettings&) = default;
};

// A window's placement: show state and its normal rectangle.
struct WindowPlacement {
    int status = 0;
    int top = 0, left = 0, bottom = 0, right = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

constexpr int kClipLibrarySlots = 10;
constexpr int kFindInFilesHistory = 10;

// CreateBak: where a save puts the file it replaces.
enum BackupMode : std::uint8_t {
    BACKUP_NONE = 0,
    BACKUP_BESIDE = 1,          // name.bak in the file's folder
    BACKUP_TO_RECYCLE_BIN = 2,  // name.bak, then to the Recycle Bin
    BACKUP_IN_FOLDER = 3,       // name.bak in CreatePath
};

// EscMode: what Esc does once no completion list is open.
enum EscAction : std::uint8_t {
    ESC_DROPS_SELECTION = 0,
    ESC_CLOSES_PROGRAM = 1,
    ESC_MINIMIZES = 2,
    ESC_HIDES_OUTPUT = 3,
};

// The one settings record, mirrored from the registry. Fields carry the
// registry value names of their sections.
struct AppSettings {
    // Editor
    std::uint8_t WrapMode = 2;
    int WrapOn = 1;
    std::uint8_t WrapByPosition = 80;
    int InsMode = 1;
    int PersistentBlocks = 0;
    int InputEraseSelect = 1;
    std::uint8_t TabSize = 4;
    int AutoIndent = 1;
    int AutoBracket = 0;
    int FillTabs = 0;

    // View
    int ShowTabs = 0;
    std::uint8_t InfoMode = 0;
    std::uint8_t Encoding = CP_WIN; // code page id 0..4, 5 = detect
    ColorTable Colors = DefaultColors();
    LogFont Font = DefaultTextFont();
    LogFont InterFnt;
    LogFont OutFont;

    // General
    std::string DefaultExt = "txt";
    std::string TagChars = "<>";
    int DisableAuto = 0;
    int AutoClipbrd = 1;
    int IntSwitch = 1;
    int MouseMenu = 1;
    int ToTray = 0;
    std::uint8_t Language = 0;
    std::uint8_t EscMode = ESC_HIDES_OUTPUT;
    std::uint8_t CreateBak = BACKUP_TO_RECYCLE_BIN;
    std::string CreatePath;
    int StoryDir = 1;
    std::string PrevDirPath;
    int MRUmax = 4;
    int AutoSave = 0;
    std::string InterfaceFile;
    std::string KbdLayoutFile;
    std::string TranslitTableFile;
    int ConvertTo = -1;

    // Find
    int MatchCase = 1;
    int MatchWhole = 0;
    int RegExpr = 0;
    int Recurcive = 1;
    int Direction = 1;
    int Where = 1;

    // Extensions: the schemes after "Plain text", and "Default", the scheme
    // of files whose extension no scheme lists.
    std::vector<SchemeEntry> schemeEntries;
    int DefaultScheme = 0;

    std::vector<FileType> openSaveTypes;
    std::array<std::string, kClipLibrarySlots> Libfile;
    std::vector<ToolEntry> tools;
    PrintSettings print;
    JustifySettings justify;
    std::vector<std::string> findMasks; // newest first
    std::vector<std::string> findDirs;
    std::vector<Favorite> favorites;
    KeyboardLayout keyboard;
    TranslitTable translit;

    // Run-time only, never stored.
    int RestartNeeded = 0;
    int FavoritesChanged = 0;
    int AutoSaveActive = 0;
    std::uint8_t TabSizeAtRestart = 0; // chosen in the Preferences, in effect from the next start

    friend bool operator==(const AppSettings&, const AppSettings&) = default;
};
