#include "core/settings/command_routing.h"

bool RouteCommand(std::span<CommandTarget* const> chain, int id)
{
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
