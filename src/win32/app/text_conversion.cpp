#include "win32/app/text_conversion.h"

#include <windows.h>

std::wstring FromCp1251(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(1251, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1251, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string ToCp1251(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(1251, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(1251, 0, text.data(), size, narrow.data(), length, "?", nullptr);
    return narrow;
}
