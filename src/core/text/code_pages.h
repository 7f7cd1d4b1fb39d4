#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Code page ids, shared by the whole program. WIN is the pivot of every
// conversion and the code page of searching, the clipboard and the keyboard.
enum CodePage : std::uint8_t {
    CP_KOI8 = 0,
    CP_DOS = 1,
    CP_MAC = 2,
    CP_ISO = 3,
    CP_WIN = 4,
    CP_TRANSLITE = 5, // as a conversion side; "detect" in the Encoding setting
};
constexpr int kCodePageCount = 5;

// A byte of code page `from` as code page `to` shows it (ids 0..4). The 66
// Russian letters and every other character both code pages have (« » — №,
// the no-break space, Ukrainian letters, ...) move; bytes below 128 never
// change, and other bytes keep their value, so DOS box drawing becomes ASCII
// look-alikes in WIN and other such conversions go one way.
std::uint8_t ConvertByte(std::uint8_t byte, int from, int to);
// The cp1251 byte of a character that code page `codePage` has and cp1251
// has too (ASCII, the Russian letters, the shared signs and letters);
// nothing for a byte that only keeps its value in a conversion.
std::optional<std::uint8_t> SharedToWin(std::uint8_t byte, int codePage);
// The other way: code page `codePage`'s byte of a cp1251 character it has.
std::optional<std::uint8_t> SharedFromWin(std::uint8_t win, int codePage);
void ConvertString(std::string& text, int from, int to);
// ConvertByte for every byte value at once, for converting much text.
const std::array<std::uint8_t, 256>& ConversionTable(int from, int to);
// Converts the bytes startCol .. endCol (both included; -1 is the end of the
// line) of a stored line.
void ConvertLineRange(std::string& line, int from, int to, int startCol, int endCol);
