#pragma once

#include "win32/dialogs/preferences_window.h"

#include <functional>

class ProfileStore;

// The Toolbar page: the buttons of the button table, the toolbar's buttons,
// and small or large ones; OK writes "MainToolBar" and the frame rebuilds
// the toolbar from it. `buttonName` names a command.
std::unique_ptr<PreferencePage> MakeToolbarPage(const DialogEnvironment& environment, ProfileStore& store,
                                                std::function<std::string(int command)> buttonName);
