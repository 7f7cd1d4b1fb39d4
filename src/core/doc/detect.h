#pragma once

#include <cstddef>
#include <cstdint>

// The line-end style of a file from its first block: CR LF when the first LF
// follows a CR or there is no LF, LF CR when a CR follows it, else LF.
std::uint8_t DetectLineEnd(const char* bytes, std::size_t size);

// The code page id (0 KOI8, 1 DOS, 2 MAC, 3 ISO, 4 WIN) in which the first
// 5000 bytes of a file read most like Russian text (bigram statistics of
// real text, see scripts/make-detect-table.py). Text without bytes above
// 0x7F is WIN; code pages the text cannot tell apart are settled by the
// byte ranges their high bytes fall in.
std::uint8_t DetectCodePage(const char* bytes, std::size_t size);
