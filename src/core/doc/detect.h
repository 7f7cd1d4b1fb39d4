#pragma once

#include <cstddef>
#include <cstdint>

// The line-end style of a file from its first block: CR LF when the first LF
// follows a CR or there is no LF, LF CR when a CR follows it, else LF.
std::uint8_t DetectLineEnd(const char* bytes, std::size_t size);

// The code page id (0 KOI8, 1 DOS, 2 MAC, 3 ISO, 4 WIN) that the high bytes
// of the first 5000 bytes of a file point to.
std::uint8_t DetectCodePage(const char* bytes, std::size_t size);
