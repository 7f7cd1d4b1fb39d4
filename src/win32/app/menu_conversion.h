#pragma once

#include "core/settings/menu_model.h"

#include <windows.h>

#include <string>

// Appends the items of a menu model (cp1251 texts) to a real menu.
void AppendMenuItems(HMENU menu, const Menu& items);
// The text of the item at `position`, whatever draws it.
std::wstring MenuItemText(HMENU menu, int position);

// The sub-menu, at any depth, that holds the command among its own items.
HMENU FindSubMenuHolding(HMENU menu, UINT command);
