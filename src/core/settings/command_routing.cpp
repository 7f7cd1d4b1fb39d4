#include "core/settings/command_routing.h"

bool RouteCommand(std::span<CommandTarget* const> chain, int id)
{
    // A command the menu shows grey does not run from an accelerator, a
    // toolbar or the tray either; it counts as handled.
    if (const std::optional<CommandUpdate> update = RouteUpdate(chain, id); update && !update->enabled)
        return true;
    for (CommandTarget* target : chain)
        if (target && target->OnCommand(id))
            return true;
    return false;
}

std::optional<CommandUpdate> RouteUpdate(std::span<CommandTarget* const> chain, int id)
{
    for (CommandTarget* target : chain)
        if (target)
            if (std::optional<CommandUpdate> update = target->OnUpdateCommand(id))
                return update;
    return std::nullopt;
}
