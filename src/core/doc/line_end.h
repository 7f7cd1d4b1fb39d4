#pragma once

#include <cstdint>

// Line-end styles of a file.
constexpr std::uint8_t LINE_END_CRLF = 0;
constexpr std::uint8_t LINE_END_LF = 1;
constexpr std::uint8_t LINE_END_LFCR = 2;
