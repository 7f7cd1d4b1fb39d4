#include "core/text/placeholder.h"

std::string FillPlaceholder(const std::string& pattern, const std::string& value, std::string_view marker)
{
    std::string text = pattern;
    const std::size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}
