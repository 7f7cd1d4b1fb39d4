#include "core/tools/tool_table.h"

#include "core/text/extension_list.h"

const ToolEntry* FindTool(const std::vector<ToolEntry>& tools, std::string_view key)
{
    for (const ToolEntry& tool : tools)
        if (ExtensionListHas(tool.extensions, key))
            return &tool;
    return nullptr;
}
