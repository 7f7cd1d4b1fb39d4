#pragma once

#include <string>
#include <string_view>

// `value` in double quotes as one argument of a Windows command line, read
// back unchanged by the system's argument rules: a quote becomes \", and
// backslashes before a quote (the closing one too) are doubled, so "C:\"
// stays a root and a search text may end with a backslash.
std::string QuoteArgument(std::string_view value);
