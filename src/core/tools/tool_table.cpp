#include "core/tools/tool_table.h"

#include "core/platform/file_system.h"
#include "core/text/extension_list.h"

#include <algorithm>

const ToolEntry* FindTool(const std::vector<ToolEntry>& tools, std::string_view key)
{
    for (const ToolEntry& tool : tools)
        if (ExtensionListHas(tool.extensions, key))
            return &tool;
    return nullptr;
}

std::optional<ToolLaunch> LaunchFor(const std::vector<ToolEntry>& tools, const std::string& path)
{
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    const ToolEntry* tool = FindTool(tools, std::string_view(name).substr(dot + 1));
    if (!tool)
        return ToolLaunch{ToolLaunch::OpenWithShell, path};
    return ToolLaunch{tool->capture ? ToolLaunch::Captured : ToolLaunch::Detached, ToolCommandLine(tool->cmdLine, path)};
}

std::string ToolCommandLine(std::string_view cmdLine, std::string_view path)
{
    const std::size_t at = cmdLine.find("&f");
    if (at == std::string_view::npos)
        return std::string(cmdLine);
    const bool quoted = std::count(cmdLine.begin(), cmdLine.begin() + static_cast<std::ptrdiff_t>(at), '"') % 2 == 1;
    const bool needsQuotes = !quoted && path.find(' ') != std::string_view::npos;
    std::string line(cmdLine.substr(0, at));
    if (needsQuotes)
        line += '"';
    line += path;
    if (needsQuotes)
        line += '"';
    line += cmdLine.substr(at + 2);
    return line;
}
