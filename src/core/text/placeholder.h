#pragma once

#include <string>
#include <string_view>

// A message pattern with its first `marker` ("%s", or "%d" for numbers)
// replaced by `value`. Patterns may come from language files, so nothing
// else in them is interpreted.
std::string FillPlaceholder(const std::string& pattern, const std::string& value, std::string_view marker = "%s");
