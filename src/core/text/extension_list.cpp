#include "core/text/extension_list.h"

#include "core/text/cp1251.h"

bool ExtensionListHas(std::string_view list, std::string_view key)
{
    while (!key.empty() && key.back() == ' ')
        key.remove_suffix(1);
    while (!key.empty() && key.front() == ' ')
        key.remove_prefix(1);
    if (key.empty())
        return false;
    while (!list.empty()) {
        const std::size_t blank = list.find(' ');
        if (EqualsIgnoringCase(list.substr(0, blank), key))
            return true;
        list = blank == std::string_view::npos ? std::string_view{} : list.substr(blank + 1);
    }
    return false;
}
