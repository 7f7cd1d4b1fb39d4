#include "core/text/quote_argument.h"

std::string QuoteArgument(std::string_view value)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : value) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}
