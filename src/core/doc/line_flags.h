#pragma once

#include <cstdint>

// One flag byte per line: bit 7 is the bookmark, bits 0-6 the highlighter's
// state at the end of the line (the state the next line starts in).
constexpr std::uint8_t LINE_BOOKMARK = 0x80;
constexpr std::uint8_t LINE_STATE_MASK = 0x7F;
constexpr std::uint8_t LINE_STATE_UNKNOWN = 127;
