#pragma once

#include <string>
#include <string_view>

// The program's text is cp1251; Windows speaks UTF-16.
std::wstring FromCp1251(std::string_view text);
// Characters cp1251 cannot represent become '?'.
std::string ToCp1251(std::wstring_view text);
