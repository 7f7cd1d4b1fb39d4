#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The selection of a preference list after its entry `index` was removed
// from `sizeBefore` entries: the following entry, or the previous one when
// the last went; none when the list is empty.
std::optional<std::size_t> SelectionAfterRemoval(std::size_t index, std::size_t sizeBefore);

// "Up" (-1) and "Down" (+1): the entry changes places with its neighbour;
// its new index, or none at the ends.
template <typename T>
std::optional<std::size_t> MoveEntry(std::vector<T>& list, std::size_t index, int direction)
{
    if (index >= list.size() || (direction < 0 && index == 0) || (direction > 0 && index + 1 >= list.size()))
        return std::nullopt;
    const std::size_t other = direction < 0 ? index - 1 : index + 1;
    std::swap(list[index], list[other]);
    return other;
}

// The buttons of the Toolbar page ("MainToolBar" "Data": indexes into the
// button table, 100 for a separator) and the selected one.
struct ToolbarList {
    std::vector<std::uint8_t> buttons;
    std::optional<std::size_t> selected;

    // "->": after the selected button (at the top when none is) and
    // selected; a command already there is only selected, while separators
    // may repeat.
    void Insert(std::uint8_t button);
    // "<-" keeps at least one button.
    bool CanRemove() const { return selected && buttons.size() >= 2; }
    void Remove();
    void Move(int direction);
};
