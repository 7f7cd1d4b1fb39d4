#include "core/app/list_editing.h"

#include "core/settings/settings_io.h"

#include <algorithm>

std::optional<std::size_t> SelectionAfterRemoval(std::size_t index, std::size_t sizeBefore)
{
    if (sizeBefore <= 1)
        return std::nullopt;
    return std::min(index, sizeBefore - 2);
}

void ToolbarList::Insert(std::uint8_t button)
{
    if (button != kToolbarSeparator) {
        const auto there = std::find(buttons.begin(), buttons.end(), button);
        if (there != buttons.end()) {
            selected = static_cast<std::size_t>(there - buttons.begin());
            return;
        }
    }
    const std::size_t at = selected ? *selected + 1 : 0;
    buttons.insert(buttons.begin() + static_cast<std::ptrdiff_t>(at), button);
    selected = at;
}

void ToolbarList::Remove()
{
    if (!CanRemove())
        return;
    const std::size_t index = *selected;
    buttons.erase(buttons.begin() + static_cast<std::ptrdiff_t>(index));
    selected = SelectionAfterRemoval(index, buttons.size() + 1);
}

void ToolbarList::Move(int direction)
{
    if (selected)
        if (const std::optional<std::size_t> moved = MoveEntry(buttons, *selected, direction))
            selected = moved;
}
