#pragma once

#include "core/doc/doc_strings.h"
#include "core/platform/classes_registry.h"
#include "core/platform/file_system.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The editor in the Windows shell: the opener of chosen extensions, the
// "Open with Noveda" item of the shell extension, and the launcher put in
// place of the system's Notepad.

inline constexpr char kContextMenuHandlerKey[] = "*\\shellex\\ContextMenuHandlers\\Noveda";
inline constexpr char kContextMenuHandlerClass[] = "{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}";

// The Shell page's extension groups, in the order of their check boxes.
inline constexpr std::size_t kExtensionGroupCount = 8;
inline constexpr std::array<const char*, kExtensionGroupCount> kExtensionGroups{
    "txt", "htm html shtml", "h hpp c cpp", "pas", "tex", "rus", "koi", "pl pm"};

inline constexpr DocString kContextItemUnchanged{5062, "The \"Open with Noveda\" item could not be changed."};
inline constexpr DocString kNotepadUnchanged{
    5063, "Notepad in %s could not be changed. The folder may need administrator rights."};
inline constexpr DocString kExtensionsNotRegistered{5064, "These extensions could not be registered: %s"};

struct ShellState {
    bool contextMenuItem = false;
    bool replaceNotepad = false;

    friend bool operator==(const ShellState&, const ShellState&) = default;
};

// Where the shell integration acts.
struct ShellPlaces {
    ClassesRegistry& registry;
    FileSystem& files;
    std::string windowsDir; // the "windir" folder, without a trailing separator
    std::string programDir; // ends with a separator
};

// What is in place now: the handler key has a value; the Windows folder
// holds Notepad moved aside.
ShellState ReadShellState(const ShellPlaces& places);

// The extensions of the checked groups, then those of `custom`, blank separated.
std::string CheckedExtensions(const std::array<bool, kExtensionGroupCount>& groups, const std::string& custom);

// Makes the editor the opener of each extension of a blank-separated list
// (a leading dot is allowed): the extension's file type, existing or
// ".extfile", gets the editor's open command and icon. Returns those that
// could not be registered, unsafe names among them.
std::vector<std::string> RegisterExtensions(const ShellPlaces& places, std::string_view list);

// The messages of changes that did not happen, in the interface language's
// ids, with their folder already in place of %s.
struct ShellMessage {
    DocString text;
    std::string argument; // for %s, empty when none
};

// Carries out the changes from `before` to `wanted` and checks what
// happened: one message per change that did not take.
std::vector<ShellMessage> ApplyShellState(const ShellPlaces& places, const ShellState& before,
                                          const ShellState& wanted);
