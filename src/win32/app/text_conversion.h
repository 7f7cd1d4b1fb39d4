#pragma once

#include <string>
#include <string_view>

// The program's text is cp1251; Windows speaks UTF-16.
std::wstring FromCp1251(std::string_view text);
// Characters cp1251 cannot represent become '?'.
std::string ToCp1251(std::wstring_view text);

// The same for text of one of the program's code pages (0 KOI8 .. 4 WIN),
// through the Windows code page of that name.
std::wstring FromCodePage(std::string_view text, int codePage);
std::string ToCodePage(std::wstring_view text, int codePage);
// Characters the code page lacks are left out; `leftOut` tells whether
// there were any. `text` holds no NUL.
std::string MappableText(std::wstring_view text, int codePage, bool& leftOut);
