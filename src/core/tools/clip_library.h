#pragma once

#include "core/settings/command_ids.h"
#include "core/settings/menu_model.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Snippet command ids: slot k owns the 200 ids from (k + 51) * 200 on.
constexpr int kClipSlots = 10;
constexpr int kClipItemsPerSlot = 200;
constexpr int kFirstClipCommand = ID_CLIP_FIRST;
constexpr int kLastClipCommand = kFirstClipCommand + kClipSlots * kClipItemsPerSlot; // 12200, exclusive
constexpr int ClipCommand(int slot, int item)
{
    return (slot + 51) * kClipItemsPerSlot + item;
}
constexpr int ClipSlotOf(int command)
{
    return (command - kFirstClipCommand) / kClipItemsPerSlot;
}
constexpr int ClipItemOf(int command)
{
    return command - (ClipSlotOf(command) + 51) * kClipItemsPerSlot;
}

// One *.lib file: named snippets, each with an optional abbreviation that
// completion offers, and the pop-up menu that lists them.
//   #library_name = Title        first line
//   ; comment
//   #clip_name=Item              starts an item ("separator" adds a separator)
//   #clip_key=abbr               any other #clip_ line: the item's abbreviation
//   text lines                   the snippet, joined by CR LF
class ClipLibrary {
public:
    // Loads the file into `slot` (its ids); false, and nothing loaded, when
    // the file cannot be read or is not a library.
    bool Load(int slot, const std::string& path);
    bool Read(int slot, std::string_view fileText);
    void Reset();

    std::string name;
    std::vector<std::string> items;
    std::vector<std::string> abbreviations;
    std::vector<std::string> texts;
    Menu menu;
    bool loaded = false;
};

// The ten slots; libraries that fail to load leave no gap.
class ClipLibraries {
public:
    // `paths` are the "Libfile%d" values. Returns the number loaded.
    int LoadAll(const std::array<std::string, kClipSlots>& paths);
    // The Actions menu with the libraries' pop-ups and a separator at its
    // top, replacing those of an earlier load (everything above "Tabs ->
    // spaces").
    void PutIntoActionsMenu(Menu& actions) const;
    // The library of a snippet command, or nothing.
    const ClipLibrary* SlotOf(int command) const;

    std::array<ClipLibrary, kClipSlots> slots;
};
