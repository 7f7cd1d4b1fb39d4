#pragma once

#include <string_view>

// Whether a blank-separated list of extensions ("c cpp h ") names `key`: a
// whole name ("c" is not in "cpp"), case ignored; blanks around the key (as
// in the key "txt ") do not count.
bool ExtensionListHas(std::string_view list, std::string_view key);
