#include "core/text/cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

using ByteTable = std::array<std::uint8_t, 256>;

// Capital and small letter of the Cyrillic pairs outside А-Я / а-я.
constexpr std::pair<std::uint8_t, std::uint8_t> kOtherCyrillicPairs[] = {
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2},
    {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
};

struct CaseTables {
    ByteTable lower{};
    ByteTable upper{};
    std::array<bool, 256> letter{};
};

constexpr CaseTables MakeCaseTables()
{
    CaseTables t;
    for (int c = 0; c < 256; ++c)
        t.lower[c] = t.upper[c] = static_cast<std::uint8_t>(c);
    auto pair = [&t](int capital, int small) {
        t.lower[capital] = static_cast<std::uint8_t>(small);
        t.upper[small] = static_cast<std::uint8_t>(capital);
        t.letter[capital] = t.letter[small] = true;
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 0x20);
    for (int c = 0xC0; c <= 0xDF; ++c)
        pair(c, c + 0x20);
    for (const auto& [capital, small] : kOtherCyrillicPairs)
        pair(capital, small);
    return t;
}

constexpr CaseTables kCase = MakeCaseTables();

std::uint8_t Byte(char ch)
{
    return static_cast<std::uint8_t>(ch);
}

} // namespace

char ToLowerCp1251(char ch)
{
    return static_cast<char>(kCase.lower[Byte(ch)]);
}

char ToUpperCp1251(char ch)
{
    return static_cast<char>(kCase.upper[Byte(ch)]);
}

bool IsLetterCp1251(char ch)
{
    return kCase.letter[Byte(ch)];
}

bool IsWordCharCp1251(char ch)
{
    return IsLetterCp1251(ch) || (ch >= '0' && ch <= '9') || ch == '_';
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
