#pragma once

#include "win32/dialogs/preferences_window.h"

class FileSystem;

// The Shell page: the extensions the editor opens (registered at once by
// "Register"), the "Open with Noveda" item and the Notepad replacement
// (changed by OK, then checked; what did not take is said).
std::unique_ptr<PreferencePage> MakeShellPage(const DialogEnvironment& environment, FileSystem& files,
                                              const std::string& programDir);

// The "windir" folder the Notepad replacement works in.
std::string WindowsDirectory();
