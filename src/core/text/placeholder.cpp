#include "core/text/placeholder.h"

std::string FillPlaceholder(const std::string& pattern, const std::string& value)
{
    std::string text = pattern;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}
