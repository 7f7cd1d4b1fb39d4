#include "core/app/launcher_rules.h"

#include "core/text/quote_argument.h"

#include <cctype>

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// "/p" in any case, followed by a blank or nothing.
bool StartsWithSwitch(std::string_view arguments, std::string_view name)
{
    if (arguments.size() < name.size() + 1 || (arguments[0] != '/' && arguments[0] != '-'))
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(arguments[i + 1])) != name[i])
            return false;
    return arguments.size() == name.size() + 1 || arguments[name.size() + 1] == ' ' ||
           arguments[name.size() + 1] == '\t';
}

// The file name Notepad would open: a quoted name up to its closing quote,
// else all that is left, blanks and all.
std::string_view FileName(std::string_view arguments)
{
    if (!arguments.empty() && arguments.front() == '"') {
        arguments.remove_prefix(1);
        return arguments.substr(0, arguments.find('"'));
    }
    return arguments;
}

} // namespace

std::string_view ArgumentsAfterProgram(std::string_view commandLine)
{
    commandLine = Trimmed(commandLine);
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string_view::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    return Trimmed(commandLine.substr(end));
}

LaunchPlan PlanLaunch(std::string_view arguments, const std::string& editor, const std::string& notepadAside)
{
    arguments = Trimmed(arguments);
    if (StartsWithSwitch(arguments, "p") || StartsWithSwitch(arguments, "pt"))
        return NotepadLaunch(arguments, notepadAside);
    while (StartsWithSwitch(arguments, "a") || StartsWithSwitch(arguments, "w"))
        arguments = Trimmed(arguments.substr(2));
    LaunchPlan plan{editor, QuoteArgument(editor)};
    if (const std::string_view file = FileName(arguments); !file.empty())
        plan.commandLine += " " + QuoteArgument(file);
    return plan;
}

LaunchPlan NotepadLaunch(std::string_view arguments, const std::string& notepadAside)
{
    LaunchPlan plan{notepadAside, QuoteArgument(notepadAside)};
    arguments = Trimmed(arguments);
    if (!arguments.empty())
        plan.commandLine += " " + std::string(arguments);
    return plan;
}
