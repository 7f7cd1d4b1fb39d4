#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>

// What an update handler says of a command: menu items and toolbar buttons
// follow it, and a menu item takes a new text (cp1251) when there is one.
struct CommandUpdate {
    CommandUpdate(bool enabled = true, bool checked = false, std::optional<std::string> text = std::nullopt)
        : enabled(enabled), checked(checked), text(std::move(text))
    {
    }
    bool enabled;
    bool checked;
    std::optional<std::string> text;
    friend bool operator==(const CommandUpdate&, const CommandUpdate&) = default;
};

// One link of the command chain: the active view, its document, the child
// frame, the main frame, the application.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // False when the command is not this target's.
    virtual bool OnCommand(int id) = 0;
    // Nothing when the command is not this target's.
    virtual std::optional<CommandUpdate> OnUpdateCommand(int id) = 0;
};

// A target's commands as a table: ids from `first` to `last`, what they do
// and when they are enabled or checked (no update: always enabled).
template <class Target>
struct CommandEntry {
    int first;
    int last;
    void (Target::*run)(int id);
    CommandUpdate (Target::*update)(int id) = nullptr;
};

template <class Target>
bool RunFromTable(Target& target, std::span<const CommandEntry<Target>> table, int id)
{
    for (const CommandEntry<Target>& entry : table) {
        if (id >= entry.first && id <= entry.last) {
            (target.*entry.run)(id);
            return true;
        }
    }
    return false;
}

template <class Target>
std::optional<CommandUpdate> UpdateFromTable(Target& target, std::span<const CommandEntry<Target>> table, int id)
{
    for (const CommandEntry<Target>& entry : table)
        if (id >= entry.first && id <= entry.last)
            return entry.update ? (target.*entry.update)(id) : CommandUpdate{};
    return std::nullopt;
}

// The first target that knows the command wins; nulls are skipped. A
// command whose update says disabled does not run.
bool RouteCommand(std::span<CommandTarget* const> chain, int id);
std::optional<CommandUpdate> RouteUpdate(std::span<CommandTarget* const> chain, int id);
