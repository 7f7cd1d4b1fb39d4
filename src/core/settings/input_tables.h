#pragma once

#include "core/settings/app_settings.h"

class ProfileStore;
class Prompts;

// Loads General "KbdLayoutFile" into the keyboard layout. A file that cannot
// be read is reported and the setting written back empty, so that the next
// start is silent.
void LoadKeyboardLayoutFile(ProfileStore& store, AppSettings& settings, Prompts& prompts);

// What a typed character (cp1251) becomes: the editor's own layout maps it
// while F9 has it on, unless Windows' own layout was chosen instead.
std::uint8_t TypedCharacter(const AppSettings& settings, std::uint8_t typed);

// Notes whether General "TranslitTableFile" can be read, and empties the
// table; the file is read on first use.
void CheckTranslitTable(AppSettings& settings);
// Reads the table when it has not been read. False when there is no usable
// table; a file that fails is reported once and not tried again.
bool EnsureTranslitTable(AppSettings& settings, Prompts& prompts);
