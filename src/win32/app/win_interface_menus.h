#pragma once

#include "core/app/interface_language.h"

#include <windows.h>

#include <map>

// The six menus a language file renames, as live menus of the program and
// as its resources ship them.
class WinInterfaceMenus : public InterfaceMenus {
public:
    explicit WinInterfaceMenus(std::map<unsigned, HMENU> live) : m_live(std::move(live)) {}
    Menu ResourceMenu(unsigned menuId) const override;
    Menu LiveMenu(unsigned menuId) const override;
    // Only the texts change; items, sub-menus and images stay.
    void SetLiveMenu(unsigned menuId, const Menu& menu) override;

private:
    std::map<unsigned, HMENU> m_live;
};

// A real menu as the menu model.
Menu MenuModelOf(HMENU menu);
// Marks a pop-up the frame puts in for a clip library, whatever items it
// holds (none, or a separator first), so that a language file's numbering
// passes over it.
void MarkAsClipLibraryMenu(HMENU popup);
