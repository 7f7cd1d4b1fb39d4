#include "core/text/cp1251.h"

#include <algorithm>

namespace {

constexpr unsigned char kUpperYo = 0xA8;
constexpr unsigned char kLowerYo = 0xB8;

} // namespace

char ToLowerCp1251(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF))
        return static_cast<char>(c + 0x20);
    return c == kUpperYo ? static_cast<char>(kLowerYo) : ch;
}

char ToUpperCp1251(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || c >= 0xE0)
        return static_cast<char>(c - 0x20);
    return c == kLowerYo ? static_cast<char>(kUpperYo) : ch;
}

std::string ToLowerCp1251(std::string_view text)
{
    std::string lower(text);
    for (char& ch : lower)
        ch = ToLowerCp1251(ch);
    return lower;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ToLowerCp1251(x) == ToLowerCp1251(y);
           });
}
