#include "core/tools/tool_table.h"

#include "core/text/cp1251.h"

const ToolEntry* FindTool(const std::vector<ToolEntry>& tools, std::string_view key)
{
    while (!key.empty() && key.back() == ' ')
        key.remove_suffix(1);
    if (key.empty())
        return nullptr;
    for (const ToolEntry& tool : tools) {
        // Whole names only: "c" is not a tool's extension because "cpp" is.
        std::string_view list = tool.extensions;
        while (!list.empty()) {
            const std::size_t blank = list.find(' ');
            if (EqualsIgnoringCase(list.substr(0, blank), key))
                return &tool;
            list = blank == std::string_view::npos ? std::string_view{} : list.substr(blank + 1);
        }
    }
    return nullptr;
}
