#pragma once

#include <string>

// A message pattern with its first "%s" replaced by `value`. Patterns may
// come from language files, so nothing else in them is interpreted.
std::string FillPlaceholder(const std::string& pattern, const std::string& value);
